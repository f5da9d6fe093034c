#include "platform/display_columns.h"

#include <algorithm>
#include <utility>

namespace zemlo {

int DisplayColumns(std::u16string_view text) {
    // Two columns a character, less one for each narrow one; counted without a branch, as
    // start-up counts every catalog line.
    int narrow = 0;
    for (const char16_t u : text) {
        narrow +=
            static_cast<int>((u < 0x80) | (static_cast<unsigned>(u - 0xFF61) <= 0xFF9F - 0xFF61));
    }
    return 2 * static_cast<int>(text.size()) - narrow;
}

std::vector<int> MostDisplayColumns(int count,
                                    const std::function<std::u16string_view(int)>& entryAt,
                                    std::size_t most) {
    std::vector<std::pair<int, int>> columns;  // (display columns, entry)
    columns.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) columns.emplace_back(DisplayColumns(entryAt(i)), i);
    const std::size_t kept = std::min(most, columns.size());
    std::partial_sort(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(kept),
                      columns.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> entries(kept);
    for (std::size_t i = 0; i < kept; ++i) entries[i] = columns[i].second;
    return entries;
}

}  // namespace zemlo
