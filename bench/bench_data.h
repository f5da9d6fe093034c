// The two card pools every benchmark runs on, written by the build: the bundled sample
// (1,500 units, 300 missions, 400 characters) and the largest database the format allows
// (32,767 cards of each kind). A case's last name part is its pool: `BM_LoadCardData/1500`.
#pragma once

#include <filesystem>

namespace zemlo::bench {

inline constexpr int kSamplePool = 1500;
inline constexpr int kLargestPool = 32767;

inline std::filesystem::path SampleDir() {
    return std::filesystem::path(ZEMLO_BENCH_DATA) / "sample";
}
inline std::filesystem::path LargestDir() {
    return std::filesystem::path(ZEMLO_BENCH_DATA) / "max";
}
// The folder of a pool given by its size.
inline std::filesystem::path PoolDir(long long pool) {
    return pool == kLargestPool ? LargestDir() : SampleDir();
}

}  // namespace zemlo::bench

// Registers a case at both pools, named `<case>/1500` and `<case>/32767`.
#define ZEMLO_BOTH_POOLS(bench_case)        \
    BENCHMARK(bench_case)                   \
        ->Arg(::zemlo::bench::kSamplePool)  \
        ->Arg(::zemlo::bench::kLargestPool) \
        ->Unit(benchmark::kMillisecond)
