// A private-profile file's bytes with its sections and keys found in one pass, so any number of
// reads and a write cost one pass over the file, however many lines it has. Blank lines cost
// nothing but the pass; only section headers and key lines are decoded and kept.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace zemlo {

class ProfileIndex {
public:
    ProfileIndex() = default;
    explicit ProfileIndex(std::string bytes);

    const std::string& Bytes() const { return bytes_; }

    // The value of key in section as the settings file has always been read: names match
    // without regard to ASCII case, the first key of that name in any section of that name
    // counts, the value comes trimmed, without one pair of surrounding quotes and cut to
    // maxLength units; "" when there is none.
    std::u16string Value(std::u16string_view section, std::u16string_view key,
                         size_t maxLength) const;

    // The bytes with key set to valueLine (already encoded, "KEY=value") in the first section
    // of that name: the key's own line replaced, or a line added after the section's last
    // non-blank line, or a new section at the end, each in the file's own line-end style.
    std::string WithLine(std::u16string_view section, std::u16string_view key,
                         std::string_view valueLine) const;

private:
    struct Section {
        // Where a new key line of the section goes: after its last non-blank line and that
        // line's end, which new lines copy ("" when that line ends the file without one).
        size_t insertAt = 0;
        std::string insertLineEnd;
    };
    struct KeyLine {
        bool inFirstSection = false;  // of the sections of its name
        size_t bodyStart = 0;
        size_t bodySize = 0;
        size_t valueStart = 0;
        size_t valueSize = 0;
    };

    static std::u16string Folded(std::u16string_view name);
    static std::u16string KeyOf(std::u16string_view foldedSection, std::u16string_view foldedKey);

    std::string bytes_;
    // Folded section name -> its first section.
    std::unordered_map<std::u16string, Section> sections_;
    // Folded section name, NUL, folded key -> the key's first line in a section of that name.
    std::unordered_map<std::u16string, KeyLine> keys_;
    std::string firstLineEnd_;
    // The end of the file's last line; "" when it has none (or the file is empty).
    std::string lastLineEnd_;
};

}  // namespace zemlo
