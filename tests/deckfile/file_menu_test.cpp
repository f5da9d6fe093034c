// The deck commands as the main window's file menu offers them.
#include <gtest/gtest.h>

#include <QAction>

#include "deck/deck_panel.h"
#include "deck_test_cards.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_file_writer.h"
#include "platform/control_name.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace zemlo::test {
namespace {

TEST(FileMenu, DeckCommandsAreAvailable) {
    TempDir dir;
    ProgramState state(dir.Path());
    MainWindow window(state);
    for (QAction* item :
         {FindControl<QAction>(&window, "mnuOpen"), FindControl<QAction>(&window, "mnuSave"),
          FindControl<QAction>(&window, "mnuOptFile"), FindControl<QAction>(&window, "mnuCopy")}) {
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    }
    EXPECT_NE(window.findChild<DeckFileActions*>(), nullptr);
}

TEST(FileMenu, SaveAndOpenGoThroughTheDeckLists) {
    TempDir dir;
    ProgramState state(dir.Path());
    state.db = NumberLengthCards();
    state.output = FlagsFrom(u"01", u"", u"");
    MainWindow window(state);
    FakeDialogs dialogs;
    for (int r : {2, 0, 2}) state.deck.Add(DeckEntry::OfRecord(state.db, CardKind::Unit, r));
    state.deck.Add(DeckEntry::OfRecord(state.db, CardKind::Mission, 3));
    const auto units = state.deck.Entries(CardKind::Unit);
    const auto missions = state.deck.Entries(CardKind::Mission);

    const QString path = QString::fromStdU16String((dir / "deck.htm").u16string());
    dialogs.fileAnswers = {path, path};
    FindControl<QAction>(&window, "mnuSave")->trigger();
    EXPECT_EQ(ReadBytes(dir / "deck.htm"), DeckFileBytes(state.db, state.output, state.deck));
    const Deck saved = state.deck;

    state.deck.ClearAll();
    state.deck.Add(DeckEntry::OfRecord(state.db, CardKind::Character, 0));
    FindControl<QAction>(&window, "mnuOpen")->trigger();
    EXPECT_EQ(state.deck, saved);
    EXPECT_EQ(state.deck.Entries(CardKind::Unit), units);
    EXPECT_EQ(state.deck.Entries(CardKind::Mission), missions);
    EXPECT_TRUE(state.deck.Entries(CardKind::Character).empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zemlo::test
