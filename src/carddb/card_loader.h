// Reads the card data files ZEMLO.dat and, when present, ORVEL.dat into the card tables.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "carddb/card_database.h"
#include "carddb/table_work_gate.h"
#include "platform/file_io.h"

namespace zemlo {

// The largest card data file read: far above the largest real one (about 30 MB) and above
// the largest the format allows (32,767 cards of each kind, about 60 MB). A larger file is
// not read at all.
inline constexpr std::uint64_t kCardDataFileLimit = std::uint64_t{256} << 20;

// What one read takes from a data file: large enough that the reads cost nothing beside the
// decoding, small beside the tables. The whole file is never held, raw or decoded.
inline constexpr size_t kCardDataPieceBytes = size_t{1} << 20;
// From this size on a data file may be read in two passes at once, on two threads; below it
// a second thread would cost about what it saves.
inline constexpr std::uint64_t kCardDataTwoPassBytes = std::uint64_t{2} << 20;

// What a data file held when it was read: its bytes and their ContentHash. A file that was
// not read to its end is not present.
struct DataFileMark {
    bool present = false;
    std::uint64_t bytes = 0;
    std::uint64_t hash = 0;

    friend bool operator==(const DataFileMark&, const DataFileMark&) = default;
};

// What the tables were read from, for a copy of them to name.
struct CardDataSources {
    DataFileMark zemlo;
    DataFileMark orvel;

    friend bool operator==(const CardDataSources&, const CardDataSources&) = default;
};

struct LoadReport {
    // False when ZEMLO.dat is missing or cannot be read; the program then runs on empty
    // tables and tells the player where it looked.
    bool zemloRead = false;
    std::filesystem::path zemloPath;
    FileStatus zemloStatus;
    // Why an ORVEL.dat that is there could not be read; its cards are then left out.
    FileStatus orvelStatus;
    // Records beyond the 32,767 a table can hold, by kind; they are not loaded.
    int droppedUnits = 0;
    int droppedMissions = 0;
    int droppedCharacters = 0;

    int Dropped() const { return droppedUnits + droppedMissions + droppedCharacters; }

    // By kind: whether the work given to LoadCardData ran on the table as the load left it.
    std::array<bool, 3> tableWorkStands{};

    CardDataSources sources;
    // True when the tables came from a copy kept by SaveCardDataCopy, not from decoding.
    bool fromCopy = false;
};

// Work on one kind's whole table, which LoadCardData may start on a thread of its own while
// it reads on into the other kinds' records of a large file. It may only read that table.
using TableReadWork = std::function<void(CardKind kind)>;

// How a large data file is read: in one pass, or in two at once on two threads (the units
// in one, the missions and characters in the other, each passing over the other's records).
// Two end sooner where each has a core of its own, though together they do more.
enum class CardDataPasses { One, Two };

// Empties the tables, then reads ZEMLO.dat and ORVEL.dat from dir, appending in file order.
// A file that cannot be read to its end adds nothing. Running out of memory leaves every
// table empty, as a file that cannot be read does. work, when given, may be done on a kind's
// table before the loading ends, once gate (when given) is open; the report says where it
// still stands, and nothing of it runs any more once LoadCardData returns.
LoadReport LoadCardData(CardDatabase& db, const std::filesystem::path& dir,
                        CardDataPasses passes = CardDataPasses::Two, const TableReadWork& work = {},
                        TableWorkGate* gate = nullptr);

// The same for a data file's bytes (CP932), as they come from the disk.
void ReadCardDataBytes(CardDatabase& db, std::string_view bytes, LoadReport& report);

// The same in the two passes a large file is read in: the units, then the missions and
// characters, each pass passing over the other's lines. Gives what ReadCardDataBytes gives.
void ReadCardDataBytesByKind(CardDatabase& db, std::string_view bytes, LoadReport& report);

// The record reader: appends every record of one decoded data file to the tables.
void ReadCardRecords(CardDatabase& db, std::u16string_view text, LoadReport& report);

}  // namespace zemlo
