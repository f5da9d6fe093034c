// Loading the card database against the bare cost of reading and decoding the same file.
#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "carddb/card_loader.h"
#include "platform/code_page.h"
#include "platform/private_profile.h"

namespace {

void ReadAndDecode(benchmark::State& state, const std::filesystem::path& dir) {
    for (auto _ : state) {
        std::string bytes;
        zemlo::ReadWholeFile(dir / "ZEMLO.dat", bytes);
        std::u16string text = zemlo::DecodeCp932(bytes);
        benchmark::DoNotOptimize(text.data());
    }
}

void LoadCardData(benchmark::State& state, const std::filesystem::path& dir) {
    for (auto _ : state) {
        zemlo::CardDatabase db;
        zemlo::LoadReport report = zemlo::LoadCardData(db, dir);
        benchmark::DoNotOptimize(report);
        if (db.units.Count() == 0) state.SkipWithError("no card data; build the bench_data target");
    }
}

BENCHMARK_CAPTURE(ReadAndDecode, sample, zemlo::bench::SampleDir())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadCardData, sample, zemlo::bench::SampleDir())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadAndDecode, largest, zemlo::bench::LargestDir())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadCardData, largest, zemlo::bench::LargestDir())->Unit(benchmark::kMillisecond);

}  // namespace
