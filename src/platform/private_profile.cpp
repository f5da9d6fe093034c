#include "platform/private_profile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <vector>

#include "platform/code_page.h"
#include "platform/text_lines.h"

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

// The section name of a "[name]" line, or nullopt-like false.
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

std::vector<std::u16string> ReadLines(const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) return {};
    return SplitLines(DecodeCp932(bytes));
}

}  // namespace

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    // Only a regular file has contents; a directory in its place reads as missing.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.clear();
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(static_cast<size_t>(size));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    }
    return !in.bad();
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const char* p = bytes.data();
    size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
    }
    return ok;
}

std::u16string PrivateProfile::Read(const std::filesystem::path& file, std::u16string_view section,
                                    std::u16string_view key) {
    bool inSection = false;
    for (const std::u16string& line : ReadLines(file)) {
        std::u16string_view name;
        if (SectionName(line, name)) {
            inSection = SameName(name, section);
            continue;
        }
        std::u16string_view k, v;
        if (!inSection || !KeyOfLine(line, k, v) || !SameName(k, key)) continue;
        if (v.size() >= 2 && ((v.front() == u'"' && v.back() == u'"') ||
                              (v.front() == u'\'' && v.back() == u'\''))) {
            v = v.substr(1, v.size() - 2);
        }
        return std::u16string(v.substr(0, kMaxValueLength));
    }
    return {};
}

bool PrivateProfile::Write(const std::filesystem::path& file, std::u16string_view section,
                           std::u16string_view key, std::u16string_view value) {
    std::vector<std::u16string> lines = ReadLines(file);
    std::u16string newLine = std::u16string(key) + u"=" + std::u16string(value);

    size_t sectionStart = lines.size();  // index of the section's header line
    size_t insertAt = lines.size();      // after the section's last non-blank line
    bool replaced = false;
    bool inSection = false;
    for (size_t i = 0; i < lines.size() && !replaced; ++i) {
        std::u16string_view name;
        if (SectionName(lines[i], name)) {
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
        if (KeyOfLine(lines[i], k, v) && SameName(k, key)) {
            lines[i] = newLine;
            replaced = true;
        } else if (!Trim(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (!replaced) {
        if (sectionStart == lines.size()) {
            lines.push_back(u"[" + std::u16string(section) + u"]");
            lines.push_back(newLine);
        } else {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
        }
    }
    std::u16string text;
    for (const std::u16string& line : lines) text += line + u"\r\n";
    return WriteFileAtomically(file, EncodeCp932(text));
}

}  // namespace zemlo
