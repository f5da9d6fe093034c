// The view option "所持枚数を表示": whether the card lists show the copies owned and what the
// deck lacks. One switch that every painter reads and that tells its change.
#pragma once

#include "platform/view_switch.h"

namespace zemlo {

using OwnedCountsOption = ViewSwitch;

}  // namespace zemlo
