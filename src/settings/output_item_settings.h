// The output-items section of ZEMLO.ini: "OUTPUT" / "UNIT", "MISSION" and "CHAR", one
// character per output item.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "carddb/card_fields.h"
#include "settings/settings_store.h"

namespace zemlo {

// Which column groups the deck file writes: one "1" (write), "0" or "" (left out) per output
// item, as the output-items dialog stores them.
struct OutputFlags {
    std::array<std::u16string, 15> unit;
    std::array<std::u16string, 7> mission;
    std::array<std::u16string, 8> character;
};

OutputFlags LoadOutputSettings(const SettingsStore& store);

// The settings key of a kind's flags: "UNIT", "MISSION" or "CHAR".
std::u16string_view OutputSettingKey(CardKind kind);

// Stores one kind's items as the dialog joined them. False when the settings file could not
// be written (the store tells the player).
[[nodiscard]] bool SaveOutputSettings(SettingsStore& store, CardKind kind,
                                      std::u16string_view joinedFlags);

}  // namespace zemlo
