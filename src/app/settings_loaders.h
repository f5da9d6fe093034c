// The settings read once at start-up and the view settings written when the main window
// closes.
#pragma once

#include <array>
#include <string>

#include "app/settings_store.h"

namespace zemlo {

// One "1" (write the column group), "0" or "" (left out) per deck-file output item.
struct OutputFlags {
    std::array<std::u16string, 15> unit;
    std::array<std::u16string, 7> mission;
    std::array<std::u16string, 8> character;
};

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
