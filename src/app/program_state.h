// The process-wide state of one program run: the card database, the settings read at
// start-up and the few values several windows share.
#pragma once

#include <filesystem>
#include <string>

#include "app/settings_loaders.h"
#include "carddb/card_database.h"
#include "deckfile/deck_file_context.h"
#include "platform/settings_store.h"

namespace zemlo {

struct ProgramState {
    explicit ProgramState(std::filesystem::path dir) : programDir(dir), settings(dir) {}

    std::filesystem::path programDir;
    CardDatabase db;
    SettingsStore settings;
    OutputFlags output;
    int compactState = 0;      // CompactState
    bool highlightOn = false;  // HighlightOn
    BossSettings boss;
    bool seekWindowOpen = false;
    std::u16string popupCardNo;  // PopupCardNo: the card under the card lists' popup menu

    // What the deck file commands borrow of this state.
    DeckFileContext DeckFiles() { return {db, output, settings, programDir}; }
};

}  // namespace zemlo
