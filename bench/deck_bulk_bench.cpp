// Big decks from outside: a deck file of 300,000 rows in descending card number order, and
// deck text asking for 999 copies of each of 300 cards, each opened through the program's own
// road into an empty deck shown by the real deck panel with its history (one undo step), the
// lists laid out in a shown window. Both fill the unit list to its 32,767 entries and tell of
// the rest.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QUndoStack>
#include <filesystem>
#include <string>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/deck_entry.h"
#include "carddb/text_width.h"
#include "cardinfo/card_info_panel.h"
#include "deck/deck_document.h"
#include "deck/deck_panel.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/deck_text.h"
#include "deckfile/deck_text_importer.h"
#include "deckfile/html_escape.h"
#include "platform/code_page.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "settings/settings_store.h"

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

// The deck with its history, the deck panel and the card panel, shown as in the main window.
struct DeckWindow {
    explicit DeckWindow(const zemlo::CardDatabase& db) : info(db), panel(history) {
        using zemlo::CardInfoPanel;
        using zemlo::DeckHistory;
        QObject::connect(&history, &DeckHistory::stepStarting, &info,
                         &CardInfoPanel::KeepViewBeforeStep);
        QObject::connect(&history, &DeckHistory::stepRecorded, &info,
                         &CardInfoPanel::KeepViewAfterStep);
        QObject::connect(&history, &DeckHistory::stepForgotten, &info, &CardInfoPanel::ForgetStep);
        panel.show();
        QApplication::processEvents();
    }
    // Every run starts from an empty deck with no history, as the first deck opened does.
    void Empty() {
        history.ApplyDeckEdit(zemlo::ClearDeckEdit(deck));
        history.Stack()->clear();
        document.MarkSaved(QString());
        QApplication::processEvents();
    }

    zemlo::DeckDocument document;
    const zemlo::Deck& deck = document.CurrentDeck();
    zemlo::DeckHistory& history = document.History();
    zemlo::CardInfoPanel info;
    zemlo::DeckPanel panel;
};

// The deck file of an empty deck with `rows` rows added to its unit table: the table's units
// in descending card number order, round and round. More rows than a deck list holds, in the
// order that costs sorting them in one at a time the most.
bool WriteRowsFile(const std::filesystem::path& path, const zemlo::CardDatabase& db, int rows) {
    std::u16string text = zemlo::DeckFileText(db, zemlo::OutputFlags{}, zemlo::Deck{});
    // The unit table's header row is the first row of the file.
    const std::u16string_view headerEnd = u"</TR>\r\n";
    const size_t at = text.find(headerEnd) + headerEnd.size();
    std::u16string body;
    const int count = db.units.Count();
    for (int i = 0; i < rows && count > 0; ++i) {
        body += u"<TR>\r\n<TD noWrap>";
        body += zemlo::EscapeHtml(db.units.Cell(zemlo::unit_field::CardNo, count - 1 - i % count));
        body += u"</TD>\r\n</TR>\r\n";
    }
    text.insert(at, body);
    return static_cast<bool>(zemlo::ReplaceFileAtomically(path, zemlo::EncodeCp932(text)));
}

void Report(benchmark::State& state, std::size_t unitEntries) {
    state.counters["unitEntries"] = static_cast<double>(unitEntries);
}

void BM_OpenDeckFile_300000Rows(benchmark::State& state) {
    zemlo::bench::BenchApp();
    zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    // A deck list cannot hold 300,000 rows: the file is the one a deck of 32,767 rows would
    // give, its unit section repeated until it names 300,000 cards.
    const auto path = std::filesystem::temp_directory_path() /
                      ("zemlo-bench-rows-" + std::to_string(::getpid()) + ".htm");
    if (!WriteRowsFile(path, db, 300000)) {
        state.SkipWithError("cannot write the deck file");
        return;
    }
    QuietDialogs dialogs;
    DeckWindow window(db);
    zemlo::SettingsStore settings(std::filesystem::temp_directory_path());
    zemlo::DeckFileActions actions({db, settings, {}}, window.document, &window.panel);
    const QString file = QString::fromStdU16String(path.u16string());
    std::size_t units = 0;
    for (auto _ : state) {
        actions.OpenDeck(file);
        QApplication::processEvents();  // the lists laid out and painted
        state.PauseTiming();
        units = window.deck.Size(CardKind::Unit);
        window.Empty();
        state.ResumeTiming();
    }
    Report(state, units);
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
        text += u"\r\n" + zemlo::DeckEntry::OfRecord(db, CardKind::Unit, record).NamePart() +
                u"\t ×" + zemlo::FullWidthNumber(999);
    }
    text += u"\r\n\r\n\r\n";
    QuietDialogs dialogs;
    DeckWindow window(db);
    zemlo::DeckTextImporter importer(db, window.history, &window.panel);
    const QString clipboard = QString::fromStdU16String(text);
    std::size_t units = 0;
    for (auto _ : state) {
        importer.ImportText(clipboard);
        QApplication::processEvents();
        state.PauseTiming();
        units = window.deck.Size(CardKind::Unit);
        window.Empty();
        state.ResumeTiming();
    }
    Report(state, units);
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_OpenDeckFile_300000Rows);
ZEMLO_BOTH_POOLS(BM_ImportDeckText_999Copies);
