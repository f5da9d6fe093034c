// One step of the deck's history: what a player's action does to the three deck lists, as
// one replaced run per list, so the step can be taken back and done again exactly. Every
// change of the deck a player makes is such an edit, applied through ApplyDeckEdit.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "carddb/card_fields.h"
#include "deck/deck.h"
#include "deck/list_splice.h"

namespace zemlo {

struct DeckEdit {
    std::array<ListSplice, 3> lists;  // by CardKind
    // Filled in by the history as the edit is first applied: the change flag's marks of the
    // deck before and after the step. The mark after names the step.
    int revisionBefore = 0;
    int revisionAfter = 0;

    // False when the edit would leave every list as it is.
    bool ChangesLists() const;
};

// The player's actions on deck as edits. An action that would change nothing (a row that is
// not there, an empty list cleared, a list that is full) gives an edit that changes no list.
DeckEdit AddEntryEdit(const Deck& deck, DeckEntry entry);
DeckEdit RemoveEntryEdit(const Deck& deck, CardKind kind, std::size_t row);
DeckEdit ClearListEdit(const Deck& deck, CardKind kind);
DeckEdit ClearDeckEdit(const Deck& deck);
// The deck replaced by another (a deck file opened, deck text taken): each list's edit keeps
// only the run that differs.
DeckEdit ReplaceDeckEdit(const Deck& deck, const Deck& replacement);

// Does the edit (forward) or takes it back on deck, as one change of the deck; false, and
// the deck untouched, when its lists are not the ones the edit expects.
bool ApplyDeckEdit(Deck& deck, const DeckEdit& edit, bool forward);

}  // namespace zemlo
