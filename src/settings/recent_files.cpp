#include "settings/recent_files.h"

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

RecentFiles LoadRecentFiles(const SettingsStore& store) {
    RecentFiles files;
    // Added oldest first, so the most recent ends first and a repeated place keeps its
    // earliest, most recent position.
    std::vector<std::u16string> places;
    for (size_t i = 0; i < RecentFiles::kMaxFiles; ++i) {
        places.push_back(store.ReadSetting(RecentFiles::kSection, RecentFiles::Key(i)));
    }
    for (auto place = places.rbegin(); place != places.rend(); ++place) files.Add(*place);
    return files;
}

bool SaveRecentFiles(SettingsStore& store, const RecentFiles& files) {
    const std::vector<std::u16string>& paths = files.Paths();
    bool saved = true;
    // Every place is tried: the store tells a failure once, whichever place met it.
    for (size_t i = 0; i < RecentFiles::kMaxFiles; ++i) {
        saved = store.WriteSetting(RecentFiles::kSection, RecentFiles::Key(i),
                                   i < paths.size() ? std::u16string_view(paths[i]) : u"") &&
                saved;
    }
    return saved;
}

}  // namespace zemlo
