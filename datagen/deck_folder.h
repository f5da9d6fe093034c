// A folder of invented deck files for timing the deck library and the command line's --check:
// decks of 35 cards (20 units, the first twice; 12 missions; 3 characters) picked at random
// from a card database, in subfolders, written with the program's own deck file writer. The
// same database and counts always give the same files.
#pragma once

#include <filesystem>

#include "carddb/card_database.h"

namespace zemlo {

void WriteDeckFolder(const CardDatabase& db, const std::filesystem::path& folder, int decks,
                     int subfolders);

}  // namespace zemlo
