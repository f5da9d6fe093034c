// Half-width and full-width forms of Japanese text.
#pragma once

#include <string>
#include <string_view>

namespace zemlo {

// Every half-width character in its full-width form: ASCII into the full-width forms block,
// the blank into the ideographic space, half-width katakana into full-width katakana with a
// following voiced or semi-voiced mark joined to it. Other characters stay as they are.
std::u16string Widen(std::u16string_view text);

// The half-width form of one character: full-width ASCII forms and the ideographic space;
// any other character is returned unchanged.
char16_t NarrowChar(char16_t c);

// Full-width decimal digits of a non-negative number ("１２").
std::u16string FullWidthNumber(long long value);

// Half-width decimal digits of a number, a negative one with "-" ("12", "-3").
std::u16string DecimalText(long long value);

// The text with leading and trailing half-width blanks removed.
std::u16string TrimBlanks(std::u16string_view text);

}  // namespace zemlo
