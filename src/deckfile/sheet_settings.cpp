#include "deckfile/sheet_settings.h"

#include "deckfile/deck_sheet.h"

namespace zemlo {
namespace {

constexpr std::u16string_view kSection = u"SHEET";
constexpr std::u16string_view kPlayerKey = u"PLAYER";

}  // namespace

SheetSettings LoadSheetSettings(const SettingsStore& store) {
    return SheetSettings{SheetLine(store.ReadSetting(kSection, kPlayerKey))};
}

bool SaveSheetSettings(SettingsStore& store, const SheetSettings& settings) {
    return store.WriteSetting(kSection, kPlayerKey, SheetLine(settings.player));
}

}  // namespace zemlo
