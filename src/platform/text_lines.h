// Splitting decoded file text into lines, whichever line end the file was written with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

// The lines of a text; a line ends with CR LF, CR or LF. A last line without an end counts.
std::vector<std::u16string> SplitLines(std::u16string_view text);

// The same lines as views into text, for a text of hundreds of thousands of lines.
std::vector<std::u16string_view> SplitLineViews(std::u16string_view text);

}  // namespace zemlo
