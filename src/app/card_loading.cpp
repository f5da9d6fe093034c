#include "app/card_loading.h"

#include <array>
#include <system_error>

namespace zemlo {
namespace {

LoadedCards Load(const std::filesystem::path& dir) {
    LoadedCards loaded;
    loaded.report = LoadCardData(loaded.db, dir);
    // The entries and order of the mission and character catalogs on a second thread while
    // the choices and the unit catalog are made here, about half the work each: all of it
    // only reads the finished tables.
    const CardDatabase& db = loaded.db;
    std::array<CatalogOrder, 3>& orders = loaded.catalogs.orders;
    const auto makeOthers = [&db, &orders] {
        orders[1] = CatalogOrder(db, CardKind::Mission);
        orders[2] = CatalogOrder(db, CardKind::Character);
    };
    std::future<void> others;
    try {
        others = std::async(std::launch::async, makeOthers);
    } catch (const std::system_error&) {
        others = std::async(std::launch::deferred, makeOthers);
    }
    loaded.catalogs.choices = BuildCatalogChoices(db);
    orders[0] = CatalogOrder(db, CardKind::Unit);
    others.get();
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
