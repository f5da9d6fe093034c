// Big decks from outside: a deck file of 300,000 rows in descending card number order, and
// deck text asking for 999 copies of each of 300 cards, each opened through the program's own
// road into the real deck panel with its history (one undo step), the lists laid out in a
// shown window. Both fill the unit list to its 32,767 entries and tell of the rest.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QUndoStack>
#include <filesystem>
#include <string>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/text_width.h"
#include "catalog/catalog_entry.h"
#include "deck/card_info_panel.h"
#include "deck/deck_history.h"
#include "deck/deck_panel.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/deck_text.h"
#include "deckfile/deck_text_importer.h"
#include "platform/dialog_service.h"
#include "platform/settings_store.h"

namespace {

using zemlo::CardKind;

// Answers every message at once, as a player pressing OK would.
class QuietDialogs : public zemlo::DialogService {
public:
    QuietDialogs() { zemlo::SetDialogService(this); }
    ~QuietDialogs() override { zemlo::SetDialogService(nullptr); }
    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                        QMessageBox::StandardButtons) override {
        return QMessageBox::Ok;
    }
    QString AskFileName(QWidget*, const zemlo::FileDialogRequest&) override { return {}; }
};

// The deck panel, the card panel and the deck's history, shown as in the main window.
struct DeckWindow {
    explicit DeckWindow(const zemlo::CardDatabase& db) : info(db), history(panel, info) {
        panel.show();
        QApplication::processEvents();
    }
    zemlo::DeckPanel panel;
    zemlo::CardInfoPanel info;
    zemlo::DeckHistory history;
};

void Report(benchmark::State& state, const zemlo::DeckPanel& panel) {
    state.counters["unitEntries"] = static_cast<double>(panel.Entries(CardKind::Unit).size());
}

void BM_OpenDeckFile_300000Rows(benchmark::State& state) {
    zemlo::bench::BenchApp();
    zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    zemlo::DeckLists rows;
    const int count = db.units.Count();
    for (int i = 0; i < 300000 && count > 0; ++i) {
        rows.unit.push_back(zemlo::CatalogEntry(db, CardKind::Unit, count - 1 - i % count));
    }
    const auto path = std::filesystem::temp_directory_path() /
                      ("zemlo-bench-rows-" + std::to_string(::getpid()) + ".htm");
    if (!zemlo::SaveDeckFile(path, db, zemlo::OutputFlags{}, rows)) {
        state.SkipWithError("cannot write the deck file");
        return;
    }
    QuietDialogs dialogs;
    DeckWindow window(db);
    zemlo::OutputFlags output;
    zemlo::SettingsStore settings(std::filesystem::temp_directory_path());
    zemlo::DeckFileActions actions({db, output, settings, {}}, window.panel, &window.panel);
    const QString file = QString::fromStdU16String(path.u16string());
    for (auto _ : state) {
        actions.OpenDeckFile(file);
        QApplication::processEvents();  // the lists laid out and painted
        state.PauseTiming();
        window.history.Stack()->clear();
        state.ResumeTiming();
    }
    Report(state, window.panel);
    std::filesystem::remove(path);
}

void BM_ImportDeckText_999Copies(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    // 300 lines of "name ×９９９", as the deck text writes a card's copies.
    std::u16string text = u"ユニットカード";
    const int count = db.units.Count();
    for (int i = 0; i < 300 && count > 0; ++i) {
        const int record = count - 1 - static_cast<int>(static_cast<long long>(i) * count / 300);
        text += u"\r\n" + zemlo::DeckEntryName(zemlo::CatalogEntry(db, CardKind::Unit, record)) +
                u"\t ×" + zemlo::FullWidthNumber(999);
    }
    text += u"\r\n\r\n\r\n";
    QuietDialogs dialogs;
    DeckWindow window(db);
    zemlo::DeckTextImporter importer(db, window.panel, &window.panel);
    const QString clipboard = QString::fromStdU16String(text);
    for (auto _ : state) {
        importer.ImportText(clipboard);
        QApplication::processEvents();
        state.PauseTiming();
        window.history.Stack()->clear();
        state.ResumeTiming();
    }
    Report(state, window.panel);
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_OpenDeckFile_300000Rows);
ZEMLO_BOTH_POOLS(BM_ImportDeckText_999Copies);
