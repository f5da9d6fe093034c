// What the deck file commands and the output-items dialog work on: the card tables, the
// output items in force, the settings file they are stored in and the program's folder.
// The program's start-up owns all four; these windows only borrow them.
#pragma once

#include <filesystem>

#include "carddb/card_database.h"
#include "deckfile/output_flags.h"
#include "settings/settings_store.h"

namespace zemlo {

struct DeckFileContext {
    const CardDatabase& db;
    OutputFlags& output;
    SettingsStore& settings;
    std::filesystem::path programDir;
};

}  // namespace zemlo
