// The number a text begins with, and its 16-bit form, for any text.
#include <cmath>

#include "carddb/leading_number.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = zemlo::fuzz::Units(data, size);
    const double value = zemlo::LeadingNumber(text);
    ZEMLO_FUZZ_CHECK(!std::isnan(value));
    const int clamped = zemlo::ToInt16Clamped(value);
    ZEMLO_FUZZ_CHECK(clamped >= -32768 && clamped <= 32767);
    // Blanks before the number never change it.
    ZEMLO_FUZZ_CHECK(zemlo::LeadingNumber(u" \t" + text) == value);
    return 0;
}
