#include "settings/library_settings.h"

#include "platform/private_profile.h"

namespace zemlo {

constexpr SettingKey kFolder{u"LIBRARY", u"FOLDER"};

LibrarySettings LoadLibrarySettings(const SettingsStore& store) {
    return LibrarySettings{store.ReadSetting(kFolder)};
}

bool SettingsCanHold(std::u16string_view value) {
    // Written into an empty file and read back by the same rules the file is read with.
    const std::string bytes = PrivateProfile::WithValue("", kFolder.section, kFolder.key, value);
    return PrivateProfile::ValueIn(bytes, kFolder.section, kFolder.key) == value;
}

LibrarySave SaveLibrarySettings(SettingsStore& store, const LibrarySettings& settings) {
    if (!SettingsCanHold(settings.folder)) return LibrarySave::CannotHold;
    return store.WriteSetting(kFolder, settings.folder) ? LibrarySave::Saved : LibrarySave::Failed;
}

}  // namespace zemlo
