// A private-profile (INI) file in CP932, read and written one key at a time with the
// rules the settings file has always followed on Windows: names match without regard to
// case, values come back trimmed and without one pair of surrounding quotes, and a write
// touches only its own line.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace zemlo {

class PrivateProfile {
public:
    // Longest value a read returns, in UTF-16 units (the old 255-byte buffer less its NUL).
    static constexpr size_t kMaxValueLength = 254;

    // The value of key in section, or "" when the file, section or key is missing.
    static std::u16string Read(const std::filesystem::path& file, std::u16string_view section,
                               std::u16string_view key);

    // Sets key in section, creating the file or the section when missing. The file is
    // replaced atomically, so a crash leaves either the old or the new file. A file that
    // exists but cannot be read is never replaced: that would lose every other setting.
    static FileStatus Write(const std::filesystem::path& file, std::u16string_view section,
                            std::u16string_view key, std::u16string_view value);

    // The same two operations on the file's bytes. WithValue changes the bytes of one line
    // only (or adds a line, or a section at the end, in the file's own line-end style):
    // every other byte, invalid CP932 and odd line ends included, stays as it was.
    static std::u16string ValueIn(std::string_view bytes, std::u16string_view section,
                                  std::u16string_view key);
    static std::string WithValue(std::string_view bytes, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view value);
};

}  // namespace zemlo
