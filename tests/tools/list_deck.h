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
    void ClearAll() override {
        for (auto& list : lists) list.clear();
    }
    void RefreshCounters() override {}

    std::vector<std::u16string> lists[3];
};

}  // namespace zemlo::test
