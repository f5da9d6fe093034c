// The distinct cards of a deck given as plain entry lists, with their copies: what the deck
// library keeps of each deck and what a comparison of two decks lines up.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_fields.h"
#include "tools/deck_judgement.h"

namespace zemlo {

struct DeckCard {
    CardKind kind = CardKind::Unit;
    std::u16string cardNo;
    std::u16string name;
    int copies = 0;

    friend bool operator==(const DeckCard&, const DeckCard&) = default;
};

// The card number an entry begins with: every character up to the first blank, so numbers
// of any length are whole.
std::u16string_view EntryNumber(std::u16string_view entry);

// The card's name in an entry: what follows the number, without the 50 blanks and the points
// that end a mission entry.
std::u16string EntryName(CardKind kind, std::u16string_view entry);

// One card per kind and number, units first, then missions, then characters, each kind by
// card number.
std::vector<DeckCard> DistinctCards(const EntryLists& deck);

}  // namespace zemlo
