// Decoded text and its lines: splitting a file's text whichever line end it was written with,
// and outside text made into the one line a caption or a settings value holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

// The lines of a text; a line ends with CR LF, CR or LF. A last line without an end counts.
std::vector<std::u16string> SplitLines(std::u16string_view text);

// The same lines as views into text, for a text of hundreds of thousands of lines.
std::vector<std::u16string_view> SplitLineViews(std::u16string_view text);

// Where the line of bytes that begins at start ends: at its CR or LF, or at the end of bytes.
size_t LineStop(std::string_view bytes, size_t start);

// Outside text as one line: every control character becomes a blank, and blanks at either
// end are removed (half-width ones: an ideographic space is text like any other).
std::u16string OneLineText(std::u16string_view text);

}  // namespace zemlo
