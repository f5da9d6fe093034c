// What the three catalogs are made of, computed from the loaded card tables alone: the
// choices of every search condition and each catalog's entries in their order. Start-up
// makes it on the loading thread while the windows are built; FormInit puts it in place.
#pragma once

#include <array>

#include "carddb/card_database.h"
#include "catalog/catalog_choices.h"
#include "catalog/catalog_order.h"

namespace zemlo {

struct CatalogData {
    CatalogChoices choices;
    // By CardKind: units, missions, characters.
    std::array<CatalogOrder, 3> orders;
};

CatalogData BuildCatalogData(const CardDatabase& db);

}  // namespace zemlo
