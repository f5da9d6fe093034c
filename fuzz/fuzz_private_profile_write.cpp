// Writing one setting into any file contents: the value reads back, writing it again
// changes nothing, and the bytes before the first change are kept.
#include <algorithm>

#include "fuzz_input.h"
#include "platform/private_profile.h"

namespace {

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first byte picks the key and the value; the rest is the file.
    const uint8_t pick = data[0];
    const std::string_view bytes = zemlo::fuzz::Bytes(data + 1, size - 1);
    const char16_t* sections[] = {u"FORM", u"form", u"BOSS", u"NEW"};
    const char16_t* keys[] = {u"COMPACT", u"kyoutyou", u"TASKNAME", u"X"};
    const char16_t* values[] = {u"-1", u"1", u"表計算 ｿﾌﾄ", u""};
    const std::u16string_view section = sections[pick & 3];
    const std::u16string_view key = keys[(pick >> 2) & 3];
    const std::u16string_view value = values[(pick >> 4) & 3];

    const std::string written = zemlo::PrivateProfile::WithValue(bytes, section, key, value);
    ZEMLO_FUZZ_CHECK(zemlo::PrivateProfile::ValueIn(written, section, key) == value);
    ZEMLO_FUZZ_CHECK(zemlo::PrivateProfile::WithValue(written, section, key, value) == written);
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
    // no empty line merges into a new line's end.
    const LineCounts before = CountLines(bytes);
    const LineCounts after = CountLines(written);
    ZEMLO_FUZZ_CHECK(after.empty == before.empty);
    ZEMLO_FUZZ_CHECK(after.filled >= before.filled && after.filled - before.filled <= 2);
    return 0;
}
