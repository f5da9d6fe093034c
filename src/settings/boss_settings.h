// The boss key's section of ZEMLO.ini: "BOSS" / "ISUSE", "ICONPATH" and "TASKNAME".
#pragma once

#include <string>

#include "settings/settings_store.h"

namespace zemlo {

struct BossSettings {
    std::u16string use;  // "1" when the disguise is on
    std::u16string iconPath;
    std::u16string taskName;
};

BossSettings LoadBossSettings(const SettingsStore& store);

// The three keys in this order. False when the settings file could not be written (the
// store tells the player).
[[nodiscard]] bool SaveBossSettings(SettingsStore& store, const BossSettings& boss);

}  // namespace zemlo
