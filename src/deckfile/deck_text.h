// The deck as plain text for the clipboard: per card kind a heading and one line per card
// name with its number of copies in full-width digits.
#pragma once

#include <string>
#include <string_view>

#include "deck/deck.h"

namespace zemlo {

// The name part of a deck entry: what follows the card number and the blanks after it,
// with surrounding blanks removed. Every number length gives the whole name; an entry with
// nothing after its number gives "".
std::u16string DeckEntryName(std::u16string_view entry);

// A number of copies as the deck text writes it: "×" and full-width digits ("×２").
std::u16string CopiesText(long long copies);

// The unit, mission and character blocks of the non-empty deck lists. Neighbouring equal
// entries make one line; "" for an empty deck.
std::u16string DeckText(const Deck& deck);

}  // namespace zemlo
