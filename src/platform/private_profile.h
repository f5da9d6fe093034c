// A private-profile (INI) file in CP932, read and written one key at a time with the
// rules the settings file has always followed on Windows: names match without regard to
// case, values come back trimmed and without one pair of surrounding quotes, and a write
// touches only its own line.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zemlo {

class PrivateProfile {
public:
    // Longest value a read returns, in UTF-16 units (the old 255-byte buffer less its NUL).
    static constexpr size_t kMaxValueLength = 254;

    // The value of key in section, or "" when the file, section or key is missing.
    static std::u16string Read(const std::filesystem::path& file, std::u16string_view section,
                               std::u16string_view key);

    // Sets key in section, creating the file or the section when missing. The file is
    // replaced atomically, so a crash leaves either the old or the new file. Returns false
    // when the file could not be written.
    static bool Write(const std::filesystem::path& file, std::u16string_view section,
                      std::u16string_view key, std::u16string_view value);
};

// Writes bytes to path by way of a temporary file beside it, flushed and then renamed over
// the target; an existing file is left untouched when anything fails.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

}  // namespace zemlo
