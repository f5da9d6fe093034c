#include "tools/library_settings.h"

#include "platform/private_profile.h"

namespace zemlo {
namespace {

constexpr std::u16string_view kSection = u"LIBRARY";
constexpr std::u16string_view kFolderKey = u"FOLDER";

}  // namespace

LibrarySettings LoadLibrarySettings(const SettingsStore& store) {
    return LibrarySettings{store.ReadSetting(kSection, kFolderKey)};
}

bool SettingsCanHold(std::u16string_view value) {
    // Written into an empty file and read back by the same rules the file is read with.
    const std::string bytes = PrivateProfile::WithValue("", kSection, kFolderKey, value);
    return PrivateProfile::ValueIn(bytes, kSection, kFolderKey) == value;
}

LibrarySave SaveLibrarySettings(SettingsStore& store, const LibrarySettings& settings) {
    if (!SettingsCanHold(settings.folder)) return LibrarySave::CannotHold;
    return store.WriteSetting(kSection, kFolderKey, settings.folder) ? LibrarySave::Saved
                                                                     : LibrarySave::Failed;
}

}  // namespace zemlo
