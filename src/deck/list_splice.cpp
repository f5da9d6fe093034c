#include "deck/list_splice.h"

#include <algorithm>

namespace zemlo {

ChangedRun FindChangedRun(const std::vector<DeckEntry>& before,
                          const std::vector<DeckEntry>& after) {
    ChangedRun run;
    while (run.head < before.size() && run.head < after.size() &&
           before[run.head] == after[run.head]) {
        ++run.head;
    }
    while (run.tail < before.size() - run.head && run.tail < after.size() - run.head &&
           before[before.size() - 1 - run.tail] == after[after.size() - 1 - run.tail]) {
        ++run.tail;
    }
    return run;
}

ListSplice MakeListSplice(const std::vector<DeckEntry>& before,
                          const std::vector<DeckEntry>& after) {
    const ChangedRun run = FindChangedRun(before, after);
    ListSplice splice;
    splice.at = run.head;
    splice.removed.assign(before.begin() + run.head, before.end() - run.tail);
    splice.inserted.assign(after.begin() + run.head, after.end() - run.tail);
    return splice;
}

bool ApplyListSplice(std::vector<DeckEntry>& list, const ListSplice& splice, bool forward) {
    const std::vector<DeckEntry>& out = forward ? splice.removed : splice.inserted;
    const std::vector<DeckEntry>& in = forward ? splice.inserted : splice.removed;
    if (splice.at > list.size() || list.size() - splice.at < out.size()) return false;
    const auto start = list.begin() + static_cast<std::ptrdiff_t>(splice.at);
    if (!std::equal(out.begin(), out.end(), start)) return false;
    const auto next = list.erase(start, start + static_cast<std::ptrdiff_t>(out.size()));
    list.insert(next, in.begin(), in.end());
    return true;
}

}  // namespace zemlo
