// What a Deck tells those who watch it: which rows of which list are about to go or come,
// that they went or came, and that a whole change is complete. A list view's model turns the
// row notices into its own row insertions and removals, so its view keeps the selection and
// the scroll position; counters only need the last notice.
#pragma once

#include <cstddef>

#include "carddb/card_fields.h"

namespace zemlo {

// Rows first .. first + count - 1 of one list. Removed rows are numbered as they stood before
// the removal, inserted ones as they stand after the insertion.
struct DeckRows {
    CardKind kind = CardKind::Unit;
    std::size_t first = 0;
    std::size_t count = 0;
    bool inserted = false;  // else removed
};

class DeckObserver {
public:
    // The deck still holds the list as it was.
    virtual void DeckRowsAboutToChange(const DeckRows& rows) {}
    // The deck holds the list with those rows gone or come.
    virtual void DeckRowsChanged(const DeckRows& rows) {}
    // One change of the deck (an addition, a clearing, a whole edit) is complete; every list
    // is in its final state and the deck's revision has moved on.
    virtual void DeckChanged() {}

protected:
    ~DeckObserver() = default;
};

}  // namespace zemlo
