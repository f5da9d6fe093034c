// The analysis tools on the bundled sample and on the largest card database: each graph's
// tally of a 1,000-entry deck, shuffling a 1,000-entry pile, and one name-search step over a
// whole catalog that finds nothing (the longest walk a press can make), exact and folded;
// the draw odds table of a 1,000-entry pile. Each case ends with
// the size of the card pool it runs on.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_data.h"
#include "carddb/card_loader.h"
#include "carddb/deck_entry.h"
#include "carddb/qt_normaliser.h"
#include "carddb/search_fold.h"
#include "catalog/catalog_order.h"
#include "deck/deck_summary.h"
#include "tools/draw_odds.h"
#include "tools/draw_pile.h"
#include "tools/graph_texts.h"
#include "tools/name_search.h"

namespace {

using zemlo::CardDatabase;
using zemlo::CardKind;
using zemlo::GraphKind;

constexpr int kDeckEntries = 1000;

const CardDatabase& Database(bool largest) {
    static CardDatabase sample, max;
    static bool loaded[2] = {false, false};
    CardDatabase& db = largest ? max : sample;
    if (!loaded[largest]) {
        zemlo::LoadCardData(db, largest ? zemlo::bench::LargestDir() : zemlo::bench::SampleDir());
        if (db.units.Count() == 0) std::fprintf(stderr, "no card data; build bench_data\n");
        loaded[largest] = true;
    }
    return db;
}

// A deck list of 1,000 entries spread over the whole table, sorted as the deck lists are.
zemlo::Deck Deck(const CardDatabase& db, CardKind kind) {
    const int count = db.Table(kind).Count();
    std::vector<zemlo::DeckEntry> entries;
    for (int i = 0; i < kDeckEntries && count > 0; ++i) {
        entries.push_back(
            zemlo::DeckEntry::OfRecord(db, kind, static_cast<int>((i * 7919LL) % count)));
    }
    zemlo::Deck deck;
    deck.Fill(std::move(entries));
    return deck;
}

void GraphTally(benchmark::State& state, GraphKind kind, bool largest) {
    const CardDatabase& db = Database(largest);
    const bool missions = kind == GraphKind::MissionTerrain;
    const CardKind deckKind = missions ? CardKind::Mission : CardKind::Unit;
    const zemlo::Deck deck = Deck(db, deckKind);
    // Each drawing summarises the deck and tallies its cards.
    for (auto _ : state) {
        const zemlo::DeckSummary summary = zemlo::SummarizeDeck(deck);
        if (kind == GraphKind::UnitTerrain || missions) {
            benchmark::DoNotOptimize(zemlo::TallyTerrainGraph(db, summary.Cards(deckKind), kind));
        } else {
            const zemlo::ValueTally tally =
                zemlo::TallyValueGraph(db.units, summary.Cards(deckKind), kind);
            benchmark::DoNotOptimize(zemlo::AverageCaption(kind, tally));
        }
    }
}

void ShufflePile(benchmark::State& state, bool largest) {
    const std::vector<zemlo::DeckEntry> deck =
        Deck(Database(largest), CardKind::Unit).Entries(CardKind::Unit);
    zemlo::RandomSequence sequence;
    const zemlo::UniformSource next = [&sequence] { return sequence.Next(); };
    zemlo::DrawPile pile;
    for (auto _ : state) {
        pile.ShufflePile(deck, next);
        benchmark::DoNotOptimize(pile.Rows().data());
    }
}

// The whole odds table of a 1,000-entry unit pile at 40 cards drawn: the rows with their
// names and every cell's numbers.
void DrawOddsTable(benchmark::State& state, bool largest) {
    const CardDatabase& db = Database(largest);
    const zemlo::Deck deck = Deck(db, CardKind::Unit);
    const int size = static_cast<int>(deck.Size(CardKind::Unit));
    constexpr int kDrawn = 40;
    for (auto _ : state) {
        double sum = 0;
        const zemlo::DeckSummary summary = zemlo::SummarizeDeck(deck);
        for (const zemlo::OddsRow& row : zemlo::PileOddsRows(summary.Cards(CardKind::Unit))) {
            sum += zemlo::ChanceOfAtLeastOne(size, row.copies, kDrawn) +
                   zemlo::ChanceOfAtLeastTwo(size, row.copies, kDrawn) +
                   zemlo::ExpectedCopies(size, row.copies, kDrawn);
        }
        benchmark::DoNotOptimize(sum);
    }
}

void SeekStep(benchmark::State& state, CardKind kind, bool largest, bool folded) {
    const CardDatabase& db = Database(largest);
    const zemlo::CatalogOrder order(db, kind);
    const std::vector<int>& sorted = order.Sorted();
    const zemlo::EntryTextAt entryAt = [&](int p) { return order.Entry(sorted[p]).SearchedPart(); };
    const zemlo::SearchFold fold(zemlo::NfkcThroughQt);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            folded ? zemlo::FoldedSeekStep(order.Count(), -1, true, u"ｶﾞｲﾄｳﾅｼ", entryAt, fold)
                   : zemlo::SeekStep(order.Count(), -1, true, u"該当なし", entryAt));
    }
}

struct GraphCase {
    const char* name;
    GraphKind kind;
};
constexpr GraphCase kGraphs[] = {
    {"RollOut", GraphKind::RollOut},         {"Hp", GraphKind::Hp},
    {"NearPower", GraphKind::NearPower},     {"FarPower", GraphKind::FarPower},
    {"UnitTerrain", GraphKind::UnitTerrain}, {"MissionTerrain", GraphKind::MissionTerrain}};

// Pool sizes of the sample database by kind, and of the largest.
int PoolSize(CardKind kind, bool largest) {
    if (largest) return 32767;
    return kind == CardKind::Unit ? 1500 : kind == CardKind::Mission ? 300 : 400;
}

std::string Name(const std::string& base, CardKind kind, bool largest) {
    return base + "/" + std::to_string(PoolSize(kind, largest));
}

[[maybe_unused]] const bool kRegistered = [] {
    for (const bool largest : {false, true}) {
        for (const GraphCase& graph : kGraphs) {
            const CardKind kind =
                graph.kind == GraphKind::MissionTerrain ? CardKind::Mission : CardKind::Unit;
            benchmark::RegisterBenchmark(
                Name(std::string("BM_GraphTally_") + graph.name, kind, largest).c_str(),
                [graph, largest](benchmark::State& s) { GraphTally(s, graph.kind, largest); })
                ->Unit(benchmark::kMicrosecond);
        }
        benchmark::RegisterBenchmark(Name("BM_ShufflePile", CardKind::Unit, largest).c_str(),
                                     [largest](benchmark::State& s) { ShufflePile(s, largest); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(Name("BM_DrawOddsTable", CardKind::Unit, largest).c_str(),
                                     [largest](benchmark::State& s) { DrawOddsTable(s, largest); })
            ->Unit(benchmark::kMicrosecond);
        const std::pair<const char*, CardKind> catalogs[] = {{"Units", CardKind::Unit},
                                                             {"Missions", CardKind::Mission},
                                                             {"Characters", CardKind::Character}};
        for (const auto& [name, kind] : catalogs) {
            for (const bool folded : {false, true}) {
                const std::string base = folded ? "BM_FoldedSeekStep_" : "BM_SeekStep_";
                benchmark::RegisterBenchmark(Name(base + name, kind, largest).c_str(),
                                             [kind, largest, folded](benchmark::State& s) {
                                                 SeekStep(s, kind, largest, folded);
                                             })
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
    return true;
}();

}  // namespace
