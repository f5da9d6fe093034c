#include "deck/deck_entries.h"

#include <algorithm>

#include "carddb/leading_number.h"
#include "catalog/catalog_entry.h"

namespace zemlo {

int EntryPoints(std::u16string_view entry) {
    std::u16string tail(entry.substr(entry.size() >= 2 ? entry.size() - 2 : 0));
    std::erase(tail, u' ');
    return ToInt16Clamped(LeadingNumber(tail));
}

int TotalPoints(const std::vector<std::u16string>& missionEntries) {
    int sum = 0;
    for (const std::u16string& entry : missionEntries) sum += EntryPoints(entry);
    return sum;
}

std::size_t SortedInsertPosition(const std::vector<std::u16string>& entries,
                                 std::u16string_view entry) {
    auto at = std::upper_bound(
        entries.begin(), entries.end(), entry,
        [](std::u16string_view a, const std::u16string& b) { return EntryLess(a, b); });
    return static_cast<std::size_t>(at - entries.begin());
}

}  // namespace zemlo
