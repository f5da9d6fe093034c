// Reading the deck lists: entries are plain texts copied from the catalogs, so a mission's
// points and an entry's place in its list come from the text alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

// The points of a mission entry: its last two characters without blanks, read as their
// leading number (0 when there is none). Catalog mission entries end with PointsGained.
int EntryPoints(std::u16string_view entry);

// The sum of EntryPoints over the mission deck, in list order.
int TotalPoints(const std::vector<std::u16string>& missionEntries);

// Where a sorted list takes a new entry: after every entry that does not sort after it, so
// copies of one card stand side by side in the order they were added.
std::size_t SortedInsertPosition(const std::vector<std::u16string>& entries,
                                 std::u16string_view entry);

}  // namespace zemlo
