// Large inputs from small ones: most inputs are taken as they are, and one in 256 is its rest
// repeated up to 1 MiB, so files of tens of thousands of lines are met often without making
// every run slow.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zemlo::fuzz {

inline constexpr size_t kLargeInputLimit = size_t{1} << 20;

// Input: its bytes as they are, or 0xFF, a byte n, and bytes repeated 2^(n % 16) times.
inline std::string LargeInput(const uint8_t* data, size_t size) {
    const std::string whole(reinterpret_cast<const char*>(data), std::min(size, kLargeInputLimit));
    if (size < 3 || data[0] != 0xFF) return whole;
    const std::string unit = whole.substr(2);
    std::string bytes;
    for (size_t n = size_t{1} << (data[1] % 16); n > 0 && bytes.size() < kLargeInputLimit; --n) {
        bytes += unit;
    }
    bytes.resize(std::min(bytes.size(), kLargeInputLimit));
    return bytes;
}

}  // namespace zemlo::fuzz
