// The draw odds window's section of ZEMLO.ini: "DRAWODDS" / "UNIT" and "MISSIONCHAR", the
// number of cards drawn each pile was last asked about.
#pragma once

#include "settings/settings_store.h"

namespace zemlo {

// The two piles of the draw odds window.
enum class DrawOddsPile { Units = 0, MissionsAndCharacters = 1 };

// The stored number, clamped to 16 bits; 0 or less when none is stored.
int LoadDrawnCount(const SettingsStore& store, DrawOddsPile pile);

// False when the settings file could not be written (the store tells the player).
[[nodiscard]] bool SaveDrawnCount(SettingsStore& store, DrawOddsPile pile, int drawn);

}  // namespace zemlo
