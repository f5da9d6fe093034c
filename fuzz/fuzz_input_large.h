// Large inputs from small ones: most inputs are taken as they are, and a few are their rest
// repeated up to 1 MiB, so files of tens of thousands of lines are met without making every run
// slow. Which inputs grow is decided by a hash of the whole input: a plain marker byte would be
// kept by nearly every mutation of a grown seed, and the runs would then nearly all be large and
// a thousand times slower.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zemlo::fuzz {

inline constexpr size_t kLargeInputLimit = size_t{1} << 20;

// FNV-1a over the input; a seed that is to grow carries a salt byte chosen to make it pass.
inline uint32_t InputHash(const uint8_t* data, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

// Input: its bytes as they are, or 0xFF, a byte n, a salt byte and bytes repeated 2^(n % 16)
// times, taken so when the hash of the whole input is a multiple of 256 (one in 256 inputs that
// start with 0xFF).
inline std::string LargeInput(const uint8_t* data, size_t size) {
    const std::string whole(reinterpret_cast<const char*>(data), std::min(size, kLargeInputLimit));
    if (size < 4 || data[0] != 0xFF || (InputHash(data, size) & 0xFF) != 0) return whole;
    const std::string unit = whole.substr(3);
    std::string bytes;
    for (size_t n = size_t{1} << (data[1] % 16); n > 0 && bytes.size() < kLargeInputLimit; --n) {
        bytes += unit;
    }
    bytes.resize(std::min(bytes.size(), kLargeInputLimit));
    return bytes;
}

}  // namespace zemlo::fuzz
