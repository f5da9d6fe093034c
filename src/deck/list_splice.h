// One change of a deck list kept as the run of entries it replaced: where the run starts,
// what stood there before and what stands there after. A step of the deck's history stores
// this instead of whole lists, so a single addition to a long list costs one entry.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "carddb/deck_entry.h"

namespace zemlo {

struct ListSplice {
    std::size_t at = 0;
    std::vector<DeckEntry> removed;
    std::vector<DeckEntry> inserted;

    bool Empty() const { return removed.empty() && inserted.empty(); }
};

// Where two lists differ: the lengths of their common head and of their common tail, which
// never overlap. The entries between them in each list are the one run that changed.
struct ChangedRun {
    std::size_t head = 0;
    std::size_t tail = 0;
};
ChangedRun FindChangedRun(const std::vector<DeckEntry>& before,
                          const std::vector<DeckEntry>& after);

// The smallest single run that turns before into after (common head and tail left out).
ListSplice MakeListSplice(const std::vector<DeckEntry>& before,
                          const std::vector<DeckEntry>& after);

// Replays the change on list (forward) or takes it back (backward). The list must be the
// one the change produced (backward) or started from (forward); a list that is not is left
// untouched and false is returned.
bool ApplyListSplice(std::vector<DeckEntry>& list, const ListSplice& splice, bool forward);

}  // namespace zemlo
