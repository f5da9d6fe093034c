#include "app/card_loading.h"

#include <array>
#include <system_error>

namespace zemlo {
namespace {

LoadedCards Load(const std::filesystem::path& dir) {
    LoadedCards loaded;
    loaded.report = LoadCardData(loaded.db, dir);
    // The catalogs' entries and order on a second thread while the choices are gathered:
    // both only read the finished tables.
    const CardDatabase& db = loaded.db;
    std::future<std::array<CatalogOrder, 3>> orders;
    const auto makeOrders = [&db] {
        return std::array<CatalogOrder, 3>{CatalogOrder(db, CardKind::Unit),
                                           CatalogOrder(db, CardKind::Mission),
                                           CatalogOrder(db, CardKind::Character)};
    };
    try {
        orders = std::async(std::launch::async, makeOrders);
    } catch (const std::system_error&) {
        orders = std::async(std::launch::deferred, makeOrders);
    }
    loaded.catalogs.choices = BuildCatalogChoices(db);
    loaded.catalogs.orders = orders.get();
    return loaded;
}

}  // namespace

CardLoading::CardLoading(const std::filesystem::path& dir) {
    try {
        loaded_ = std::async(std::launch::async, Load, dir);
    } catch (const std::system_error&) {
        loaded_ = std::async(std::launch::deferred, Load, dir);
    }
}

}  // namespace zemlo
