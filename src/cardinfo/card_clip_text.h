// One card's information as plain text for pasting into a message: a fixed layout per card
// kind, every line ending in CR LF.
#pragma once

#include <string>
#include <string_view>

#include "carddb/card_database.h"

namespace zemlo {

// The text of the card with this number, its kind told by the number's first two letters.
// Empty when the beginning matches no kind or no card of that kind has the number.
std::u16string CardClipText(const CardDatabase& db, std::u16string_view cardNo);

}  // namespace zemlo
