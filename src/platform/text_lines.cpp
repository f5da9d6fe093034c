#include "platform/text_lines.h"

namespace zemlo {

std::vector<std::u16string> SplitLines(std::u16string_view text) {
    const std::vector<std::u16string_view> views = SplitLineViews(text);
    return std::vector<std::u16string>(views.begin(), views.end());
}

std::vector<std::u16string_view> SplitLineViews(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
    }
    return lines;
}

size_t LineStop(std::string_view bytes, size_t start) {
    const char* const data = bytes.data();
    size_t at = start;
    while (at < bytes.size() && data[at] != '\n' && data[at] != '\r') ++at;
    return at;
}

std::u16string OneLineText(std::u16string_view text) {
    std::u16string line(text);
    for (char16_t& c : line) {
        if (c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029) c = u' ';
    }
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && line[begin] == u' ') ++begin;
    while (end > begin && line[end - 1] == u' ') --end;
    return line.substr(begin, end - begin);
}

}  // namespace zemlo
