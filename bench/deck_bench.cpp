// The deck at both pools: one card added and removed in a 1,000-entry deck with its
// counters, the card information panel, the deck file written and read with every column,
// and the deck text of that deck.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QItemSelectionModel>
#include <QListView>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/deck_entry.h"
#include "carddb/entry_roles.h"
#include "cardinfo/card_info_panel.h"
#include "collection/collection_actions.h"
#include "collection/collection_document.h"
#include "collection/deck_shortfall.h"
#include "collection/deck_shortfall_watch.h"
#include "deck/deck_history.h"
#include "deck/deck_panel.h"
#include "deck/deck_summary.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/deck_text.h"

namespace {

using zemlo::CardKind;
using zemlo::bench::Pool;

constexpr int kDeckSize = 1000;

// 400 units, 300 missions and 300 characters spread over each whole table, the last card
// of each table among them so that every lookup meets its longest scan.
zemlo::Deck LargeDeck(const zemlo::CardDatabase& db) {
    zemlo::Deck deck;
    const int share[3] = {400, 300, 300};
    for (CardKind kind : zemlo::kDeckKinds) {
        const int count = db.Table(kind).Count();
        const int wanted = share[static_cast<int>(kind)];
        for (int i = 0; i < wanted && count > 0; ++i) {
            const int record =
                count - 1 - static_cast<int>(static_cast<long long>(i) * count / wanted);
            deck.Add(zemlo::DeckEntry::OfRecord(db, kind, record));
        }
    }
    return deck;
}

zemlo::OutputFlags EveryColumn() {
    zemlo::OutputFlags flags;
    for (auto& f : flags.unit) f = u"1";
    for (auto& f : flags.mission) f = u"1";
    for (auto& f : flags.character) f = u"1";
    return flags;
}

std::filesystem::path TempDeckFile() {
    return std::filesystem::temp_directory_path() /
           ("zemlo-bench-deck-" + std::to_string(::getpid()) + ".html");
}

// Adding a card of a kind from the catalog and removing it again, each a step of the deck's
// history, counters and their colours included, with 1,000 entries in the deck.
void DeckAddRemove(benchmark::State& state, CardKind kind) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    zemlo::Deck deck = LargeDeck(db);
    zemlo::DeckHistory history(deck);
    zemlo::DeckPanel panel(history);
    const int count = db.Table(kind).Count();
    const zemlo::DeckEntry added = zemlo::DeckEntry::OfRecord(db, kind, count / 3);
    const QString entry = QStringView(added.Text()).toString();
    QListView* list = panel.List(kind);
    for (auto _ : state) {
        panel.AddCard(added);
        const QModelIndexList rows = list->model()->match(
            list->model()->index(0, 0), Qt::DisplayRole, entry, 1, Qt::MatchExactly);
        list->selectionModel()->select(rows.front(), QItemSelectionModel::ClearAndSelect);
        panel.RemoveSelected(kind);
    }
    state.counters["entries"] = static_cast<double>(
        deck.Size(CardKind::Unit) + deck.Size(CardKind::Mission) + deck.Size(CardKind::Character));
}

void BM_DeckAddRemoveUnit(benchmark::State& state) {
    DeckAddRemove(state, CardKind::Unit);
}

// The same with "所持枚数を表示" on: the deck lists marked, the line of copies missing shown,
// from a collection that owns every card of the deck once.
void BM_DeckAddRemoveUnit_OwnedShown(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    zemlo::Deck deck = LargeDeck(db);
    zemlo::DeckHistory history(deck);
    zemlo::DeckPanel panel(history);
    const auto dir = std::filesystem::temp_directory_path() /
                     ("zemlo-bench-owned-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    zemlo::SettingsStore settings(dir);
    zemlo::CollectionActions collection(db, settings, dir, deck, &panel);
    for (CardKind kind : zemlo::kDeckKinds) {
        collection.MarkDeckList(panel.List(kind), zemlo::CardNoAt);
    }
    panel.SetStatusLine(collection.MakeMissingLine(&panel));
    collection.SetShown(true);
    collection.Document().Apply(zemlo::AddCopiesEdit(collection.Document().Current(),
                                                     zemlo::CopiesToAdd(zemlo::CardsOfDeck(deck))),
                                true, nullptr);
    const CardKind kind = CardKind::Unit;
    const zemlo::DeckEntry added = zemlo::DeckEntry::OfRecord(db, kind, db.Table(kind).Count() / 3);
    const QString entry = QStringView(added.Text()).toString();
    QListView* list = panel.List(kind);
    for (auto _ : state) {
        panel.AddCard(added);
        const QModelIndexList rows = list->model()->match(
            list->model()->index(0, 0), Qt::DisplayRole, entry, 1, Qt::MatchExactly);
        list->selectionModel()->select(rows.front(), QItemSelectionModel::ClearAndSelect);
        panel.RemoveSelected(kind);
    }
    state.counters["missing"] = static_cast<double>(collection.Watch().TotalMissing());
    std::filesystem::remove_all(dir);
}
void BM_DeckAddRemoveMission(benchmark::State& state) {
    DeckAddRemove(state, CardKind::Mission);
}

// Showing the last unit and the last mission in turn: the longest lookups, every box filled.
void BM_ShowCard(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    zemlo::CardInfoPanel panel(db);
    const QString unit = QString::fromStdU16String(
        std::u16string(db.units.Cell(1, std::max(0, db.units.Count() - 1))));
    const QString mission = QString::fromStdU16String(
        std::u16string(db.missions.Cell(1, std::max(0, db.missions.Count() - 1))));
    for (auto _ : state) {
        panel.ShowCard(CardKind::Unit, unit);
        panel.ShowCard(CardKind::Mission, mission);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// The file's bytes alone, without the disk: what the write costs before the file system.
void BM_DeckFileBytes(benchmark::State& state) {
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    const zemlo::Deck deck = LargeDeck(db);
    const zemlo::OutputFlags flags = EveryColumn();
    size_t size = 0;
    for (auto _ : state) size = zemlo::DeckFileBytes(db, flags, deck).size();
    state.counters["fileKB"] = static_cast<double>(size) / 1e3;
}

// Written to a temporary file that replaces the target once it is safely on the disk.
void BM_DeckFileWrite(benchmark::State& state) {
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    const zemlo::Deck deck = LargeDeck(db);
    const zemlo::OutputFlags flags = EveryColumn();
    const auto path = TempDeckFile();
    for (auto _ : state) {
        if (!zemlo::SaveDeckFile(path, db, flags, deck)) state.SkipWithError("cannot write");
    }
    std::filesystem::remove(path);
}

void BM_DeckFileRead(benchmark::State& state) {
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    const auto path = TempDeckFile();
    zemlo::SaveDeckFile(path, db, EveryColumn(), LargeDeck(db));
    size_t entries = 0;
    for (auto _ : state) {
        const zemlo::DeckFileReadResult result = zemlo::ReadDeckFile(path, db);
        entries = result.deck.Size(CardKind::Unit) + result.deck.Size(CardKind::Mission) +
                  result.deck.Size(CardKind::Character);
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = static_cast<double>(entries);
    std::filesystem::remove(path);
}

void BM_DeckText(benchmark::State& state) {
    const zemlo::Deck deck = LargeDeck(Pool(state.range(0)).db);
    for (auto _ : state) benchmark::DoNotOptimize(zemlo::DeckText(zemlo::SummarizeDeck(deck)));
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_DeckAddRemoveUnit);
ZEMLO_BOTH_POOLS(BM_DeckAddRemoveUnit_OwnedShown);
ZEMLO_BOTH_POOLS(BM_DeckAddRemoveMission);
ZEMLO_BOTH_POOLS(BM_ShowCard);
ZEMLO_BOTH_POOLS(BM_DeckFileBytes);
ZEMLO_BOTH_POOLS(BM_DeckFileWrite);
ZEMLO_BOTH_POOLS(BM_DeckFileRead);
ZEMLO_BOTH_POOLS(BM_DeckText);
