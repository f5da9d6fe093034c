// What the drawn face of a card without an image says: its kind, number and name, and on a
// proxy also its text, the lines its clipboard text has below the name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"

namespace zemlo {

struct CardFace {
    CardKind kind = CardKind::Unit;
    std::u16string kindName;  // "ユニット", "ミッション", "キャラクター"
    std::u16string cardNo;
    std::u16string name;  // "" when no card of the kind has the number
    std::vector<std::u16string> textLines;
};

// The face of the card of kind numbered cardNo; withText adds its text.
CardFace MakeCardFace(const CardDatabase& db, CardKind kind, std::u16string_view cardNo,
                      bool withText);

}  // namespace zemlo
