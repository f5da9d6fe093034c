#include "settings/view_settings.h"

#include <cmath>
#include <string>

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

constexpr char16_t kViewSection[] = u"FORM";

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

ViewSettings LoadViewSettings(const SettingsStore& store) {
    ViewSettings view;
    double compact = std::nearbyint(LeadingNumber(store.ReadSetting(kViewSection, u"COMPACT")));
    if (compact < -32768.0 || compact > 32767.0) {
        // A value beyond the 16-bit state falls back to the normal view; highlight stays off
        // as it always has for such a file.
        view.compactState = 0;
        view.highlightOn = false;
        return view;
    }
    view.compactState = KnownCompactState(static_cast<int>(compact));
    const std::u16string highlight = store.ReadSetting(kViewSection, u"KYOUTYOU");
    view.highlightOn = IsBlankOnly(highlight) || highlight == u"1";
    return view;
}

bool SaveViewSettings(SettingsStore& store, int compactState, bool highlightChecked) {
    const std::string compact = std::to_string(compactState);
    // Both keys are tried: a failure is told once by the store, not once per key.
    const bool compactSaved = store.WriteSetting(kViewSection, u"COMPACT",
                                                 std::u16string(compact.begin(), compact.end()));
    const bool highlightSaved =
        store.WriteSetting(kViewSection, u"KYOUTYOU", highlightChecked ? u"1" : u"0");
    return compactSaved && highlightSaved;
}

}  // namespace zemlo
