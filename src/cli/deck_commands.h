// --text, --compare and the plain part of --sheet: one or two deck files read as the window
// opens them, and what the window would put on the clipboard or the sheet.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"
#include "cli/command_output.h"
#include "cli/command_request.h"
#include "deckfile/deck_sheet.h"

namespace zemlo {

// The deck text of the deck at request.paths[0], exactly as the clipboard gets it.
CommandOutput DeckTextCommand(const CommandRequest& request, const CardDatabase& db);

// The difference lines of the decks at request.paths[0] and [1] as the comparison window
// copies them: one per card whose copies differ.
CommandOutput CompareCommand(const CommandRequest& request, const CardDatabase& db);

// What --sheet writes: the sheet, and the files its pages go to (the PDF, or one PNG per
// page: the file -o names, then "name-2.png" and on beside it, as the window saves them).
struct SheetJob {
    DeckSheet sheet;
    std::vector<std::filesystem::path> files;
};

// The sheet of the deck at request.paths[0], headed with the names given or, without them, no
// player's name, the deck file's name, and today. Nothing when the deck could not be read.
std::optional<SheetJob> PrepareSheet(const CommandRequest& request, const CardDatabase& db,
                                     SheetDate today, CommandOutput& output);

// Writes bytes to path through the file layer: whole and at once, or not at all. False, after
// telling why and raising the status to 2, when it could not.
bool WriteCommandFile(const std::filesystem::path& path, std::string_view bytes,
                      CommandOutput& output);

}  // namespace zemlo
