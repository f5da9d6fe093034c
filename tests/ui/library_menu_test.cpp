// The deck library as the main window offers it: opening a deck goes through the unsaved-deck
// question and the recent files, and the library's card button reads the card information.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "cardinfo/card_info_panel.h"
#include "deck/deck_panel.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/recent_files_menu.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "tools/deck_library_actions.h"
#include "tools/library_indexer.h"
#include "tools/library_model.h"
#include "ui/deck_commands.h"
#include "ui/main_window.h"

namespace zemlo::test {
namespace {

TEST(LibraryMenu, ADeckOpensThroughTheUnsavedDeckQuestionAndJoinsTheRecentFiles) {
    TempDir dir;
    ProgramState state(dir.Path());
    AddCard(state.db.units, "ZM0001", {{unit_field::UnitName, "アーベル"}});
    AddCard(state.db.units, "ZM0002", {{unit_field::UnitName, "ブラント"}});
    Deck saved;
    saved.Add(DeckEntry::OfRecord(state.db, CardKind::Unit, 1));
    ASSERT_TRUE(SaveDeckFile(dir / "saved.htm", state.db, OutputFlags{}, saved));
    MainWindow window(state);
    window.FormInit();
    window.show();
    FakeDialogs dialogs;
    window.findChild<DeckPanel*>()->AddCard(DeckEntry::OfRecord(state.db, CardKind::Unit, 0));

    auto* library = window.findChild<DeckLibraryActions*>();
    ASSERT_NE(library, nullptr);
    library->libraryItem->trigger();
    DeckLibraryWindow* shown = library->Window();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    // The library starts in the program's folder.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !shown->Indexer().Looking() && shown->Model().rowCount() == 1; }, 10000));

    // The card shown in the card information panel narrows the library.
    window.ShowCard(CardKind::Unit, "ZM0002");
    shown->shownCardButton->click();
    EXPECT_EQ(shown->Model().NarrowedCard(), u"ZM0002");
    EXPECT_EQ(shown->Model().rowCount(), 1);

    dialogs.questionAnswers = {QMessageBox::Cancel, QMessageBox::No};
    shown->deckTable->selectRow(0);
    shown->OpenCurrentDeck();  // cancelled: the deck stays
    const Deck& deck = state.document.CurrentDeck();
    EXPECT_EQ(deck.Size(CardKind::Unit), 1u);
    EXPECT_EQ(deck.Entries(CardKind::Unit)[0].CardNo(), u"ZM0001");
    shown->OpenCurrentDeck();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(deck, saved);
    const QList<QAction*> recent = window.findChild<DeckCommands*>()->RecentFiles().Items();
    ASSERT_EQ(recent.size(), 1);
    EXPECT_TRUE(recent[0]->text().startsWith("&1 ") && recent[0]->text().endsWith("saved.htm"));
}

}  // namespace
}  // namespace zemlo::test
