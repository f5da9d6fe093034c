// The deck commands as the main window's file menu offers them.
#include <gtest/gtest.h>

#include <QAction>

#include "catalog/catalog_entry.h"
#include "deck/deck_panel.h"
#include "deck_test_cards.h"
#include "deckfile/deck_file_writer.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace zemlo::test {
namespace {

TEST(FileMenu, DeckCommandsAreAvailable) {
    TempDir dir;
    ProgramState state(dir.Path());
    MainWindow window(state);
    for (QAction* item : {window.mnuOpen, window.mnuSave, window.mnuOptFile, window.mnuCopy}) {
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    }
    EXPECT_NE(window.deckFileActions_, nullptr);
}

TEST(FileMenu, SaveAndOpenGoThroughTheDeckLists) {
    TempDir dir;
    ProgramState state(dir.Path());
    state.db = NumberLengthCards();
    state.output = FlagsFrom(u"01", u"", u"");
    MainWindow window(state);
    FakeDialogs dialogs;
    for (int r : {2, 0, 2})
        window.deckPanel_->AddEntry(CardKind::Unit, CatalogEntry(state.db, CardKind::Unit, r));
    window.deckPanel_->AddEntry(CardKind::Mission, CatalogEntry(state.db, CardKind::Mission, 3));
    const auto units = window.deckPanel_->Entries(CardKind::Unit);
    const auto missions = window.deckPanel_->Entries(CardKind::Mission);

    const QString path = QString::fromStdU16String((dir / "deck.htm").u16string());
    dialogs.fileAnswers = {path, path};
    window.mnuSave->trigger();
    DeckLists saved;
    saved.unit = units;
    saved.mission = missions;
    EXPECT_EQ(ReadBytes(dir / "deck.htm"), DeckFileBytes(state.db, state.output, saved));

    window.deckPanel_->ClearAll();
    window.deckPanel_->AddEntry(CardKind::Character,
                                CatalogEntry(state.db, CardKind::Character, 0));
    window.mnuOpen->trigger();
    EXPECT_EQ(window.deckPanel_->Entries(CardKind::Unit), units);
    EXPECT_EQ(window.deckPanel_->Entries(CardKind::Mission), missions);
    EXPECT_TRUE(window.deckPanel_->Entries(CardKind::Character).empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zemlo::test
