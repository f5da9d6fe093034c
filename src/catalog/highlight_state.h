// Whether highlight display (強調表示) is on: one value the main window owns and switches,
// which the catalogs and the quick filter bar follow through its signal.
#pragma once

#include "platform/view_switch.h"

namespace zemlo {

using HighlightState = ViewSwitch;

}  // namespace zemlo
