#include "settings/sheet_settings.h"

#include "platform/text_lines.h"

namespace zemlo {

constexpr SettingKey kPlayer{u"SHEET", u"PLAYER"};
constexpr SettingKey kEvent{u"SHEET", u"EVENT"};

SheetSettings LoadSheetSettings(const SettingsStore& store) {
    return SheetSettings{OneLineText(store.ReadSetting(kPlayer)),
                         OneLineText(store.ReadSetting(kEvent))};
}

bool SaveSheetSettings(SettingsStore& store, const SheetSettings& settings) {
    const SheetSettings stored = LoadSheetSettings(store);
    bool saved = true;
    // Only what changed: a player who never names an event gets no EVENT key.
    const std::u16string player = OneLineText(settings.player);
    if (player != stored.player) saved = store.WriteSetting(kPlayer, player) && saved;
    const std::u16string event = OneLineText(settings.event);
    if (event != stored.event) saved = store.WriteSetting(kEvent, event) && saved;
    return saved;
}

}  // namespace zemlo
