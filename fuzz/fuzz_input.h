// Turning a fuzzer's bytes into the program's inputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zemlo::fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Every pair of bytes as one UTF-16 unit (little-endian), so any unit, lone surrogates
// included, can be reached; an odd last byte is dropped.
inline std::u16string Units(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return text;
}

// Stops the run with a finding when a property does not hold.
#define ZEMLO_FUZZ_CHECK(condition)         \
    do {                                    \
        if (!(condition)) __builtin_trap(); \
    } while (0)

}  // namespace zemlo::fuzz
