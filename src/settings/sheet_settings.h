// The deck sheet's section of ZEMLO.ini: "SHEET" / "PLAYER", the player's name, and
// "SHEET" / "EVENT", the event's name, that the sheet last carried, offered again next time.
#pragma once

#include <string>

#include "settings/settings_store.h"

namespace zemlo {

struct SheetSettings {
    std::u16string player;
    std::u16string event;
};

SheetSettings LoadSheetSettings(const SettingsStore& store);

// Writes each name as one line; a key whose value is unchanged is not written again. False
// when the settings file could not be written (the store tells the player).
[[nodiscard]] bool SaveSheetSettings(SettingsStore& store, const SheetSettings& settings);

}  // namespace zemlo
