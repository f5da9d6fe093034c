// ZEMLO.ini in the program's directory: one key read or written at a time.
#pragma once

#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/profile_index.h"

namespace zemlo {

// One key of one section, for a section module that keeps a single value.
struct SettingKey {
    std::u16string_view section;
    std::u16string_view key;
};

class SettingsStore {
public:
    // Told which file could not be updated and why.
    using WriteFailureHandler =
        std::function<void(const std::filesystem::path& file, const FileStatus& status)>;

    explicit SettingsStore(std::filesystem::path programDir)
        : file_(std::move(programDir) / "ZEMLO.ini") {}

    const std::filesystem::path& File() const { return file_; }

    // The value, or "" when the file, section or key is missing. The file is read and indexed
    // once for as long as it stays unchanged, however many keys are read: a settings file of
    // megabytes costs one pass, not one per key.
    std::u16string ReadSetting(std::u16string_view section, std::u16string_view key) const;
    std::u16string ReadSetting(SettingKey key) const { return ReadSetting(key.section, key.key); }

    // Returns false when the file could not be written; the old file is then unchanged. The
    // first failure of the store's life goes to the handler; later ones would only repeat it
    // (closing the window alone writes two keys).
    [[nodiscard]] bool WriteSetting(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view value);
    [[nodiscard]] bool WriteSetting(SettingKey key, std::u16string_view value) {
        return WriteSetting(key.section, key.key, value);
    }

    void OnWriteFailure(WriteFailureHandler handler) { onWriteFailure_ = std::move(handler); }

private:
    struct ReadFile {
        FileStamp stamp;
        ProfileIndex index;
    };

    std::filesystem::path file_;
    // The file as last read; any thread may read settings.
    mutable std::mutex readMutex_;
    mutable std::optional<ReadFile> read_;
    WriteFailureHandler onWriteFailure_;
    bool failureTold_ = false;
};

}  // namespace zemlo
