// Start-up in-process under the offscreen platform: from the start of the start-up sequence
// to the main window shown, with the card data of each pool in the program's directory.
#include <benchmark/benchmark.h>

#include <QStandardPaths>
#include <memory>

#include "app/startup.h"
#include "bench_data.h"
#include "bench_pools.h"
#include "platform/user_store.h"

namespace {

void BM_Startup(benchmark::State& state) {
    zemlo::bench::BenchApp();
    // The first start is behind us: the disclaimer would wait for a click.
    QStandardPaths::setTestModeEnabled(true);
    const QString store = QStringLiteral("zemlo-bench");
    zemlo::UserStore(store).Save("BOOT", "CNT", "1");
    const auto dir = zemlo::bench::PoolDir(state.range(0));
    for (auto _ : state) {
        auto startup = std::make_unique<zemlo::Startup>(dir, store);
        if (!startup->Run()) state.SkipWithError("the start-up sequence stopped");
        state.PauseTiming();
        startup.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_Startup);
