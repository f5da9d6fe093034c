#include "app/card_loading.h"

#include <QThread>
#include <array>
#include <cstdio>
#include <system_error>

#include "carddb/card_data_copy.h"
#include "platform/content_hash.h"
#include "platform/user_store.h"

namespace zemlo {
namespace {

LoadedCards Load(const std::filesystem::path& dir, const std::filesystem::path& copyFile,
                 const std::shared_ptr<TableWorkGate>& idle) {
    LoadedCards loaded;
    const CardDatabase& db = loaded.db;
    CatalogData& catalogs = loaded.catalogs;
    // A kind's catalog order and choices, from its table alone, made while the kinds after
    // it are still read, once the GUI thread waits, so as not to take its core.
    const auto makeCatalogOf = [&db, &catalogs](CardKind kind) {
        catalogs.orders[static_cast<int>(kind)] = CatalogOrder(db, kind);
        BuildCatalogChoicesOf(db, kind, catalogs.choices);
    };
    // The GUI thread builds the windows meanwhile. Two passes over a large file end sooner
    // only where each has a core beside it; on two cores one pass ends sooner, without the
    // second's work of reading the file again and passing over the first's records. The
    // count is of the cores this process may run on.
    const CardDataPasses passes =
        QThread::idealThreadCount() >= 3 ? CardDataPasses::Two : CardDataPasses::One;
    // A copy of the tables from an earlier start on the same data files is read back whole;
    // the data files are still read, to know that they are the same and to tell any fault.
    const auto sourcesHold = [&dir](const CardDataSources& sources) {
        return DataFilesHold(dir, sources);
    };
    if (copyFile.empty() || !LoadCardDataCopy(copyFile, sourcesHold, loaded.db, loaded.report)) {
        loaded.report = LoadCardData(loaded.db, dir, passes, makeCatalogOf, idle.get());
    }
    loaded.report.zemloPath = dir / "ZEMLO.dat";
    // What is still to make, about half on a second thread: the unit and mission catalogs'
    // orders there, the choices and the character catalog's order here. All of it only
    // reads the finished tables.
    const std::array<bool, 3> made = loaded.report.tableWorkStands;
    std::array<CatalogOrder, 3>& orders = catalogs.orders;
    const auto makeOrders = [&db, &orders, made] {
        for (CardKind kind : {CardKind::Unit, CardKind::Mission}) {
            if (!made[static_cast<int>(kind)]) {
                orders[static_cast<int>(kind)] = CatalogOrder(db, kind);
            }
        }
    };
    std::future<void> ordersMade;
    if (!made[static_cast<int>(CardKind::Unit)] || !made[static_cast<int>(CardKind::Mission)]) {
        try {
            ordersMade = std::async(std::launch::async, makeOrders);
        } catch (const std::system_error&) {
            ordersMade = std::async(std::launch::deferred, makeOrders);
        }
    }
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        if (!made[static_cast<int>(kind)]) BuildCatalogChoicesOf(db, kind, catalogs.choices);
    }
    if (!made[static_cast<int>(CardKind::Character)]) {
        orders[static_cast<int>(CardKind::Character)] = CatalogOrder(db, CardKind::Character);
    }
    if (ordersMade.valid()) ordersMade.get();
    return loaded;
}

}  // namespace

CardLoading::CardLoading(const std::filesystem::path& dir, const std::filesystem::path& copyFile)
    : idle_(std::make_shared<TableWorkGate>()), copyFile_(copyFile) {
    try {
        loaded_ = std::async(std::launch::async, Load, dir, copyFile, idle_);
    } catch (const std::system_error&) {
        loaded_ = std::async(std::launch::deferred, Load, dir, copyFile, idle_);
    }
}

std::filesystem::path CardLoading::CopyFileFor(const std::filesystem::path& dir) {
    // One copy for each program folder: the name holds a hash of the folder's path.
    const std::filesystem::path cache = UserCacheFolder();
    if (cache.empty()) return {};
    ContentHash hash;
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(dir, ec);
    if (ec) absolute = dir;
    const std::string path = absolute.lexically_normal().native();
    hash.Add(path.data(), path.size());
    char name[40];
    std::snprintf(name, sizeof name, "card-data-%016llx.bin",
                  static_cast<unsigned long long>(hash.Value()));
    return cache / "zemlo-deck" / name;
}

LoadedCards CardLoading::Take() {
    // The GUI thread has nothing left to do but wait: the catalogs' work may have its core.
    if (idle_) idle_->Open();
    return loaded_.get();
}

}  // namespace zemlo
