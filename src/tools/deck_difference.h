// Two decks side by side: for each card kind, every card whose copies differ between the
// first deck and the second, and, when asked, the cards both hold equally.
#pragma once

#include <string>
#include <vector>

#include "carddb/card_fields.h"
#include "deck/deck_summary.h"

namespace zemlo {

struct CardDifference {
    CardKind kind = CardKind::Unit;
    std::u16string cardNo;
    std::u16string name;
    int first = 0;   // copies in the first deck
    int second = 0;  // copies in the second deck

    int Change() const { return second - first; }

    friend bool operator==(const CardDifference&, const CardDifference&) = default;
};

// Units, then missions, then characters, each kind by card number (the copies of every
// entry with that number, the name of the first). A card both decks hold equally is left
// out unless withEqual.
std::vector<CardDifference> CompareDecks(const DeckSummary& first, const DeckSummary& second,
                                         bool withEqual);

// The change as the comparison's table shows it: "＋2", "－1", "0".
std::u16string ChangeText(int change);

// The difference for the clipboard, one line per changed card, each ended by CR LF: the sign
// and the count in full-width characters as the deck text writes counts ("＋２"), a TAB, the
// card's name, a TAB, its number. Cards both hold equally give no line.
std::u16string DifferenceText(const std::vector<CardDifference>& differences);

}  // namespace zemlo
