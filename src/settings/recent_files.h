// The recent deck files' section of ZEMLO.ini: "RECENT" / "FILE1" to "FILE4", the deck files
// opened or saved last, the most recent first, as the file menu lists them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace zemlo {

class RecentFiles {
public:
    static constexpr size_t kMaxFiles = 4;
    static constexpr std::u16string_view kSection = u"RECENT";

    // The key of place i (0 for the most recent): "FILE1" to "FILE4".
    static std::u16string Key(size_t i);

    // Whether a path can be kept in the settings file and read back as the same path: not
    // empty, short enough for a settings value, no line breaks, no blanks or quotes at its
    // ends (a read takes them off) and nothing the file's code page cannot hold.
    static bool CanRemember(std::u16string_view path);

    const std::vector<std::u16string>& Paths() const { return paths_; }

    // Puts path first, dropping an older place of it and anything beyond the fourth.
    // A path that cannot be remembered is passed over.
    void Add(std::u16string_view path);
    void Remove(std::u16string_view path);

private:
    std::vector<std::u16string> paths_;
};

// The stored places in order; a place that cannot be remembered or repeats an earlier one is
// passed over.
RecentFiles LoadRecentFiles(const SettingsStore& store);

// Writes every place; places beyond the list are written empty. False when the settings file
// could not be written (the store tells the player).
[[nodiscard]] bool SaveRecentFiles(SettingsStore& store, const RecentFiles& files);

}  // namespace zemlo
