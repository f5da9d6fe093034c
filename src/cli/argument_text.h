// The program's arguments as text and back to the very bytes they came as. A Linux file name is
// any bytes; the command line's option parser works on text. Valid UTF-8 becomes its
// characters and every byte that is no part of valid UTF-8 becomes one lone low surrogate
// (U+DC80 to U+DCFF), which no decoded text holds, so the bytes come back exactly.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zemlo {

std::u16string ArgumentText(std::string_view bytes);

// The bytes ArgumentText made text from. A lone surrogate that stands for no byte gives "?".
std::string ArgumentBytes(std::u16string_view text);

// A path named on the command line, with the bytes it was typed as.
inline std::filesystem::path ArgumentPath(std::u16string_view text) {
    return std::filesystem::path(ArgumentBytes(text));
}

// An argument as text to show or print: a byte that was no UTF-8 becomes U+FFFD.
std::u16string ShownArgument(std::u16string_view text);

}  // namespace zemlo
