#include "tools/name_search.h"

namespace zemlo {

int SeekStepWith(int count, int selected, bool down,
                 const std::function<bool(std::u16string_view searched)>& matches,
                 const EntryTextAt& entryAt) {
    int start;
    if (count > 0 && selected < 0) {
        start = down ? 0 : count - 1;
    } else {
        start = down ? selected + 1 : selected - 1;
    }
    const int step = down ? 1 : -1;
    for (int p = start; p >= 0 && p < count; p += step) {
        if (matches(entryAt(p))) return p;
    }
    return -1;
}

int SeekStep(int count, int selected, bool down, std::u16string_view text,
             const EntryTextAt& entryAt) {
    return SeekStepWith(
        count, selected, down,
        [text](std::u16string_view searched) {
            return searched.find(text) != std::u16string_view::npos;
        },
        entryAt);
}

int FoldedSeekStep(int count, int selected, bool down, std::u16string_view text,
                   const EntryTextAt& entryAt, const SearchFold& fold) {
    const std::u16string needle = fold.Fold(text);
    std::u16string folded;  // one buffer for every entry of the walk
    return SeekStepWith(
        count, selected, down,
        [&](std::u16string_view searched) {
            fold.FoldInto(searched, folded);
            return folded.find(needle) != std::u16string::npos;
        },
        entryAt);
}

}  // namespace zemlo
