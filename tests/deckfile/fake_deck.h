// The deck lists for tests of the deck commands: sorted as the real lists sort, and
// counting how often the counters were refreshed.
#pragma once

#include <algorithm>

#include "catalog/catalog_entry.h"
#include "deck/deck_access.h"
#include "deck/entry_merge.h"
#include "deckfile/deck_lists.h"

namespace zemlo::test {

class FakeDeck : public DeckAccess {
public:
    std::vector<std::u16string> Entries(CardKind kind) const override { return lists.Of(kind); }
    void AddEntry(CardKind kind, const std::u16string& entry) override {
        auto& list = lists.Of(kind);
        list.insert(std::upper_bound(list.begin(), list.end(), entry,
                                     [](const std::u16string& a, const std::u16string& b) {
                                         return EntryLess(a, b);
                                     }),
                    entry);
    }
    std::size_t AddEntries(CardKind kind, std::vector<std::u16string> entries) override {
        ++bulkAdds;
        return MergeEntries(lists.Of(kind), std::move(entries));
    }
    void ClearAll() override {
        lists = DeckLists{};
        ++clears;
    }
    void RefreshCounters() override {
        ++refreshes;
        countsAtRefresh = {lists.unit.size(), lists.mission.size() + lists.character.size()};
    }

    DeckLists lists;
    int clears = 0;
    int bulkAdds = 0;
    int refreshes = 0;
    std::pair<size_t, size_t> countsAtRefresh{0, 0};
};

}  // namespace zemlo::test
