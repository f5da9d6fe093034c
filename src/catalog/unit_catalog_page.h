// The unit tab: the unit search panel (fraUnit 0..10) and the unit catalog lstUnitName.
#pragma once

#include "catalog/catalog_page.h"

namespace zemlo {

class UnitCatalogPage : public CatalogPage {
    Q_OBJECT
public:
    UnitCatalogPage(const CardDatabase& db, FilterSuspension& suspension,
                    const HighlightState& highlight, QWidget* parent = nullptr);

    void RefilterUnits();
    void Refilter() override { RefilterUnits(); }

    UnitConditions ReadConditions() const;
};

}  // namespace zemlo
