#include "settings/output_item_settings.h"

namespace zemlo {
namespace {

constexpr char16_t kOutputSection[] = u"OUTPUT";

template <size_t N>
void FillFlags(std::array<std::u16string, N>& flags, const std::u16string& value) {
    for (size_t i = 0; i < N; ++i) flags[i] = i < value.size() ? value.substr(i, 1) : u"";
}

}  // namespace

std::u16string_view OutputSettingKey(CardKind kind) {
    switch (kind) {
        case CardKind::Unit:
            return u"UNIT";
        case CardKind::Mission:
            return u"MISSION";
        case CardKind::Character:
            break;
    }
    return u"CHAR";
}

OutputFlags LoadOutputSettings(const SettingsStore& store) {
    OutputFlags flags;
    FillFlags(flags.unit, store.ReadSetting(kOutputSection, OutputSettingKey(CardKind::Unit)));
    FillFlags(flags.mission,
              store.ReadSetting(kOutputSection, OutputSettingKey(CardKind::Mission)));
    FillFlags(flags.character,
              store.ReadSetting(kOutputSection, OutputSettingKey(CardKind::Character)));
    return flags;
}

bool SaveOutputSettings(SettingsStore& store, CardKind kind, std::u16string_view joinedFlags) {
    return store.WriteSetting(kOutputSection, OutputSettingKey(kind), joinedFlags);
}

}  // namespace zemlo
