// Reading a deck back from an HTML deck file. Only the card number in the first cell of
// each data row is used: the entry is rebuilt from the current card tables exactly as the
// catalog writes it, so whatever columns the file was saved with do not matter.
#pragma once

#include <atomic>
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
    Cancelled,    // the reader was asked to stop before it ended
};

// Of the rows naming no card, this many card numbers are kept for a message, each cut to
// kListedCardNoLength characters and "…" (a "card number" from a damaged or foreign file can
// be megabytes long); the count covers them all.
inline constexpr size_t kListedSkippedCardNos = 20;
inline constexpr size_t kListedCardNoLength = 40;

struct DeckFileReadResult {
    DeckFileStatus status = DeckFileStatus::Unreadable;
    // Why the file could not be read (Unreadable).
    FileStatus fileStatus;
    // The cards of the first kMaxListEntries rows of each kind that name one.
    Deck deck;
    // Rows naming a card beyond those, by kind.
    LeftOutCounts leftOut{};
    // Rows passed over because no record of their kind has their card number (or because
    // the row's first cell never ends), and the first kListedSkippedCardNos of their card
    // numbers, units first, then missions, then characters.
    size_t skippedRows = 0;
    std::vector<std::u16string> skippedCardNos;
};

// Reads a deck file's bytes (CP932). Lines are compared and cells decoded where they stand,
// so the memory it takes follows the deck it yields, never the file's count of lines: a file
// of nothing but line breaks costs one pass. cancel, when given, is looked at as it goes.
DeckFileReadResult ParseDeckFile(std::string_view bytes, const CardDatabase& db,
                                 const std::atomic<bool>* cancel = nullptr);

// Reads the file at path. Running out of memory makes the file Unreadable (ENOMEM).
DeckFileReadResult ReadDeckFile(const std::filesystem::path& path, const CardDatabase& db,
                                const std::atomic<bool>* cancel = nullptr);

}  // namespace zemlo
