#include "collection/owned_counts_option.h"

namespace zemlo {

void OwnedCountsOption::Set(bool on) {
    if (on == on_) return;
    on_ = on;
    emit changed(on_);
}

}  // namespace zemlo
