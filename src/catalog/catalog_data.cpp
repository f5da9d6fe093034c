#include "catalog/catalog_data.h"

namespace zemlo {

CatalogData BuildCatalogData(const CardDatabase& db) {
    CatalogData data;
    data.choices = BuildCatalogChoices(db);
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        data.orders[static_cast<size_t>(kind)] = CatalogOrder(db, kind);
    }
    return data;
}

}  // namespace zemlo
