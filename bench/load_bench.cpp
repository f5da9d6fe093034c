// Loading the card database against the fixed yardstick of reading the same file and
// decoding it with iconv, and the plain scan that the filters are held against.
#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/card_data_copy.h"
#include "carddb/card_loader.h"
#include "platform/code_page.h"
#include "platform/private_profile.h"

namespace {

using zemlo::bench::PoolDir;

// The yardstick: the whole file read and decoded by iconv, nothing else.
void BM_ReadDecodeBaseline(benchmark::State& state) {
    const auto path = PoolDir(state.range(0)) / "ZEMLO.dat";
    size_t chars = 0;
    for (auto _ : state) {
        std::string bytes;
        zemlo::ReadWholeFile(path, zemlo::kCardDataFileLimit, bytes);
        std::u16string text = zemlo::DecodeCp932(bytes);
        chars = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["decodedMB"] = static_cast<double>(chars * sizeof(char16_t)) / 1e6;
}

void BM_LoadCardData(benchmark::State& state) {
    const auto dir = PoolDir(state.range(0));
    for (auto _ : state) {
        zemlo::CardDatabase db;
        zemlo::LoadReport report = zemlo::LoadCardData(db, dir);
        benchmark::DoNotOptimize(report);
        if (db.units.Count() == 0) state.SkipWithError("no card data; build the bench_data target");
    }
}

// The same in one pass, as the window's start reads a large file on two cores.
void BM_LoadCardDataOnePass(benchmark::State& state) {
    const auto dir = PoolDir(state.range(0));
    for (auto _ : state) {
        zemlo::CardDatabase db;
        zemlo::LoadReport report = zemlo::LoadCardData(db, dir, zemlo::CardDataPasses::One);
        benchmark::DoNotOptimize(report);
        if (db.units.Count() == 0) state.SkipWithError("no card data; build the bench_data target");
    }
}

// A later start's load: the data file read and hashed to know it unchanged, and the tables
// read back from the copy an earlier load kept.
void BM_LoadCardDataCopy(benchmark::State& state) {
    const auto dir = PoolDir(state.range(0));
    const std::filesystem::path copy = std::filesystem::temp_directory_path() /
                                       ("zemlo-bench-copy-" + std::to_string(state.range(0)));
    {
        zemlo::CardDatabase db;
        const zemlo::LoadReport report = zemlo::LoadCardData(db, dir, zemlo::CardDataPasses::One);
        if (!zemlo::SaveCardDataCopy(copy, db, report)) state.SkipWithError("copy not written");
    }
    const auto sourcesHold = [&dir](const zemlo::CardDataSources& sources) {
        return zemlo::DataFilesHold(dir, sources);
    };
    for (auto _ : state) {
        zemlo::CardDatabase db;
        zemlo::LoadReport report;
        if (!zemlo::LoadCardDataCopy(copy, sourcesHold, db, report))
            state.SkipWithError("copy unused");
        benchmark::DoNotOptimize(report);
    }
    std::filesystem::remove(copy);
}

// One field of every unit compared with a text: the least any filter run can cost.
void BM_PlainScan(benchmark::State& state) {
    const zemlo::CardTable& units = zemlo::bench::Pool(state.range(0)).db.units;
    const std::u16string_view wanted = units.Count() > 0 ? units.Cell(4, units.Count() / 2) : u"";
    for (auto _ : state) {
        int hits = 0;
        for (int r = 0; r < units.Count(); ++r) hits += units.Cell(4, r) == wanted;
        benchmark::DoNotOptimize(hits);
    }
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_ReadDecodeBaseline);
ZEMLO_BOTH_POOLS(BM_LoadCardData);
ZEMLO_BOTH_POOLS(BM_LoadCardDataOnePass);
ZEMLO_BOTH_POOLS(BM_LoadCardDataCopy);
ZEMLO_BOTH_POOLS(BM_PlainScan)->Unit(benchmark::kMicrosecond);
