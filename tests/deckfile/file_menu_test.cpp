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
    ASSERT_TRUE(state.settings.WriteSetting(u"OUTPUT", u"UNIT", u"01"));
    MainWindow window(state);
    FakeDialogs dialogs;
    const Deck& deck = state.document.CurrentDeck();
    auto replace = [&state](const Deck& other) {
        state.document.History().ApplyDeckEdit(
            ReplaceDeckEdit(state.document.CurrentDeck(), other));
    };
    replace(DeckOf(EntriesOf(state.db, CardKind::Unit, {2, 0, 2}),
                   EntriesOf(state.db, CardKind::Mission, {3})));
    const Deck saved = deck;

    const QString path = QString::fromStdU16String((dir / "deck.htm").u16string());
    dialogs.fileAnswers = {path, path};
    FindControl<QAction>(&window, "mnuSave")->trigger();
    // With the output items of the settings file.
    EXPECT_EQ(ReadBytes(dir / "deck.htm"),
              DeckFileBytes(state.db, FlagsFrom(u"01", u"", u""), saved));

    replace(DeckOf({}, {}, EntriesOf(state.db, CardKind::Character, {0})));
    FindControl<QAction>(&window, "mnuOpen")->trigger();
    EXPECT_EQ(deck, saved);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zemlo::test
