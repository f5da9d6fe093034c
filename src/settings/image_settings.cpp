#include "settings/image_settings.h"

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

constexpr char16_t kImageSection[] = u"IMAGES";
constexpr SettingKey kImageFolder{kImageSection, u"FOLDER"};
constexpr SettingKey kImageLeft{kImageSection, u"LEFT"};
constexpr SettingKey kImageTop{kImageSection, u"TOP"};
constexpr SettingKey kImageWidth{kImageSection, u"WIDTH"};
constexpr SettingKey kImageHeight{kImageSection, u"HEIGHT"};
constexpr SettingKey kImageOnTop{kImageSection, u"ONTOP"};

int ReadNumber(const SettingsStore& store, SettingKey key) {
    return ToInt16Clamped(LeadingNumber(store.ReadSetting(key)));
}

bool WriteNumber(SettingsStore& store, SettingKey key, int value) {
    const std::string digits = std::to_string(value);
    return store.WriteSetting(key, std::u16string(digits.begin(), digits.end()));
}

}  // namespace

std::u16string LoadImageFolder(const SettingsStore& store) {
    return store.ReadSetting(kImageFolder);
}

bool SaveImageFolder(SettingsStore& store, std::u16string_view folder) {
    return store.WriteSetting(kImageFolder, folder);
}

ImageWindowPlace LoadImageWindowPlace(const SettingsStore& store) {
    ImageWindowPlace place;
    place.left = ReadNumber(store, kImageLeft);
    place.top = ReadNumber(store, kImageTop);
    place.width = ReadNumber(store, kImageWidth);
    place.height = ReadNumber(store, kImageHeight);
    place.onTop = store.ReadSetting(kImageOnTop) == u"1";
    return place;
}

bool SaveImageWindowPlace(SettingsStore& store, const ImageWindowPlace& place) {
    // Every key is written even after a failure; the store tells the player once.
    bool saved = WriteNumber(store, kImageLeft, place.left);
    saved = WriteNumber(store, kImageTop, place.top) && saved;
    saved = WriteNumber(store, kImageWidth, place.width) && saved;
    saved = WriteNumber(store, kImageHeight, place.height) && saved;
    saved = store.WriteSetting(kImageOnTop, place.onTop ? u"1" : u"0") && saved;
    return saved;
}

}  // namespace zemlo
