#include "settings/draw_odds_settings.h"

#include <string>

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

constexpr char16_t kDrawOddsSection[] = u"DRAWODDS";

std::u16string_view KeyOf(DrawOddsPile pile) {
    return pile == DrawOddsPile::Units ? u"UNIT" : u"MISSIONCHAR";
}

}  // namespace

int LoadDrawnCount(const SettingsStore& store, DrawOddsPile pile) {
    return ToInt16Clamped(LeadingNumber(store.ReadSetting(kDrawOddsSection, KeyOf(pile))));
}

bool SaveDrawnCount(SettingsStore& store, DrawOddsPile pile, int drawn) {
    const std::string value = std::to_string(drawn);
    return store.WriteSetting(kDrawOddsSection, KeyOf(pile),
                              std::u16string(value.begin(), value.end()));
}

}  // namespace zemlo
