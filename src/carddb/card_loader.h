// Reads the card data files ZEMLO.dat and, when present, ORVEL.dat into the card tables.
#pragma once

#include <filesystem>
#include <string_view>

#include "carddb/card_database.h"

namespace zemlo {

struct LoadReport {
    // False when ZEMLO.dat is missing or cannot be read; the program then runs on empty
    // tables and tells the player where it looked.
    bool zemloRead = false;
    std::filesystem::path zemloPath;
    // Records beyond the 32,767 a table can hold, by kind; they are not loaded.
    int droppedUnits = 0;
    int droppedMissions = 0;
    int droppedCharacters = 0;

    int Dropped() const { return droppedUnits + droppedMissions + droppedCharacters; }
};

// Empties the tables, then reads ZEMLO.dat and ORVEL.dat from dir, appending in file order.
LoadReport LoadCardData(CardDatabase& db, const std::filesystem::path& dir);

// The same for a data file's bytes (CP932), as they come from the disk.
void ReadCardDataBytes(CardDatabase& db, std::string_view bytes, LoadReport& report);

// The record reader: appends every record of one decoded data file to the tables.
void ReadCardRecords(CardDatabase& db, std::u16string_view text, LoadReport& report);

}  // namespace zemlo
