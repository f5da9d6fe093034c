#include "deckfile/recent_files.h"

#include <algorithm>

#include "platform/code_page.h"
#include "platform/private_profile.h"

namespace zemlo {

std::u16string RecentFiles::Key(size_t i) {
    return u"FILE" + std::u16string(1, static_cast<char16_t>(u'1' + i));
}

bool RecentFiles::CanRemember(std::u16string_view path) {
    if (path.empty() || path.size() > PrivateProfile::kMaxValueLength) return false;
    auto trimmedAway = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'"'; };
    if (trimmedAway(path.front()) || trimmedAway(path.back())) return false;
    if (std::any_of(path.begin(), path.end(), [](char16_t c) { return c < 0x20; })) return false;
    return DecodeCp932(EncodeCp932(path)) == path;
}

void RecentFiles::Add(std::u16string_view path) {
    if (!CanRemember(path)) return;
    Remove(path);
    paths_.insert(paths_.begin(), std::u16string(path));
    if (paths_.size() > kMaxFiles) paths_.resize(kMaxFiles);
}

void RecentFiles::Remove(std::u16string_view path) {
    std::erase(paths_, path);
}

void RecentFiles::Load(const Reader& read) {
    paths_.clear();
    for (size_t i = 0; i < kMaxFiles; ++i) {
        const std::u16string path = read(kSection, Key(i));
        if (CanRemember(path) && std::find(paths_.begin(), paths_.end(), path) == paths_.end()) {
            paths_.push_back(path);
        }
    }
}

void RecentFiles::Save(const Writer& write) const {
    for (size_t i = 0; i < kMaxFiles; ++i) {
        write(kSection, Key(i), i < paths_.size() ? std::u16string_view(paths_[i]) : u"");
    }
}

}  // namespace zemlo
