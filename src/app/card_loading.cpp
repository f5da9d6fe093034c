#include "app/card_loading.h"

#include <array>
#include <system_error>

namespace zemlo {
namespace {

LoadedCards Load(const std::filesystem::path& dir) {
    LoadedCards loaded;
    loaded.report = LoadCardData(loaded.db, dir);
    // The three catalogs' entries and orders on a second thread while the choices, the
    // larger half of the work, are made here: all of it only reads the finished tables.
    const CardDatabase& db = loaded.db;
    std::array<CatalogOrder, 3>& orders = loaded.catalogs.orders;
    const auto makeOrders = [&db, &orders] {
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            orders[static_cast<int>(kind)] = CatalogOrder(db, kind);
        }
    };
    std::future<void> ordersMade;
    try {
        ordersMade = std::async(std::launch::async, makeOrders);
    } catch (const std::system_error&) {
        ordersMade = std::async(std::launch::deferred, makeOrders);
    }
    loaded.catalogs.choices = BuildCatalogChoices(db);
    ordersMade.get();
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
