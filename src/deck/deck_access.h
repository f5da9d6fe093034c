// The deck as the file reader and writer, the deck text and the analysis tools see it:
// three sorted lists of entry texts. The main window's deck lists implement it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "carddb/card_fields.h"

namespace zemlo {

class DeckAccess {
public:
    virtual ~DeckAccess() = default;

    // The entries of one deck list, in list order.
    virtual std::vector<std::u16string> Entries(CardKind kind) const = 0;

    // Adds one entry at its sorted place; the counters are not touched.
    virtual void AddEntry(CardKind kind, const std::u16string& entry) = 0;

    // Adds many entries as one sorted merge (MergeEntries), keeping the list within its
    // limit; the counters are not touched. Returns how many entries were left out.
    virtual std::size_t AddEntries(CardKind kind, std::vector<std::u16string> entries) = 0;

    // Empties all three lists; the counters are not touched.
    virtual void ClearAll() = 0;

    // Sets the count captions from the lists, then recolours them and sums the points
    // (CheckDeckCount and ShowTotalPoint).
    virtual void RefreshCounters() = 0;

    // Runs change, which may call the members above any number of times, as one step of
    // the deck's history (one undo step) where the deck keeps one.
    virtual void RunAsOneChange(const std::function<void()>& change) { change(); }
};

}  // namespace zemlo
