#include "bench_pools.h"

#include <cstdio>
#include <map>
#include <memory>

#include "bench_data.h"
#include "carddb/card_loader.h"

namespace zemlo::bench {

QApplication& BenchApp() {
    static int argc = 1;
    static char name[] = "zemlo-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // Another part of the suite may have made the application already.
        if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return existing;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        QApplication::setStyle("Fusion");
        return created;
    }();
    return *app;
}

LoadedPool& Pool(long long size) {
    static std::map<long long, std::unique_ptr<LoadedPool>> pools;
    auto& pool = pools[size];
    if (!pool) {
        pool = std::make_unique<LoadedPool>();
        LoadCardData(pool->db, PoolDir(size));
        if (pool->db.units.Count() == 0)
            std::fprintf(stderr, "no card data in %s; build the bench_data target\n",
                         PoolDir(size).string().c_str());
        pool->choices = BuildCatalogChoices(pool->db);
    }
    return *pool;
}

}  // namespace zemlo::bench
