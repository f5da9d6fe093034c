// ZEMLO.ini in the program's directory: one key read or written at a time.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zemlo {

class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path programDir)
        : file_(std::move(programDir) / "ZEMLO.ini") {}

    const std::filesystem::path& File() const { return file_; }

    // The value, or "" when the file, section or key is missing.
    std::u16string ReadSetting(std::u16string_view section, std::u16string_view key) const;

    // Returns false when the file could not be written; the old file is then unchanged.
    bool WriteSetting(std::u16string_view section, std::u16string_view key,
                      std::u16string_view value);

private:
    std::filesystem::path file_;
};

}  // namespace zemlo
