// The settings read once at start-up and the view settings written when the main window
// closes.
#pragma once

#include <array>
#include <string>

#include "deckfile/output_flags.h"
#include "platform/settings_store.h"

namespace zemlo {

struct ViewSettings {
    // -1 and 0 normal view, 1 compact with card information, 2 compact without it.
    int compactState = 0;
    bool highlightOn = false;
};

struct BossSettings {
    std::u16string use;  // "1" when the disguise is on
    std::u16string iconPath;
    std::u16string taskName;
};

OutputFlags LoadOutputSettings(const SettingsStore& store);
ViewSettings LoadViewSettings(const SettingsStore& store);
BossSettings LoadBossSettings(const SettingsStore& store);

// The main window's closing step: "FORM" / "COMPACT" and "KYOUTYOU".
void SaveViewSettings(SettingsStore& store, int compactState, bool highlightChecked);

}  // namespace zemlo
