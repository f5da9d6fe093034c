#include "deck/entry_merge.h"

#include <algorithm>
#include <iterator>

#include "catalog/catalog_entry.h"

namespace zemlo {

std::size_t MergeEntries(std::vector<std::u16string>& list, std::vector<std::u16string> entries) {
    const std::size_t room = list.size() < kMaxListEntries ? kMaxListEntries - list.size() : 0;
    std::size_t leftOut = 0;
    if (entries.size() > room) {
        leftOut = entries.size() - room;
        entries.resize(room);
    }
    const auto less = [](const std::u16string& a, const std::u16string& b) {
        return EntryLess(a, b);
    };
    // Both steps are stable: new entries that sort alike keep their order, and each stands
    // after the list's own entries that sort alike with it.
    std::stable_sort(entries.begin(), entries.end(), less);
    const auto middle = static_cast<std::ptrdiff_t>(list.size());
    list.insert(list.end(), std::make_move_iterator(entries.begin()),
                std::make_move_iterator(entries.end()));
    std::inplace_merge(list.begin(), list.begin() + middle, list.end(), less);
    return leftOut;
}

}  // namespace zemlo
