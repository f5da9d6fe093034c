// A private-profile (INI) file in CP932, read and written one key at a time with the
// rules the settings file has always followed on Windows: names match without regard to
// case, values come back trimmed and without one pair of surrounding quotes, and a write
// touches only its own line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/profile_index.h"

namespace zemlo {

class PrivateProfile {
public:
    // Longest value a read returns, in UTF-16 units (the old 255-byte buffer less its NUL).
    static constexpr size_t kMaxValueLength = 254;
    // The largest file read. Real settings files hold a few hundred bytes; a larger one is
    // treated like a file that cannot be read: it reads as empty and is never replaced.
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t{16} << 20;

    // The value of key in section, or "" when the file, section or key is missing.
    static std::u16string Read(const std::filesystem::path& file, std::u16string_view section,
                               std::u16string_view key);

    // Sets key in section, creating the file or the section when missing. The file is
    // replaced atomically, so a crash leaves either the old or the new file. A file that
    // exists but cannot be read is never replaced: that would lose every other setting.
    // A section or key name that could not be read back as itself (see CanName) writes
    // nothing (EINVAL).
    static FileStatus Write(const std::filesystem::path& file, std::u16string_view section,
                            std::u16string_view key, std::u16string_view value);

    // The same two operations on the file's bytes. WithValue changes the bytes of one line
    // only (or adds a line, or a section at the end, in the file's own line-end style):
    // every other byte, invalid CP932 and odd line ends included, stays as it was. It
    // returns the bytes unchanged for a name that CanName refuses.
    static std::u16string ValueIn(std::string_view bytes, std::u16string_view section,
                                  std::u16string_view key);
    static std::string WithValue(std::string_view bytes, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view value);
    // The same on a file indexed already.
    static std::string WithValue(const ProfileIndex& file, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view value);

    // Every value is written as one line: it ends before its first CR, LF or NUL, as a
    // one-line text box would hold it. A value pasted with line breaks would otherwise
    // write lines of its own, new keys and sections included.
    static std::u16string_view OneLine(std::u16string_view value);

    // Whether a section (section true) or key name reads back as itself: not empty, no
    // blanks at its ends, no line break or NUL, nothing the code page lacks; a section
    // name without "]", a key without "=" that does not begin like a section or a comment.
    static bool CanName(std::u16string_view name, bool section);
};

}  // namespace zemlo
