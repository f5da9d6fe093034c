#include "settings/settings_store.h"

#include "platform/private_profile.h"

namespace zemlo {

std::u16string SettingsStore::ReadSetting(std::u16string_view section,
                                          std::u16string_view key) const {
    return PrivateProfile::Read(file_, section, key);
}

bool SettingsStore::WriteSetting(std::u16string_view section, std::u16string_view key,
                                 std::u16string_view value) {
    const FileStatus status = PrivateProfile::Write(file_, section, key, value);
    if (status) return true;
    if (!failureTold_ && onWriteFailure_) {
        failureTold_ = true;
        onWriteFailure_(file_, status);
    }
    return false;
}

}  // namespace zemlo
