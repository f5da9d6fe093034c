// The settings file's index, on files up to 1 MiB, against the plain reading it replaced: every
// line split, decoded and looked at again for each key. Reads and writes must give exactly
// what that gives, for the program's keys and for names taken from the file itself.
#include <vector>

#include "fuzz_input.h"
#include "fuzz_input_large.h"
#include "platform/code_page.h"
#include "platform/cp932_decoder.h"
#include "platform/private_profile.h"
#include "platform/profile_index.h"

namespace reference {

// The reference is not the code under test: its branches would only crowd the coverage map, and
// their callbacks cost each run a few per cent. The address sanitizer still checks it.
#define ZEMLO_REFERENCE __attribute__((no_sanitize("coverage")))

ZEMLO_REFERENCE bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

ZEMLO_REFERENCE std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

ZEMLO_REFERENCE bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char16_t c) ZEMLO_REFERENCE {
            return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c;
        };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

ZEMLO_REFERENCE bool SectionName(std::u16string_view line, std::u16string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != u'[') return false;
    const size_t close = line.find(u']');
    name = Trim(line.substr(1, close == std::u16string_view::npos ? close : close - 1));
    return true;
}

ZEMLO_REFERENCE bool KeyOfLine(std::u16string_view line, std::u16string_view& key,
                               std::u16string_view& value) {
    const std::u16string_view t = Trim(line);
    if (t.empty() || t.front() == u';') return false;
    const size_t eq = t.find(u'=');
    if (eq == std::u16string_view::npos) return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

// A line with what the plain reading makes of it, worked out once rather than again for each
// name looked up: large inputs ran a few hundred times a second.
struct Line {
    std::string_view body, end;
    std::u16string text;
    bool isSection = false;
    std::u16string_view section;  // its name, for a section line
    bool isKey = false;
    std::u16string_view key, value;  // for a key line
    bool blank = false;
};

ZEMLO_REFERENCE std::vector<Line> Split(std::string_view bytes) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t stop = bytes.find_first_of("\r\n", start);
        Line line;
        if (stop == std::string_view::npos) {
            line.body = bytes.substr(start);
            start = bytes.size();
        } else {
            size_t next = stop + 1;
            if (bytes[stop] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
            line.body = bytes.substr(start, stop - start);
            line.end = bytes.substr(stop, next - stop);
            start = next;
        }
        // The table decoder, as DecodeCp932 decodes but without an iconv call per line.
        line.text = zemlo::Cp932Decoder::Instance().Decode(line.body);
        lines.push_back(std::move(line));
    }
    // The views go into the texts where they finally stand.
    for (Line& line : lines) {
        line.isSection = SectionName(line.text, line.section);
        line.isKey = !line.isSection && KeyOfLine(line.text, line.key, line.value);
        line.blank = Trim(line.text).empty();
    }
    return lines;
}

ZEMLO_REFERENCE std::u16string ValueIn(const std::vector<Line>& lines, std::u16string_view section,
                                       std::u16string_view key) {
    bool inSection = false;
    for (const Line& line : lines) {
        if (line.isSection) {
            inSection = SameName(line.section, section);
            continue;
        }
        if (!inSection || !line.isKey || !SameName(line.key, key)) continue;
        std::u16string_view v = line.value;
        if (v.size() >= 2 && ((v.front() == u'"' && v.back() == u'"') ||
                              (v.front() == u'\'' && v.back() == u'\''))) {
            v = v.substr(1, v.size() - 2);
        }
        return std::u16string(v.substr(0, zemlo::PrivateProfile::kMaxValueLength));
    }
    return {};
}

ZEMLO_REFERENCE std::string WithValue(std::string_view bytes, const std::vector<Line>& lines,
                                      std::u16string_view section, std::u16string_view key,
                                      std::u16string_view value) {
    std::string_view lineEnd = "\r\n";
    for (const Line& line : lines) {
        if (!line.end.empty()) {
            lineEnd = line.end;
            break;
        }
    }
    const std::string newLine =
        zemlo::EncodeCp932(std::u16string(key) + u"=" + std::u16string(value));
    size_t sectionStart = lines.size(), insertAt = lines.size(), replace = lines.size();
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isSection) {
            if (inSection) break;
            inSection = SameName(lines[i].section, section);
            if (inSection) sectionStart = i, insertAt = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (lines[i].isKey && SameName(lines[i].key, key)) {
            replace = i;
            break;
        }
        if (!lines[i].blank) insertAt = i + 1;
    }
    const auto offsetOf = [&](std::string_view part) ZEMLO_REFERENCE {
        return static_cast<size_t>(part.data() - bytes.data());
    };
    std::string out(bytes);
    if (replace < lines.size()) {
        out.replace(offsetOf(lines[replace].body), lines[replace].body.size(), newLine);
        return out;
    }
    std::string added;
    const size_t after = sectionStart < lines.size() ? insertAt : lines.size();
    std::string_view end = lineEnd;
    if (after > 0 && !lines[after - 1].end.empty()) end = lines[after - 1].end;
    if (after > 0 && lines[after - 1].end.empty()) added += end;
    if (sectionStart == lines.size()) {
        added += "[" + zemlo::EncodeCp932(section) + "]";
        added += end;
    }
    added += newLine;
    added += end;
    const size_t at = after == 0 ? 0
                                 : offsetOf(lines[after - 1].body) + lines[after - 1].body.size() +
                                       lines[after - 1].end.size();
    out.insert(at, added);
    return out;
}

}  // namespace reference

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using zemlo::PrivateProfile;
    const std::string bytes = zemlo::fuzz::LargeInput(data, size);
    const zemlo::ProfileIndex index(bytes);
    const std::vector<reference::Line> lines = reference::Split(bytes);

    std::vector<std::pair<std::u16string, std::u16string>> names = {
        {u"FORM", u"COMPACT"}, {u"recent", u"file1"}, {u"BOSS", u"ICONPATH"}, {u"", u""}};
    // The first section and key names of the file, in a letter case of their own.
    std::u16string section, key;
    for (const reference::Line& line : lines) {
        std::u16string_view s, k, v;
        if (section.empty() && reference::SectionName(line.text, s)) section = s;
        if (key.empty() && reference::KeyOfLine(line.text, k, v)) key = k;
        if (!section.empty() && !key.empty()) break;
    }
    for (char16_t& c : section) {
        if (c >= u'A' && c <= u'Z') c = c - u'A' + u'a';
    }
    names.emplace_back(section, key);
    names.emplace_back(u"FORM", key);

    for (const auto& [s, k] : names) {
        ZEMLO_FUZZ_CHECK(index.Value(s, k, PrivateProfile::kMaxValueLength) ==
                         reference::ValueIn(lines, s, k));
        if (!PrivateProfile::CanName(s, true) || !PrivateProfile::CanName(k, false)) continue;
        ZEMLO_FUZZ_CHECK(PrivateProfile::WithValue(index, s, k, u"v 1") ==
                         reference::WithValue(bytes, lines, s, k, u"v 1"));
    }
    return 0;
}
