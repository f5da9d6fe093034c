// Conversion between the Windows Japanese code page (CP932) used by every file the
// program reads or writes and the UTF-16 text it keeps in memory.
#pragma once

#include <string>
#include <string_view>

namespace zemlo {

// Decodes CP932 bytes. A byte sequence that is not valid CP932 becomes U+FFFD and
// decoding goes on with the next byte, so one damaged record never hides the rest.
std::u16string DecodeCp932(std::string_view bytes);

// Encodes UTF-16 text as CP932. A character CP932 cannot hold becomes "?".
std::string EncodeCp932(std::u16string_view text);

// UTF-8 helpers for tests, logs and literals in source files.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view text);

}  // namespace zemlo
