// The texts of the card information boxes: which field each box shows and whether it is
// shown full-width. The boxes only display; nothing reads them back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_fields.h"
#include "carddb/card_table.h"

namespace zemlo {

// Box counts of the three information frames.
inline constexpr int kUnitInfoBoxes = 26;
inline constexpr int kMissionInfoBoxes = 8;
inline constexpr int kCharInfoBoxes = 9;
int InfoBoxCount(CardKind kind);

// Whether a text reads as a number: blanks around, an optional sign, then digits with at
// most one decimal point, at least one digit. "－", "" and "3ターン" do not.
bool ReadsAsNumber(std::u16string_view text);

// A numeric value full-width; anything else unchanged.
std::u16string WidenedValue(std::u16string_view text);

// The texts of every box of the kind's frame, box by box in index order, from one record
// of that kind's table.
std::vector<std::u16string> CardInfoTexts(const CardTable& table, CardKind kind, int record);

}  // namespace zemlo
