// Deck text taken from the clipboard: the matcher indexes the name part of every card of the
// three tables, then matches a full deck's lines.
#include <benchmark/benchmark.h>

#include "bench_pools.h"
#include "catalog/catalog_entry.h"
#include "deckfile/deck_text.h"
#include "deckfile/deck_text_matcher.h"

namespace {

using zemlo::CardKind;

void BM_ImportDeckText(benchmark::State& state) {
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    // A full deck spread over the tables: 20 units, 12 missions, 3 characters.
    zemlo::DeckLists deck;
    for (int i = 0; i < 20; ++i)
        deck.unit.push_back(zemlo::CatalogEntry(db, CardKind::Unit, i * (db.units.Count() / 20)));
    for (int i = 0; i < 12; ++i)
        deck.mission.push_back(
            zemlo::CatalogEntry(db, CardKind::Mission, i * (db.missions.Count() / 12)));
    for (int i = 0; i < 3; ++i)
        deck.character.push_back(
            zemlo::CatalogEntry(db, CardKind::Character, i * (db.characters.Count() / 3)));
    const std::u16string text = zemlo::DeckText(deck);
    for (auto _ : state) {
        const zemlo::DeckTextImport result = zemlo::DeckTextMatcher(db).Match(text);
        benchmark::DoNotOptimize(result.matchedLines);
    }
}
BENCHMARK(BM_ImportDeckText)->Arg(1500)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
