#include "app/settings_loaders.h"

#include <cmath>

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

template <size_t N>
void FillFlags(std::array<std::u16string, N>& flags, const std::u16string& value) {
    for (size_t i = 0; i < N; ++i) flags[i] = i < value.size() ? value.substr(i, 1) : u"";
}

// Blanks are half-width spaces only; an ideographic space is a value like any other.
bool IsBlankOnly(const std::u16string& s) {
    return s.find_first_not_of(u' ') == std::u16string::npos;
}

// The four views the menu item walks through; any other stored number is read as the
// normal view, the value of a missing key, so the menu item always leaves it.
int KnownCompactState(int stored) {
    return stored >= -1 && stored <= 2 ? stored : 0;
}

}  // namespace

OutputFlags LoadOutputSettings(const SettingsStore& store) {
    OutputFlags flags;
    FillFlags(flags.unit, store.ReadSetting(u"OUTPUT", u"UNIT"));
    FillFlags(flags.mission, store.ReadSetting(u"OUTPUT", u"MISSION"));
    FillFlags(flags.character, store.ReadSetting(u"OUTPUT", u"CHAR"));
    return flags;
}

ViewSettings LoadViewSettings(const SettingsStore& store) {
    ViewSettings view;
    double compact = std::nearbyint(LeadingNumber(store.ReadSetting(u"FORM", u"COMPACT")));
    if (compact < -32768.0 || compact > 32767.0) {
        // A value beyond the 16-bit state falls back to the normal view; highlight stays off
        // as it always has for such a file.
        view.compactState = 0;
        view.highlightOn = false;
        return view;
    }
    view.compactState = KnownCompactState(static_cast<int>(compact));
    const std::u16string highlight = store.ReadSetting(u"FORM", u"KYOUTYOU");
    view.highlightOn = IsBlankOnly(highlight) || highlight == u"1";
    return view;
}

BossSettings LoadBossSettings(const SettingsStore& store) {
    BossSettings boss;
    boss.use = store.ReadSetting(u"BOSS", u"ISUSE");
    boss.iconPath = store.ReadSetting(u"BOSS", u"ICONPATH");
    boss.taskName = store.ReadSetting(u"BOSS", u"TASKNAME");
    return boss;
}

void SaveViewSettings(SettingsStore& store, int compactState, bool highlightChecked) {
    std::string compact = std::to_string(compactState);
    store.WriteSetting(u"FORM", u"COMPACT", std::u16string(compact.begin(), compact.end()));
    store.WriteSetting(u"FORM", u"KYOUTYOU", highlightChecked ? u"1" : u"0");
}

}  // namespace zemlo
