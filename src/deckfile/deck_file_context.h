// What the deck file commands work on: the card tables, the settings file the output items
// are kept in and the program's folder. The program's start-up owns all three; these windows
// only borrow them.
#pragma once

#include <filesystem>

#include "carddb/card_database.h"
#include "settings/settings_store.h"

namespace zemlo {

struct DeckFileContext {
    const CardDatabase& db;
    SettingsStore& settings;
    std::filesystem::path programDir;
};

}  // namespace zemlo
