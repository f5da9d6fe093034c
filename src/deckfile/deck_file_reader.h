// Reading a deck back from an HTML deck file. Only the card number in the first cell of
// each data row is used: the entry is rebuilt from the current card tables exactly as the
// catalog writes it, so whatever columns the file was saved with do not matter.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "deck/entry_merge.h"
#include "platform/file_io.h"

namespace zemlo {

// The largest deck file read: far above the largest real one (32,767 rows in every list with
// every column, about 50 MB). A larger file is not read at all.
inline constexpr std::uint64_t kDeckFileLimit = std::uint64_t{256} << 20;

enum class DeckFileStatus {
    Read,         // a deck file; deck holds what it names
    NotDeckFile,  // no signature line anywhere: nothing is read
    Unreadable,   // the file could not be opened or read
};

struct DeckFileReadResult {
    DeckFileStatus status = DeckFileStatus::Unreadable;
    // Why the file could not be read (Unreadable).
    FileStatus fileStatus;
    // The cards of the first kMaxListEntries rows of each kind that name one.
    Deck deck;
    // Rows naming a card beyond those, by kind.
    LeftOutCounts leftOut{};
    // Card numbers of rows passed over because no record of their kind has them (or
    // because the row's first cell never ends), units first, then missions, then characters.
    std::vector<std::u16string> skippedCardNos;
};

// Reads a deck file's text (already decoded).
DeckFileReadResult ParseDeckFile(std::u16string_view text, const CardDatabase& db);

// Reads the file at path (CP932). Running out of memory makes the file Unreadable (ENOMEM).
DeckFileReadResult ReadDeckFile(const std::filesystem::path& path, const CardDatabase& db);

}  // namespace zemlo
