// Writing one setting, with any section, key and value, into any file contents: a name that
// would not read back as itself writes nothing; otherwise the value reads back as the one line
// written, writing it again changes nothing, and every other line's bytes are kept.
//
// Input: three bytes giving the lengths in UTF-16 units of the section (0-15), the key (0-15)
// and the value (0-255), those units (two bytes each, little-endian), then the file's bytes.
#include <algorithm>

#include "fuzz_input.h"
#include "platform/code_page.h"
#include "platform/private_profile.h"

namespace {

using zemlo::PrivateProfile;

struct LineCounts {
    size_t empty = 0;
    size_t filled = 0;
};

// Lines of a text: CR LF, CR and LF end a line; a last line without an end counts.
LineCounts CountLines(std::string_view bytes) {
    LineCounts counts;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r') continue;
        ++(i == start ? counts.empty : counts.filled);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) ++counts.filled;
    return counts;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// What reading gives for a value written as value: its line, as the code page keeps it,
// without blanks at its ends and one pair of surrounding quotes, at most 254 units. Written
// out here from the reader's rules, apart from the reader's own code.
std::u16string ReadBack(std::u16string_view value) {
    const size_t end = value.find_first_of(std::u16string_view(u"\r\n\0", 3));
    std::u16string line = zemlo::DecodeCp932(zemlo::EncodeCp932(value.substr(0, end)));
    size_t first = 0, last = line.size();
    while (first < last && IsBlank(line[first])) ++first;
    while (last > first && IsBlank(line[last - 1])) --last;
    line = line.substr(first, last - first);
    if (line.size() >= 2 && (line.front() == u'"' || line.front() == u'\'') &&
        line.back() == line.front()) {
        line = line.substr(1, line.size() - 2);
    }
    return line.substr(0, PrivateProfile::kMaxValueLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const size_t sectionLength = data[0] & 0x0F;
    const size_t keyLength = data[1] & 0x0F;
    const size_t valueLength = data[2];
    const size_t unitBytes = 2 * (sectionLength + keyLength + valueLength);
    if (size < 3 + unitBytes) return 0;
    const std::u16string units = zemlo::fuzz::Units(data + 3, unitBytes);
    const std::u16string_view section = std::u16string_view(units).substr(0, sectionLength);
    const std::u16string_view key = std::u16string_view(units).substr(sectionLength, keyLength);
    const std::u16string_view value = std::u16string_view(units).substr(sectionLength + keyLength);
    const std::string_view bytes = zemlo::fuzz::Bytes(data + 3 + unitBytes, size - 3 - unitBytes);

    const std::string written = PrivateProfile::WithValue(bytes, section, key, value);
    if (!PrivateProfile::CanName(section, true) || !PrivateProfile::CanName(key, false)) {
        ZEMLO_FUZZ_CHECK(written == bytes);
        return 0;
    }
    ZEMLO_FUZZ_CHECK(PrivateProfile::ValueIn(written, section, key) == ReadBack(value));
    ZEMLO_FUZZ_CHECK(PrivateProfile::WithValue(written, section, key, value) == written);
    // Only one place changes: what comes before it and after it stays byte for byte.
    const size_t head = static_cast<size_t>(
        std::mismatch(bytes.begin(), bytes.end(), written.begin(), written.end()).first -
        bytes.begin());
    const size_t tail = static_cast<size_t>(
        std::mismatch(bytes.rbegin(), bytes.rend(), written.rbegin(), written.rend()).first -
        bytes.rbegin());
    const size_t changed = bytes.size() - std::min(bytes.size(), head + tail);
    // At most one old line's text is replaced, and no line end of the old file is touched.
    ZEMLO_FUZZ_CHECK(bytes.substr(head, changed).find_first_of("\r\n") == std::string_view::npos);
    // The line is replaced, or one line added to its section, or a section of two lines;
    // no empty line merges into a new line's end, and the value brings no line of its own.
    const LineCounts before = CountLines(bytes);
    const LineCounts after = CountLines(written);
    ZEMLO_FUZZ_CHECK(after.empty == before.empty);
    ZEMLO_FUZZ_CHECK(after.filled >= before.filled && after.filled - before.filled <= 2);
    return 0;
}
