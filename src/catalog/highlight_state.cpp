#include "catalog/highlight_state.h"

namespace zemlo {

void HighlightState::Set(bool on) {
    if (on == on_) return;
    on_ = on;
    emit changed(on);
}

}  // namespace zemlo
