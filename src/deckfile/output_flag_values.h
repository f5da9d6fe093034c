// The output-item flags as the settings file keeps them ("OUTPUT" / "UNIT", "MISSION",
// "CHAR": one character per item) and as the output-items dialog's check boxes show them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_fields.h"
#include "settings/output_item_settings.h"

namespace zemlo {

// The check box state a stored flag asks for: its leading number when that is 0
// (unchecked), 1 (checked) or 2 (greyed); -1 for anything else, which leaves the box as
// designed (unchecked).
int FlagBoxState(std::u16string_view flag);

// The stored value for a kind: each box's state as one decimal digit, in index order.
std::u16string JoinFlagStates(const std::vector<int>& states);

}  // namespace zemlo
