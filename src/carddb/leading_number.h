// Reading numbers out of card texts and list entries: the number a text begins with.
#pragma once

#include <string_view>

namespace zemlo {

// Leading blanks are skipped, then an optional sign, digits and one decimal point are read
// as far as they go. A text without a leading number gives 0 ("－", "", "abc").
double LeadingNumber(std::u16string_view text);

// Rounds half to even and clamps into the 16-bit range the card counts and values live in.
int ToInt16Clamped(double value);

}  // namespace zemlo
