#include "app/card_loading.h"

#include <QThread>
#include <array>
#include <system_error>

namespace zemlo {
namespace {

LoadedCards Load(const std::filesystem::path& dir) {
    LoadedCards loaded;
    // The GUI thread builds the windows meanwhile. Two passes over a large file end sooner
    // only where each has a core beside it; on two cores one pass ends sooner, without the
    // second's work of reading the file again and passing over the first's records. The
    // count is of the cores this process may run on.
    const CardDataPasses passes =
        QThread::idealThreadCount() >= 3 ? CardDataPasses::Two : CardDataPasses::One;
    loaded.report = LoadCardData(loaded.db, dir, passes);
    // The unit and mission catalogs' entries and orders on a second thread while the
    // choices and the character catalog's are made here, about half the work each: all of
    // it only reads the finished tables.
    const CardDatabase& db = loaded.db;
    std::array<CatalogOrder, 3>& orders = loaded.catalogs.orders;
    const auto makeOrders = [&db, &orders] {
        for (CardKind kind : {CardKind::Unit, CardKind::Mission}) {
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
    orders[static_cast<int>(CardKind::Character)] = CatalogOrder(db, CardKind::Character);
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
