// What one program run owns and its windows share: the card database, the deck document
// (the deck, its history and the file it belongs to) and the settings store of ZEMLO.ini.
// Values the windows merely show (the view, the highlight, the boss key's disguise) belong
// to the window that owns them.
#pragma once

#include <filesystem>

#include "carddb/card_database.h"
#include "deck/deck_document.h"
#include "deckfile/deck_file_context.h"
#include "settings/settings_store.h"

namespace zemlo {

struct ProgramState {
    explicit ProgramState(std::filesystem::path dir)
        : programDir(std::move(dir)), settings(programDir) {}

    const std::filesystem::path programDir;
    CardDatabase db;
    SettingsStore settings;
    // The one deck of the main window; windows read it and change it only through its
    // history.
    DeckDocument document;

    // What the deck file commands borrow of this state.
    DeckFileContext DeckFiles() { return {db, settings, programDir}; }
};

}  // namespace zemlo
