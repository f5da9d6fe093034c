// A deck of plain entry lists for the tools' window tests.
#pragma once

#include "deck/deck_access.h"

namespace zemlo::test {

class ListDeck : public DeckAccess {
public:
    std::vector<std::u16string> Entries(CardKind kind) const override {
        return lists[static_cast<int>(kind)];
    }
    void AddEntry(CardKind kind, const std::u16string& entry) override {
        lists[static_cast<int>(kind)].push_back(entry);
    }
    std::size_t AddEntries(CardKind kind, std::vector<std::u16string> entries) override {
        auto& list = lists[static_cast<int>(kind)];
        list.insert(list.end(), entries.begin(), entries.end());
        return 0;
    }
    void ClearAll() override {
        for (auto& list : lists) list.clear();
    }
    void RefreshCounters() override {}

    std::vector<std::u16string> lists[3];
};

}  // namespace zemlo::test
