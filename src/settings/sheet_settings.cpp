#include "settings/sheet_settings.h"

#include "platform/text_lines.h"

namespace zemlo {

constexpr SettingKey kPlayer{u"SHEET", u"PLAYER"};

SheetSettings LoadSheetSettings(const SettingsStore& store) {
    return SheetSettings{OneLineText(store.ReadSetting(kPlayer))};
}

bool SaveSheetSettings(SettingsStore& store, const SheetSettings& settings) {
    return store.WriteSetting(kPlayer, OneLineText(settings.player));
}

}  // namespace zemlo
