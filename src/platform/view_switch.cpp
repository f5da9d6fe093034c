#include "platform/view_switch.h"

namespace zemlo {

void ViewSwitch::Set(bool on) {
    if (on == on_) return;
    on_ = on;
    emit changed(on);
}

}  // namespace zemlo
