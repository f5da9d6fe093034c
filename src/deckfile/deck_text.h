// The deck as plain text for the clipboard: per card kind a heading and one line per card
// name with its number of copies in full-width digits.
#pragma once

#include <string>
#include <string_view>

#include "deck/deck_summary.h"

namespace zemlo {

// A number of copies as the deck text writes it: "×" and full-width digits ("×２").
std::u16string CopiesText(long long copies);

// The unit, mission and character blocks of the non-empty deck lists: one line per card of
// the summary (neighbouring equal entries) with its copies, in the lists' order; "" for an
// empty deck.
std::u16string DeckText(const DeckSummary& summary);

}  // namespace zemlo
