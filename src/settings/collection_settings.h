// The collection's section of ZEMLO.ini: "COLLECTION" / "FILE", the collection file the
// player chose (without it, collection.csv in the program's folder), and "SHOW", whether the
// main window shows the copies owned ("1") or not.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace zemlo {

struct CollectionSettings {
    std::u16string file;  // "" when none was chosen
    bool show = false;
};

CollectionSettings LoadCollectionSettings(const SettingsStore& store);

enum class CollectionFileSave {
    Saved,
    // The settings file could not hold the path unchanged: nothing was written.
    CannotHold,
    // The settings file could not be written (the store tells the player).
    Failed,
};

[[nodiscard]] CollectionFileSave SaveCollectionFile(SettingsStore& store, std::u16string_view file);

// False when the settings file could not be written (the store tells the player).
[[nodiscard]] bool SaveCollectionShow(SettingsStore& store, bool show);

}  // namespace zemlo
