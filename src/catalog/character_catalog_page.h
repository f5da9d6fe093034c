// The character tab: the character search panel (fraChar 0..2) and the catalog lstCharName.
#pragma once

#include "catalog/catalog_page.h"

namespace zemlo {

class CharacterCatalogPage : public CatalogPage {
    Q_OBJECT
public:
    CharacterCatalogPage(const CardDatabase& db, FilterSuspension& suspension,
                         const HighlightState& highlight, QWidget* parent = nullptr);

    void RefilterCharacters();
    void Refilter() override { RefilterCharacters(); }

    CharacterConditions ReadConditions() const;
};

}  // namespace zemlo
