#include "settings/settings_store.h"

#include <new>

#include "platform/private_profile.h"

namespace zemlo {

std::u16string SettingsStore::ReadSetting(std::u16string_view section,
                                          std::u16string_view key) const {
    const std::lock_guard<std::mutex> lock(readMutex_);
    // Stamped before the read: a change meanwhile makes the next read look again.
    const FileStamp stamp = StampOf(file_);
    try {
        if (!stamp.valid || !read_ || !(read_->stamp == stamp)) {
            read_.reset();
            FileContents contents = ReadFileBytes(file_, PrivateProfile::kMaxFileBytes);
            if (!contents.status) return {};
            read_.emplace(ReadFile{stamp, ProfileIndex(std::move(contents.bytes))});
        }
        return read_->index.Value(section, key, PrivateProfile::kMaxValueLength);
    } catch (const std::bad_alloc&) {
        read_.reset();
        return {};
    }
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
