// The main window's view section of ZEMLO.ini: "FORM" / "COMPACT" and "KYOUTYOU".
#pragma once

#include "settings/settings_store.h"

namespace zemlo {

struct ViewSettings {
    // -1 and 0 normal view, 1 compact with card information, 2 compact without it.
    int compactState = 0;
    bool highlightOn = false;
};

ViewSettings LoadViewSettings(const SettingsStore& store);

// The main window's closing step. False when the settings file could not be written (the
// store tells the player).
[[nodiscard]] bool SaveViewSettings(SettingsStore& store, int compactState, bool highlightChecked);

}  // namespace zemlo
