// The card images' section of ZEMLO.ini, "IMAGES": "FOLDER", the folder of card images the
// player chose ("" for the folder images/ of the program folder), and the card image
// window's place and size in pixels, "LEFT", "TOP", "WIDTH", "HEIGHT", with "ONTOP" ("1"
// while it stays above other windows). Nothing is written before the player opens the window
// or chooses a folder.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace zemlo {

struct ImageWindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool onTop = false;

    // False until a place was stored: the window then opens beside the main window.
    bool Known() const { return width > 0 && height > 0; }
    friend bool operator==(const ImageWindowPlace&, const ImageWindowPlace&) = default;
};

std::u16string LoadImageFolder(const SettingsStore& store);
// The caller makes sure the file can hold folder (SettingsCanHold). False when the settings
// file could not be written (the store tells the player).
[[nodiscard]] bool SaveImageFolder(SettingsStore& store, std::u16string_view folder);

// Numbers clamped to 16 bits; text that is no number reads as 0.
ImageWindowPlace LoadImageWindowPlace(const SettingsStore& store);
[[nodiscard]] bool SaveImageWindowPlace(SettingsStore& store, const ImageWindowPlace& place);

}  // namespace zemlo
