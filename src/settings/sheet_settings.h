// The deck sheet's section of ZEMLO.ini: "SHEET" / "PLAYER", the player's name the sheet
// last carried, offered again next time.
#pragma once

#include <string>

#include "settings/settings_store.h"

namespace zemlo {

struct SheetSettings {
    std::u16string player;
};

SheetSettings LoadSheetSettings(const SettingsStore& store);

// Writes the name as one line. False when the settings file could not be written (the store
// tells the player).
[[nodiscard]] bool SaveSheetSettings(SettingsStore& store, const SheetSettings& settings);

}  // namespace zemlo
