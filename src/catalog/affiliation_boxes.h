// The sixteen affiliation boxes shared by the unit and character search panels: what each
// box shows and which Team text it stands for.
#pragma once

#include <array>
#include <string_view>

namespace zemlo {

struct AffiliationBoxText {
    std::u16string_view caption;
    // The Team text the box stands for. The last box stands for every unaffiliated or
    // unusual team: its text is compared with the first character of Team only.
    std::u16string_view compared;
    std::u16string_view toolTip;
};

inline constexpr int kAffiliationBoxCount = 16;

// Box k (1..16) of the panel is element k - 1.
const std::array<AffiliationBoxText, kAffiliationBoxCount>& AffiliationBoxTexts();

}  // namespace zemlo
