// The card data and the deck files a command reads, each failure told on the error output as
// the window would tell it in a message box.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "carddb/card_database.h"
#include "cli/command_output.h"
#include "deckfile/deck_file_reader.h"

namespace zemlo {

// Fills db from dataFiles in order, or, when none is given, from ZEMLO.dat and (when there)
// ORVEL.dat of programDir as the window does. False, after telling why and raising the status
// to 2, when a file cannot be read: a command never runs on card data it could not read.
// Cards beyond a table's limit are told and left out.
bool LoadCommandCardData(CardDatabase& db, const std::vector<std::filesystem::path>& dataFiles,
                         const std::filesystem::path& programDir, CommandOutput& output);

// The deck file at path, read as the window opens one, whatever its name. Nothing, after
// telling why and raising the status to 2, when it is no deck file or cannot be read.
std::optional<DeckFileReadResult> ReadCommandDeck(const std::filesystem::path& path,
                                                  const CardDatabase& db, CommandOutput& output);

// Tells the rows of a read deck file that name cards the card data lacks, or go beyond a
// list's limit, as the window tells them after opening the file; they raise the status to 1.
void TellRowsLeftOut(const std::filesystem::path& path, const DeckFileReadResult& read,
                     CommandOutput& output);

}  // namespace zemlo
