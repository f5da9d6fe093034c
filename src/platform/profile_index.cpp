#include "platform/profile_index.h"

#include "platform/code_page.h"
#include "platform/text_lines.h"

namespace zemlo {
namespace {

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t';
}

// Blanks are single bytes that are never the second byte of a CP932 character, so the bytes
// trim exactly as their decoded text would.
std::string_view TrimBytes(std::string_view s) {
    while (!s.empty() && IsBlankByte(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlankByte(s.back())) s.remove_suffix(1);
    return s;
}

std::u16string_view TrimText(std::u16string_view s) {
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::u16string ProfileIndex::Folded(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return folded;
}

std::u16string ProfileIndex::KeyOf(std::u16string_view foldedSection,
                                   std::u16string_view foldedKey) {
    std::u16string key(foldedSection);
    key += u'\0';
    key += foldedKey;
    return key;
}

ProfileIndex::ProfileIndex(std::string bytes) : bytes_(std::move(bytes)) {
    const std::string_view all = bytes_;
    std::u16string sectionName;
    bool inSection = false;
    Section* first = nullptr;  // the section being read, when it is the first of its name
    size_t start = 0;
    while (start < all.size()) {
        const size_t stop = LineStop(all, start);
        size_t next = stop;
        if (stop < all.size()) {
            next = stop + 1;
            if (all[stop] == '\r' && next < all.size() && all[next] == '\n') ++next;
        }
        const std::string_view end = all.substr(stop, next - stop);
        if (firstLineEnd_.empty()) firstLineEnd_ = end;
        if (next == all.size()) lastLineEnd_ = end;
        const size_t bodyStart = start;
        const std::string_view line = TrimBytes(all.substr(start, stop - start));
        start = next;
        if (line.empty()) continue;

        if (line.front() == '[') {
            // "]" may be the second byte of a character: the header is decoded first.
            const std::u16string text = DecodeCp932(line);
            const size_t close = text.find(u']');
            sectionName = Folded(
                TrimText(std::u16string_view(text).substr(1, close == std::u16string::npos
                                                                   ? std::u16string::npos
                                                                   : close - 1)));
            inSection = true;
            const auto [at, added] = sections_.try_emplace(sectionName, Section{next, {}});
            first = added ? &at->second : nullptr;
            if (first != nullptr) first->insertLineEnd = end;
            continue;
        }
        if (first != nullptr) {
            first->insertAt = next;
            first->insertLineEnd = end;
        }
        if (!inSection || line.front() == ';') continue;
        // "=" is never the second byte of a character.
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view value = TrimBytes(line.substr(eq + 1));
        KeyLine keyLine;
        keyLine.inFirstSection = first != nullptr;
        keyLine.bodyStart = bodyStart;
        keyLine.bodySize = stop - bodyStart;
        keyLine.valueStart = static_cast<size_t>(value.data() - all.data());
        keyLine.valueSize = value.size();
        keys_.try_emplace(KeyOf(sectionName, Folded(DecodeCp932(TrimBytes(line.substr(0, eq))))),
                          keyLine);
    }
}

std::u16string ProfileIndex::Value(std::u16string_view section, std::u16string_view key,
                                   size_t maxLength) const {
    const auto at = keys_.find(KeyOf(Folded(section), Folded(key)));
    if (at == keys_.end()) return {};
    const std::u16string text =
        DecodeCp932(std::string_view(bytes_).substr(at->second.valueStart, at->second.valueSize));
    std::u16string_view v = text;
    if (v.size() >= 2 && ((v.front() == u'"' && v.back() == u'"') ||
                          (v.front() == u'\'' && v.back() == u'\''))) {
        v = v.substr(1, v.size() - 2);
    }
    return std::u16string(v.substr(0, maxLength));
}

std::string ProfileIndex::WithLine(std::u16string_view section, std::u16string_view key,
                                   std::string_view valueLine) const {
    const std::u16string sectionName = Folded(section);
    const auto keyAt = keys_.find(KeyOf(sectionName, Folded(key)));
    std::string out = bytes_;
    if (keyAt != keys_.end() && keyAt->second.inFirstSection) {
        out.replace(keyAt->second.bodyStart, keyAt->second.bodySize, valueLine);
        return out;
    }
    const auto sectionAt = sections_.find(sectionName);
    const bool found = sectionAt != sections_.end();
    const size_t at = found ? sectionAt->second.insertAt : bytes_.size();
    const bool afterALine = found || !bytes_.empty();
    const std::string& lineBefore = found ? sectionAt->second.insertLineEnd : lastLineEnd_;
    // New lines end like the line before them, so a lone CR never meets the LF of an empty
    // line after it and merges into one line end. A last line without an end gets one.
    std::string_view end = firstLineEnd_.empty() ? std::string_view("\r\n") : firstLineEnd_;
    if (afterALine && !lineBefore.empty()) end = lineBefore;
    std::string added;
    if (afterALine && lineBefore.empty()) added += end;
    if (!found) {
        added += "[" + EncodeCp932(section) + "]";
        added += end;
    }
    added += valueLine;
    added += end;
    out.insert(at, added);
    return out;
}

}  // namespace zemlo
