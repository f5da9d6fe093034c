#include "deckfile/output_flag_values.h"

#include "carddb/leading_number.h"

namespace zemlo {

int FlagBoxState(std::u16string_view flag) {
    const double value = LeadingNumber(flag);
    if (value == 0.0) return 0;
    if (value == 1.0) return 1;
    if (value == 2.0) return 2;
    return -1;
}

std::u16string JoinFlagStates(const std::vector<int>& states) {
    std::u16string value;
    for (int state : states) value += static_cast<char16_t>(u'0' + state);
    return value;
}

}  // namespace zemlo
