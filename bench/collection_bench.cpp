// The collection file holding every card of a pool (98,301 rows at the largest), read and
// written through the file layer as the program does, with the card data's names.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "bench_data.h"
#include "bench_pools.h"
#include "collection/collection_csv.h"
#include "platform/file_io.h"

namespace {

using zemlo::CardKind;
using zemlo::bench::Pool;

// Every card of the database owned, one to three copies each.
zemlo::Collection EveryCard(const zemlo::CardDatabase& db) {
    std::vector<std::pair<std::u16string, std::optional<zemlo::OwnedCard>>> cards;
    for (const CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        const zemlo::CardTable& table = db.Table(kind);
        for (int r = 0; r < table.Count(); ++r) {
            cards.emplace_back(table.Cell(1, r), zemlo::OwnedCard{1 + r % 3, {}, {}});
        }
    }
    zemlo::Collection collection;
    collection.PutAll(std::move(cards));
    return collection;
}

zemlo::CardNameLookup NamesOf(const zemlo::CardDatabase& db) {
    return [&db](std::u16string_view cardNo) -> std::u16string_view {
        zemlo::CardKind kind;
        if (!zemlo::KindOfCardNo(cardNo, kind)) return {};
        const int record = db.Table(kind).FindCardNo(cardNo);
        return record < 0 ? std::u16string_view()
                          : db.Table(kind).Cell(zemlo::NameField(kind), record);
    };
}

std::filesystem::path TempCollectionFile() {
    return std::filesystem::temp_directory_path() /
           ("zemlo-bench-collection-" + std::to_string(::getpid()) + ".csv");
}

// The file's bytes made and put in place of the old file, flushed to the disk.
void BM_WriteCollection(benchmark::State& state) {
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    const zemlo::Collection collection = EveryCard(db);
    const zemlo::CardNameLookup names = NamesOf(db);
    const auto path = TempCollectionFile();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = zemlo::WriteCollectionCsv(collection, names);
        bytes = file.size();
        if (!zemlo::ReplaceFileAtomically(path, file)) state.SkipWithError("cannot write");
    }
    state.counters["rows"] = static_cast<double>(collection.Size());
    state.counters["fileKB"] = static_cast<double>(bytes) / 1e3;
    std::filesystem::remove(path);
}

// The same file read from the disk and taken apart into the collection.
void BM_ReadCollection(benchmark::State& state) {
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    const zemlo::Collection collection = EveryCard(db);
    const auto path = TempCollectionFile();
    if (!zemlo::ReplaceFileAtomically(path, zemlo::WriteCollectionCsv(collection, NamesOf(db)))) {
        state.SkipWithError("cannot write");
    }
    std::size_t rows = 0;
    for (auto _ : state) {
        const zemlo::FileContents contents =
            zemlo::ReadFileBytes(path, zemlo::kMaxCollectionFileBytes);
        const zemlo::CollectionReadResult read = zemlo::ReadCollectionCsv(contents.bytes);
        rows = read.collection.Size();
        benchmark::DoNotOptimize(rows);
    }
    if (rows != collection.Size()) state.SkipWithError("rows were lost");
    state.counters["rows"] = static_cast<double>(rows);
    std::filesystem::remove(path);
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_WriteCollection);
ZEMLO_BOTH_POOLS(BM_ReadCollection);
