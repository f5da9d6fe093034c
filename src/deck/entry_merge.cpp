#include "deck/entry_merge.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "carddb/text_width.h"

namespace zemlo {

std::size_t SortedInsertPosition(const std::vector<DeckEntry>& entries, const DeckEntry& entry) {
    const auto at = std::upper_bound(entries.begin(), entries.end(), entry, EntryLess);
    return static_cast<std::size_t>(at - entries.begin());
}

std::size_t MergeEntries(std::vector<DeckEntry>& list, std::vector<DeckEntry> entries) {
    const std::size_t room = list.size() < kMaxListEntries ? kMaxListEntries - list.size() : 0;
    std::size_t leftOut = 0;
    if (entries.size() > room) {
        leftOut = entries.size() - room;
        entries.resize(room);
    }
    const auto less = [](const DeckEntry& a, const DeckEntry& b) { return EntryLess(a, b); };
    // Both steps are stable: new entries that sort alike keep their order, and each stands
    // after the list's own entries that sort alike with it.
    std::stable_sort(entries.begin(), entries.end(), less);
    const auto middle = static_cast<std::ptrdiff_t>(list.size());
    list.insert(list.end(), std::make_move_iterator(entries.begin()),
                std::make_move_iterator(entries.end()));
    std::inplace_merge(list.begin(), list.begin() + middle, list.end(), less);
    return leftOut;
}

std::u16string LeftOutText(const LeftOutCounts& leftOut) {
    const std::size_t total = leftOut[0] + leftOut[1] + leftOut[2];
    if (total == 0) return {};
    return u"1つのﾃﾞｯｷﾘｽﾄに入るのは" + DecimalText(kMaxListEntries) + u"枚までです。入らなかった" +
           DecimalText(total) + u"枚（ユニット " + DecimalText(leftOut[0]) + u"、ミッション " +
           DecimalText(leftOut[1]) + u"、キャラクター " + DecimalText(leftOut[2]) +
           u"）は入れていません。";
}

}  // namespace zemlo
