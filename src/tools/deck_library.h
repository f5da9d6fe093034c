// The deck library: every deck file under a folder, read once, with what the library window
// shows of it (counters, the rules it breaks, rows naming unknown cards) and its cards, so
// "which of my decks hold this card?" is answered without reading a file again. Files are
// read by the deck file reader; a second look reads again only the files whose size or time
// changed. Runs on any one thread; the card database must not change meanwhile.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"
#include "collection/collection.h"
#include "deck/deck_summary.h"
#include "deck/entry_merge.h"
#include "deckfile/deck_file_reader.h"
#include "platform/file_io.h"
#include "platform/folder_walk.h"

namespace zemlo {

struct IndexedCard {
    std::u16string cardNo;
    int copies = 0;
};

struct LibraryDeck {
    std::filesystem::path path;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since 1970
    DeckCounters counters;
    std::vector<BrokenRule> broken;
    // Rows whose card the card database does not hold.
    int unknownRows = 0;
    // Rows beyond a list's limit, by kind: the deck as listed holds the first 32,767 of each.
    LeftOutCounts leftOut{};
    // Every card of the deck once, all kinds together, by card number.
    std::vector<IndexedCard> cards;

    // Copies of the card numbered cardNo in the deck (of every kind holding that number).
    int CopiesOf(std::u16string_view cardNo) const;
};

struct LibraryIndex {
    std::filesystem::path folder;
    // Why the folder itself could not be read.
    FileStatus folderStatus;
    // In the order the walk met them.
    std::vector<LibraryDeck> decks;
    // Files named like deck files that are not, kept so that a look does not read an
    // unchanged one again.
    std::vector<FoundFile> notDeckFiles;
    // Files that could not be read (and links that name nothing, pipes, devices).
    int unreadableFiles = 0;
    // Files beyond the deck file reader's ceiling, never read.
    int hugeFiles = 0;
    int foldersNotEntered = 0;
    int loopingLinks = 0;
    int linksOut = 0;
    // Every folder the look entered.
    std::vector<std::filesystem::path> folders;
    // The look was cancelled: the files looked at before are in, the others are not.
    bool cancelled = false;
    // Files this look read; the others came unchanged from the look before.
    int filesRead = 0;
};

// How far a look has come, for a progress bar on another thread.
struct IndexProgress {
    std::atomic<int> filesFound{0};     // set once the folders are walked
    std::atomic<int> filesLookedAt{0};  // grows as files are read or taken over
};

// Whether a file's name makes it a candidate: ".htm" or ".html" in any letter case, and not
// hidden (a name beginning with ".").
bool IsDeckFileName(const std::filesystem::path& name);

// What the library keeps of a deck file the deck file reader read (read.status is Read).
LibraryDeck LibraryDeckOf(FoundFile file, const DeckFileReadResult& read);

// The card tables find card numbers through an index built on the first look-up. Call this
// on the thread that owns the database before a look runs on another one, so the look only
// reads the tables.
void PrepareCardLookups(const CardDatabase& db);

// Looks at every deck file under folder. previous, when given, is an earlier look at the
// same folder: files whose size and time are unchanged are taken from it without reading.
// progress and cancel may be null. With workers above 1, that many threads each read a run
// of the files (the card lookups are prepared first); the index is the same as one thread's.
LibraryIndex IndexLibrary(const std::filesystem::path& folder, const CardDatabase& db,
                          const LibraryIndex* previous = nullptr, IndexProgress* progress = nullptr,
                          const std::atomic<bool>* cancel = nullptr, int workers = 1);

// Adds what part found (decks, files passed over, folders, counts) after what into holds.
void AddLook(LibraryIndex& into, LibraryIndex&& part);

// The line under the library's table: how many decks are listed and what was passed over
// ("ﾃﾞｯｷ 12 件、ﾃﾞｯｷでないﾌｧｲﾙ 2 件"), only the kinds that occurred; or why the folder could
// not be read. A cancelled look says so.
std::u16string LibrarySummaryText(const LibraryIndex& index);

// Its part after the decks: each kind of what was passed over that occurred, each after "、"
// ("、ﾃﾞｯｷでないﾌｧｲﾙ 2 件"); "" when nothing was.
std::u16string PassedOverText(const LibraryIndex& index);

// One deck of the index that holds a card, with its copies.
struct DeckHolding {
    std::size_t deck = 0;  // index into LibraryIndex::decks
    int copies = 0;

    friend bool operator==(const DeckHolding&, const DeckHolding&) = default;
};

// The cards of a library's decks, each number once and in the collection's order, so the
// copies every deck lacks from a collection are counted in one pass over both sorted lists
// instead of looking each deck's every card up. Made once per look.
class LibraryCardSet {
public:
    LibraryCardSet() = default;
    explicit LibraryCardSet(const LibraryIndex& index);

    // By deck of index (the one the set was made from): of each of its cards, the copies
    // beyond those owned.
    std::vector<long long> MissingPerDeck(const LibraryIndex& index,
                                          const Collection& collection) const;

private:
    std::u16string_view Number(std::size_t n) const {
        return std::u16string_view(text_).substr(starts_[n], starts_[n + 1] - starts_[n]);
    }

    // The numbers, sorted and each once, one after the other in one text (number n is
    // text_[starts_[n], starts_[n + 1])), so the walk reads memory in order.
    std::u16string text_;
    std::vector<std::size_t> starts_;
    // For every card of every deck, in index order: its number's place.
    std::vector<std::uint32_t> placeOf_;
};

// The decks that hold at least one copy of the card numbered cardNo, in index order.
std::vector<DeckHolding> DecksHoldingCard(const LibraryIndex& index, std::u16string_view cardNo);

}  // namespace zemlo
