// Folders of the benchmark card databases written by the build.
#pragma once

#include <filesystem>

namespace zemlo::bench {

inline std::filesystem::path SampleDir() {
    return std::filesystem::path(ZEMLO_BENCH_DATA) / "sample";
}
inline std::filesystem::path LargestDir() {
    return std::filesystem::path(ZEMLO_BENCH_DATA) / "max";
}

}  // namespace zemlo::bench
