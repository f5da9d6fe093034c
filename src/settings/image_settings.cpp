#include "settings/image_settings.h"

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

constexpr char16_t kSection[] = u"IMAGES";
constexpr SettingKey kFolder{kSection, u"FOLDER"};
constexpr SettingKey kLeft{kSection, u"LEFT"};
constexpr SettingKey kTop{kSection, u"TOP"};
constexpr SettingKey kWidth{kSection, u"WIDTH"};
constexpr SettingKey kHeight{kSection, u"HEIGHT"};
constexpr SettingKey kOnTop{kSection, u"ONTOP"};

int ReadNumber(const SettingsStore& store, SettingKey key) {
    return ToInt16Clamped(LeadingNumber(store.ReadSetting(key)));
}

bool WriteNumber(SettingsStore& store, SettingKey key, int value) {
    const std::string digits = std::to_string(value);
    return store.WriteSetting(key, std::u16string(digits.begin(), digits.end()));
}

}  // namespace

std::u16string LoadImageFolder(const SettingsStore& store) {
    return store.ReadSetting(kFolder);
}

bool SaveImageFolder(SettingsStore& store, std::u16string_view folder) {
    return store.WriteSetting(kFolder, folder);
}

ImageWindowPlace LoadImageWindowPlace(const SettingsStore& store) {
    ImageWindowPlace place;
    place.left = ReadNumber(store, kLeft);
    place.top = ReadNumber(store, kTop);
    place.width = ReadNumber(store, kWidth);
    place.height = ReadNumber(store, kHeight);
    place.onTop = store.ReadSetting(kOnTop) == u"1";
    return place;
}

bool SaveImageWindowPlace(SettingsStore& store, const ImageWindowPlace& place) {
    // Every key is written even after a failure; the store tells the player once.
    bool saved = WriteNumber(store, kLeft, place.left);
    saved = WriteNumber(store, kTop, place.top) && saved;
    saved = WriteNumber(store, kWidth, place.width) && saved;
    saved = WriteNumber(store, kHeight, place.height) && saved;
    saved = store.WriteSetting(kOnTop, place.onTop ? u"1" : u"0") && saved;
    return saved;
}

}  // namespace zemlo
