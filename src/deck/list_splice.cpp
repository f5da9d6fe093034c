#include "deck/list_splice.h"

#include <algorithm>

namespace zemlo {

ListSplice MakeListSplice(const std::vector<std::u16string>& before,
                          const std::vector<std::u16string>& after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    ListSplice splice;
    splice.at = head;
    splice.removed.assign(before.begin() + head, before.end() - tail);
    splice.inserted.assign(after.begin() + head, after.end() - tail);
    return splice;
}

bool ApplyListSplice(std::vector<std::u16string>& list, const ListSplice& splice, bool forward) {
    const std::vector<std::u16string>& out = forward ? splice.removed : splice.inserted;
    const std::vector<std::u16string>& in = forward ? splice.inserted : splice.removed;
    if (splice.at > list.size() || list.size() - splice.at < out.size()) return false;
    const auto start = list.begin() + static_cast<std::ptrdiff_t>(splice.at);
    if (!std::equal(out.begin(), out.end(), start)) return false;
    const auto next = list.erase(start, start + static_cast<std::ptrdiff_t>(out.size()));
    list.insert(next, in.begin(), in.end());
    return true;
}

}  // namespace zemlo
