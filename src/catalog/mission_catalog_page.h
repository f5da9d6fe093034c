// The mission tab: the mission search panel (fraMission 0..2) and the catalog lstMissionName.
#pragma once

#include "catalog/catalog_page.h"

namespace zemlo {

class MissionCatalogPage : public CatalogPage {
    Q_OBJECT
public:
    MissionCatalogPage(const CardDatabase& db, FilterSuspension& suspension,
                       const HighlightState& highlight, QWidget* parent = nullptr);

    void RefilterMissions();
    void Refilter() override { RefilterMissions(); }

    MissionConditions ReadConditions() const;
};

}  // namespace zemlo
