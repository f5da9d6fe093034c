// Deck text taken from the clipboard: a full deck's lines matched to the cards. The program
// indexes the name part of every card of the three tables once, at its first import; the
// first case costs that index, the second an import after it.
#include <benchmark/benchmark.h>

#include "bench_pools.h"
#include "carddb/deck_entry.h"
#include "deck/deck_summary.h"
#include "deckfile/deck_text.h"
#include "deckfile/deck_text_matcher.h"

namespace {

using zemlo::CardKind;

// A full deck spread over the tables, 20 units, 12 missions and 3 characters, as deck text.
std::u16string FullDeckText(const zemlo::CardDatabase& db) {
    zemlo::Deck deck;
    const int share[3] = {20, 12, 3};
    for (CardKind kind : zemlo::kDeckKinds) {
        const int count = db.Table(kind).Count();
        const int wanted = share[static_cast<int>(kind)];
        for (int i = 0; i < wanted; ++i) {
            deck.Add(zemlo::DeckEntry::OfRecord(db, kind, i * (count / wanted)));
        }
    }
    return zemlo::DeckText(zemlo::SummarizeDeck(deck));
}

void BM_ImportDeckText(benchmark::State& state) {
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    const std::u16string text = FullDeckText(db);
    const zemlo::DeckTextMatcher matcher(db);
    benchmark::DoNotOptimize(matcher.Match(text).matchedLines);  // the first import
    for (auto _ : state) {
        const zemlo::DeckTextImport result = matcher.Match(text);
        benchmark::DoNotOptimize(result.matchedLines);
    }
}
BENCHMARK(BM_ImportDeckText)->Arg(1500)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_ImportDeckTextFirst(benchmark::State& state) {
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    const std::u16string text = FullDeckText(db);
    for (auto _ : state) {
        const zemlo::DeckTextImport result = zemlo::DeckTextMatcher(db).Match(text);
        benchmark::DoNotOptimize(result.matchedLines);
    }
}
BENCHMARK(BM_ImportDeckTextFirst)->Arg(1500)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
