// The deck sheet at both pools: its contents for a 1,000-entry deck (every entry its own
// card, 17 pages), and a tournament deck of 35 entries (20 units, 10 missions, 5
// characters, one page) drawn as a PDF file and as a PNG image.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/deck_entry.h"
#include "deck/deck_summary.h"
#include "deckfile/deck_sheet.h"
#include "deckfile/deck_sheet_painter.h"

namespace {

using zemlo::CardKind;
using zemlo::bench::Pool;

// per[kind] different cards of each kind, spread over each whole table, the last ones
// included; copies[kind] copies of each.
zemlo::Deck DeckOf(const zemlo::CardDatabase& db, const int (&per)[3], const int (&copies)[3]) {
    zemlo::Deck deck;
    for (CardKind kind : zemlo::kDeckKinds) {
        const int k = static_cast<int>(kind);
        const int count = db.Table(kind).Count();
        std::vector<zemlo::DeckEntry> entries;
        for (int i = 0; i < per[k] && count > 0; ++i) {
            const int record =
                count - 1 - static_cast<int>(static_cast<long long>(i) * count / per[k]);
            entries.insert(entries.end(), copies[k], zemlo::DeckEntry::OfRecord(db, kind, record));
        }
        deck.Fill(std::move(entries));
    }
    return deck;
}

zemlo::SheetHeading Heading() {
    return {u"山田 太郎", u"大会用デッキ", zemlo::SheetDateText(2026, 12, 7), u"冬季大会"};
}

zemlo::Deck TournamentDeck(long long pool) {
    return DeckOf(Pool(pool).db, {10, 5, 5}, {2, 2, 1});
}

void BM_DeckSheetBuild(benchmark::State& state) {
    const zemlo::Deck deck = DeckOf(Pool(state.range(0)).db, {400, 300, 300}, {1, 1, 1});
    std::size_t pages = 0;
    for (auto _ : state) {
        const zemlo::DeckSheet sheet = zemlo::BuildDeckSheet(zemlo::SummarizeDeck(deck), Heading());
        pages = sheet.pages.size();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = static_cast<double>(pages);
}

void BM_DeckSheetPdf(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const zemlo::DeckSheet sheet =
        zemlo::BuildDeckSheet(zemlo::SummarizeDeck(TournamentDeck(state.range(0))), Heading());
    qsizetype size = 0;
    for (auto _ : state) size = zemlo::SheetPdf(sheet).size();
    state.counters["fileKB"] = static_cast<double>(size) / 1e3;
}

void BM_DeckSheetPng(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const zemlo::DeckSheet sheet =
        zemlo::BuildDeckSheet(zemlo::SummarizeDeck(TournamentDeck(state.range(0))), Heading());
    qsizetype size = 0;
    for (auto _ : state) size = zemlo::SheetPngs(sheet).front().size();
    state.counters["fileKB"] = static_cast<double>(size) / 1e3;
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_DeckSheetBuild);
ZEMLO_BOTH_POOLS(BM_DeckSheetPdf);
ZEMLO_BOTH_POOLS(BM_DeckSheetPng);
