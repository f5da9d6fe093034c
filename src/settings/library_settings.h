// The deck library's section of ZEMLO.ini: "LIBRARY" / "FOLDER", the folder the library
// looked at last. Without it the library looks at the program's folder.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace zemlo {

struct LibrarySettings {
    std::u16string folder;  // "" when none is remembered
};

LibrarySettings LoadLibrarySettings(const SettingsStore& store);

enum class LibrarySave {
    Saved,
    // The settings file could not hold the folder unchanged (too long for its values, a
    // character outside the code page, a line break, blanks or quotes it would take off):
    // nothing was written.
    CannotHold,
    // The settings file could not be written (the store tells the player).
    Failed,
};

// Whether the settings file reads value back exactly as written.
bool SettingsCanHold(std::u16string_view value);

[[nodiscard]] LibrarySave SaveLibrarySettings(SettingsStore& store,
                                              const LibrarySettings& settings);

}  // namespace zemlo
