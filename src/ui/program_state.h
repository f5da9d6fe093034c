// The process-wide state of one program run: the card database and the deck built from it,
// the settings read at start-up and the few values several windows share.
#pragma once

#include <filesystem>
#include <string>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "deckfile/deck_file_context.h"
#include "settings/boss_settings.h"
#include "settings/output_item_settings.h"
#include "settings/settings_store.h"
#include "settings/view_settings.h"

namespace zemlo {

struct ProgramState {
    explicit ProgramState(std::filesystem::path dir) : programDir(dir), settings(dir) {}

    std::filesystem::path programDir;
    CardDatabase db;
    // The one deck of the main window; windows read it and change it only through the deck's
    // history.
    Deck deck;
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
