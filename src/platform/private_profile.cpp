#include "platform/private_profile.h"

#include <cerrno>
#include <new>
#include <vector>

#include "platform/code_page.h"

namespace zemlo {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char16_t FoldCase(char16_t c) {
    return (c >= u'a' && c <= u'z') ? c - u'a' + u'A' : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

// The section name of a "[name]" line.
bool SectionName(std::u16string_view line, std::u16string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != u'[') return false;
    size_t close = line.find(u']');
    name = Trim(
        line.substr(1, close == std::u16string_view::npos ? std::u16string_view::npos : close - 1));
    return true;
}

bool KeyOfLine(std::u16string_view line, std::u16string_view& key, std::u16string_view& value) {
    std::u16string_view t = Trim(line);
    if (t.empty() || t.front() == u';') return false;
    size_t eq = t.find(u'=');
    if (eq == std::u16string_view::npos) return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

// One line of the file as it stands on the disk, and its decoded text. CP932 never uses
// CR or LF inside a double-byte character, so the bytes split safely before decoding.
struct ProfileLine {
    std::string_view body;
    std::string_view end;  // "\r\n", "\r", "\n", or "" for a last line without one
    std::u16string text;
};

std::vector<ProfileLine> SplitProfile(std::string_view bytes) {
    std::vector<ProfileLine> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t stop = bytes.find_first_of("\r\n", start);
        ProfileLine line;
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
        line.text = DecodeCp932(line.body);
        lines.push_back(std::move(line));
    }
    return lines;
}

// New lines follow the file's first line end; a new file gets CR LF like on Windows.
std::string_view LineEndStyle(const std::vector<ProfileLine>& lines) {
    for (const ProfileLine& line : lines) {
        if (!line.end.empty()) return line.end;
    }
    return "\r\n";
}

}  // namespace

std::u16string PrivateProfile::ValueIn(std::string_view bytes, std::u16string_view section,
                                       std::u16string_view key) {
    bool inSection = false;
    for (const ProfileLine& line : SplitProfile(bytes)) {
        std::u16string_view name;
        if (SectionName(line.text, name)) {
            inSection = SameName(name, section);
            continue;
        }
        std::u16string_view k, v;
        if (!inSection || !KeyOfLine(line.text, k, v) || !SameName(k, key)) continue;
        if (v.size() >= 2 && ((v.front() == u'"' && v.back() == u'"') ||
                              (v.front() == u'\'' && v.back() == u'\''))) {
            v = v.substr(1, v.size() - 2);
        }
        return std::u16string(v.substr(0, kMaxValueLength));
    }
    return {};
}

std::u16string_view PrivateProfile::OneLine(std::u16string_view value) {
    return value.substr(0, value.find_first_of(std::u16string_view(u"\r\n\0", 3)));
}

bool PrivateProfile::CanName(std::u16string_view name, bool section) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
    if (name.find_first_of(std::u16string_view(u"\r\n\0", 3)) != std::u16string_view::npos) {
        return false;
    }
    if (section ? name.find(u']') != std::u16string_view::npos
                : name.find(u'=') != std::u16string_view::npos || name.front() == u'[' ||
                      name.front() == u';') {
        return false;
    }
    return DecodeCp932(EncodeCp932(name)) == name;
}

std::string PrivateProfile::WithValue(std::string_view bytes, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view value) {
    if (!CanName(section, true) || !CanName(key, false)) return std::string(bytes);
    value = OneLine(value);
    const std::vector<ProfileLine> lines = SplitProfile(bytes);
    const std::string_view lineEnd = LineEndStyle(lines);
    const std::string newLine = EncodeCp932(std::u16string(key) + u"=" + std::u16string(value));

    size_t sectionStart = lines.size();  // index of the section's header line
    size_t insertAt = lines.size();      // after the section's last non-blank line
    size_t replace = lines.size();
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::u16string_view name;
        if (SectionName(lines[i].text, name)) {
            if (inSection) break;
            inSection = SameName(name, section);
            if (inSection) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) continue;
        std::u16string_view k, v;
        if (KeyOfLine(lines[i].text, k, v) && SameName(k, key)) {
            replace = i;
            break;
        }
        if (!Trim(lines[i].text).empty()) insertAt = i + 1;
    }

    const auto offsetOf = [&](std::string_view part) {
        return static_cast<size_t>(part.data() - bytes.data());
    };
    std::string out(bytes);
    if (replace < lines.size()) {
        out.replace(offsetOf(lines[replace].body), lines[replace].body.size(), newLine);
        return out;
    }
    std::string added;
    const size_t after = sectionStart < lines.size() ? insertAt : lines.size();
    // New lines end like the line before them, so a lone CR never meets the LF of an empty
    // line after it and merges into one line end. A last line without an end gets one.
    std::string_view end = lineEnd;
    if (after > 0 && !lines[after - 1].end.empty()) end = lines[after - 1].end;
    if (after > 0 && lines[after - 1].end.empty()) added += end;
    if (sectionStart == lines.size()) {
        added += "[" + EncodeCp932(section) + "]";
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

std::u16string PrivateProfile::Read(const std::filesystem::path& file, std::u16string_view section,
                                    std::u16string_view key) {
    const FileContents contents = ReadFileBytes(file, kMaxFileBytes);
    if (!contents.status) return {};
    try {
        return ValueIn(contents.bytes, section, key);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

FileStatus PrivateProfile::Write(const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view value) {
    if (!CanName(section, true) || !CanName(key, false)) return FileStatus{EINVAL};
    const FileContents contents = ReadFileBytes(file, kMaxFileBytes);
    if (!contents.status && !contents.Missing()) return contents.status;
    std::string bytes;
    try {
        bytes = WithValue(contents.bytes, section, key, value);
    } catch (const std::bad_alloc&) {
        return FileStatus{ENOMEM, true};
    }
    return ReplaceFileAtomically(file, bytes);
}

}  // namespace zemlo
