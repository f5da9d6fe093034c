#include "catalog/filter_conditions.h"

namespace zemlo {

std::array<AffiliationBox, kAffiliationBoxCount> DefaultAffiliationBoxes() {
    std::array<AffiliationBox, kAffiliationBoxCount> boxes;
    for (int k = 0; k < kAffiliationBoxCount; ++k) {
        boxes[k].compared = std::u16string(AffiliationBoxTexts()[k].compared);
    }
    return boxes;
}

}  // namespace zemlo
