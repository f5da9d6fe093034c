// The deck library over 5,000 deck files of 35 cards, written by the program's own deck file
// writer into a temporary folder of 50 subfolders: the first look at the folder, and the
// table narrowed to the decks holding one card.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QSortFilterProxyModel>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/deck_entry.h"
#include "deckfile/deck_file_writer.h"
#include "tools/deck_library.h"
#include "tools/library_model.h"

namespace {

namespace fs = std::filesystem;
using zemlo::CardKind;

constexpr int kDecks = 5000;
constexpr int kFolders = 50;

// The folder of decks for one pool, written on first use and removed when the run ends.
class DeckFolder {
public:
    explicit DeckFolder(const zemlo::CardDatabase& db) {
        char pattern[] = "/tmp/zemlo-library-bench-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) std::abort();
        path_ = pattern;
        // The columns a player typically keeps: every card's name, the missions' points.
        zemlo::OutputFlags flags;
        flags.unit[1] = u"1";
        flags.mission[0] = u"1";
        flags.mission[1] = u"1";
        flags.character[0] = u"1";
        std::mt19937 random(21);
        const auto pick = [&random](const zemlo::CardTable& table) {
            return static_cast<int>(random() % static_cast<unsigned>(table.Count()));
        };
        for (int d = 0; d < kDecks; ++d) {
            // 20 units, 12 missions and 3 characters, the first unit twice.
            zemlo::Deck deck;
            const zemlo::DeckEntry twice =
                zemlo::DeckEntry::OfRecord(db, CardKind::Unit, pick(db.units));
            deck.Add(twice);
            deck.Add(twice);
            for (int i = 0; i < 18; ++i)
                deck.Add(zemlo::DeckEntry::OfRecord(db, CardKind::Unit, pick(db.units)));
            for (int i = 0; i < 12; ++i)
                deck.Add(zemlo::DeckEntry::OfRecord(db, CardKind::Mission, pick(db.missions)));
            for (int i = 0; i < 3; ++i)
                deck.Add(zemlo::DeckEntry::OfRecord(db, CardKind::Character, pick(db.characters)));
            const fs::path folder = path_ / ("folder" + std::to_string(d % kFolders));
            fs::create_directories(folder);
            // Written without the save's flush to the disk, which would only slow the setup.
            std::ofstream(folder / ("deck" + std::to_string(d) + ".htm"), std::ios::binary)
                << zemlo::DeckFileBytes(db, flags, deck);
        }
    }
    ~DeckFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

const fs::path& FolderFor(long long pool) {
    static std::map<long long, std::unique_ptr<DeckFolder>> folders;
    auto& folder = folders[pool];
    if (!folder) folder = std::make_unique<DeckFolder>(zemlo::bench::Pool(pool).db);
    return folder->Path();
}

// A first look at the folder: no earlier look to take unchanged files from, so every file is
// read. The wall time (the Time column) is what the window waits.
void BM_IndexLibrary_5000Decks(benchmark::State& state) {
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    const fs::path& folder = FolderFor(state.range(0));
    std::size_t decks = 0;
    for (auto _ : state) {
        zemlo::PrepareCardLookups(db);
        const zemlo::LibraryIndex index = zemlo::IndexLibrary(folder, db);
        decks = index.decks.size();
        benchmark::DoNotOptimize(decks);
    }
    if (decks != kDecks) state.SkipWithError("not every deck was listed");
}
ZEMLO_BOTH_POOLS(BM_IndexLibrary_5000Decks);

// Narrowing the library's table to one card: the decks holding it and the table, sorted by
// copies, as the window shows it.
void BM_FilterLibraryByCard_5000Decks(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    auto index =
        std::make_shared<zemlo::LibraryIndex>(zemlo::IndexLibrary(FolderFor(state.range(0)), db));
    // Two cards the table narrows to in turn: the first card of two decks.
    const std::u16string cards[2] = {index->decks[0].cards[0].cardNo,
                                     index->decks[1].cards[0].cardNo};
    zemlo::LibraryModel model;
    model.SetIndex(index);
    model.NarrowToCard(cards[1]);
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(zemlo::LibraryModel::kSortRole);
    sorted.sort(zemlo::LibraryModel::Copies, Qt::DescendingOrder);
    int turn = 0;
    for (auto _ : state) {
        model.NarrowToCard(cards[turn]);
        turn = 1 - turn;
        benchmark::DoNotOptimize(sorted.rowCount());
    }
    const std::u16string& cardNo = cards[0];
    state.counters["decks"] = static_cast<double>(zemlo::DecksHoldingCard(*index, cardNo).size());
}
ZEMLO_BOTH_POOLS(BM_FilterLibraryByCard_5000Decks);

}  // namespace
