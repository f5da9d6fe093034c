// The deck library over 5,000 deck files of 35 cards (WriteDeckFolder) in a temporary folder
// of 50 subfolders: the first look at the folder, and the table narrowed to the decks holding
// one card.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QSortFilterProxyModel>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "bench_data.h"
#include "bench_pools.h"
#include "deck_folder.h"
#include "tools/deck_library.h"
#include "tools/library_model.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDecks = 5000;
constexpr int kFolders = 50;

// The folder of decks for one pool, written on first use and removed when the run ends.
class DeckFolder {
public:
    explicit DeckFolder(const zemlo::CardDatabase& db) {
        char pattern[] = "/tmp/zemlo-library-bench-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) std::abort();
        path_ = pattern;
        zemlo::WriteDeckFolder(db, path_, kDecks, kFolders);
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

// The column of copies missing counted again after the collection changed (the player owns
// one copy of every card of the pool but the first 1,000 units), and the table sorted by it.
void BM_LibraryMissing_5000Decks(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    auto index =
        std::make_shared<zemlo::LibraryIndex>(zemlo::IndexLibrary(FolderFor(state.range(0)), db));
    std::vector<std::pair<std::u16string, std::optional<zemlo::OwnedCard>>> owned;
    for (const zemlo::CardKind kind : zemlo::kDeckKinds) {
        const zemlo::CardTable& table = db.Table(kind);
        for (int r = kind == zemlo::CardKind::Unit ? 1000 : 0; r < table.Count(); ++r) {
            owned.emplace_back(table.Cell(1, r), zemlo::OwnedCard{1, {}, {}});
        }
    }
    zemlo::Collection collection;
    collection.PutAll(std::move(owned));
    zemlo::LibraryModel model;
    model.SetIndex(index);
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(zemlo::LibraryModel::kSortRole);
    sorted.sort(zemlo::LibraryModel::Missing, Qt::DescendingOrder);
    long long most = 0;
    for (auto _ : state) {
        model.SetCollection(&collection);
        most = sorted.index(0, zemlo::LibraryModel::Missing).data().toLongLong();
        benchmark::DoNotOptimize(most);
    }
    state.counters["mostMissing"] = static_cast<double>(most);
}
ZEMLO_BOTH_POOLS(BM_LibraryMissing_5000Decks);

}  // namespace
