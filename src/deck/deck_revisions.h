// Whether the deck differs from the one last saved or opened. Every state the deck's history
// can reach carries a mark; the deck is changed while the mark shown is not the saved one,
// so taking every step back to the saved deck leaves it unchanged again.
#pragma once

namespace zemlo {

class DeckRevisions {
public:
    // The mark of the deck shown now; 0 is the empty deck of start-up.
    int Current() const { return current_; }

    // A new deck state came about: returns its new mark, which becomes current.
    int Advance();

    // Undo and redo bring back a state that already has a mark.
    void Restore(int mark) { current_ = mark; }

    // The deck shown now was saved or opened.
    void MarkSaved() { saved_ = current_; }

    bool IsChanged() const { return current_ != saved_; }

private:
    int current_ = 0;
    int saved_ = 0;
    int last_ = 0;
};

}  // namespace zemlo
