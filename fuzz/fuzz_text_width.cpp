// Widening and narrowing on any text.
#include <cstring>

#include "carddb/text_width.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = zemlo::fuzz::Units(data, size);
    const std::u16string wide = zemlo::Widen(text);
    // A voiced mark may join the character before it; nothing grows.
    ZEMLO_FUZZ_CHECK(wide.size() <= text.size());
    for (char16_t c : wide) {
        // Nothing half-width in the printable ASCII range is left, and narrowing undoes it.
        ZEMLO_FUZZ_CHECK(c < 0x20 || c > 0x7E);
        const char16_t narrow = zemlo::NarrowChar(c);
        ZEMLO_FUZZ_CHECK(narrow == c || (narrow >= 0x20 && narrow <= 0x7E));
    }
    if (size >= sizeof(long long)) {
        long long number = 0;
        std::memcpy(&number, data, sizeof number);
        const std::u16string digits = zemlo::FullWidthNumber(number);
        ZEMLO_FUZZ_CHECK(!digits.empty() && digits.size() <= 20);
    }
    return 0;
}
