// The main window's deck commands beyond building the deck: undo and redo, the question
// before a changed deck is lost, recent files, drops and deck text from the clipboard.
#include "ui/deck_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

#include "cardinfo/card_info_panel.h"
#include "deck/deck_history.h"
#include "deck/deck_panel.h"
#include "deck/entry_merge.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/recent_files_menu.h"
#include "platform/code_page.h"
#include "platform/control_name.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace zemlo::test {
namespace {

// Everything a player sees of the deck.
struct SeenDeck {
    std::vector<DeckEntry> lists[3];
    QString counters[3];
    QColor colours[3];
    CardInfoView info;
    QString unitName;

    bool operator==(const SeenDeck& o) const {
        for (int k = 0; k < 3; ++k) {
            if (lists[k] != o.lists[k] || counters[k] != o.counters[k] ||
                colours[k] != o.colours[k]) {
                return false;
            }
        }
        return info == o.info && unitName == o.unitName;
    }
};

class DeckCommandsTest : public ::testing::Test {
protected:
    DeckCommandsTest() {
        AddCard(state.db.units, "ZM0001", {{unit_field::UnitName, "アーベル"}});
        AddCard(state.db.units, "ZM0002", {{unit_field::UnitName, "ブラント"}});
        AddCard(state.db.missions, "MI0001",
                {{mission_field::MissionName, "灯台の夜"}, {mission_field::PointsGained, "7"}});
        AddCard(state.db.characters, "CH0001", {{char_field::CharName, "ミナ"}});
        window = std::make_unique<MainWindow>(state);
        window->FormInit();
        window->show();
    }

    DeckPanel& Panel() const { return *FindControl<DeckPanel>(window.get(), "DeckPanel"); }
    DeckCommands& Commands() const { return *(window.get())->findChild<DeckCommands*>(); }
    DeckEntry Entry(CardKind kind, int record) const {
        return DeckEntry::OfRecord(state.db, kind, record);
    }
    void Add(CardKind kind, int record) { Panel().AddCard(Entry(kind, record)); }
    SeenDeck Seen() const {
        SeenDeck seen;
        for (int k = 0; k < 3; ++k) {
            seen.lists[k] = state.document.CurrentDeck().Entries(static_cast<CardKind>(k));
            seen.counters[k] = Panel().counts[k]->text();
            seen.colours[k] = Panel().counts[k]->palette().color(QPalette::WindowText);
        }
        seen.info = FindControl<CardInfoPanel>(window.get(), "CardInfoPanel")->View();
        seen.unitName =
            FindControl<CardInfoPanel>(window.get(), "CardInfoPanel")->BoxText(CardKind::Unit, 2);
        return seen;
    }
    QString PathOf(std::string_view name) const {
        return QString::fromStdU16String((dir / name).u16string());
    }
    void WriteDeck(std::string_view name, const Deck& deck) {
        ASSERT_TRUE(SaveDeckFile(dir / name, state.db, OutputFlags{}, deck));
    }
    bool IniWritten() const { return std::filesystem::exists(dir / "ZEMLO.ini"); }

    TempDir dir;
    FakeDialogs dialogs;
    ProgramState state{dir.Path()};
    std::unique_ptr<MainWindow> window;
};

TEST_F(DeckCommandsTest, EveryActionIsOneStepBackAndForth) {
    QAction* undo = FindControl<QAction>(window.get(), "mnuUndo");
    QAction* redo = FindControl<QAction>(window.get(), "mnuRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    std::vector<SeenDeck> seen = {Seen()};
    Add(CardKind::Unit, 1);
    Add(CardKind::Unit, 0);
    Add(CardKind::Mission, 0);
    seen.push_back(Seen());  // [1]: points 7 in red
    Add(CardKind::Mission, 0);
    seen.push_back(Seen());  // [2]: points 14 in black
    ASSERT_EQ(seen.back().counters[2], "14");
    QListView* units = Panel().unitList;
    units->setCurrentIndex(units->model()->index(1, 0));
    seen.push_back(Seen());  // [3]: the selection shows ブラント
    QTest::keyClick(units, Qt::Key_Delete);
    seen.push_back(Seen());  // [4]
    Deck opened;
    opened.Add(Entry(CardKind::Character, 0));
    WriteDeck("deck.htm", opened);
    FindControl<QAction>(window.get(), "mnuClearA")->trigger();  // every entry gone in one step
    seen.push_back(Seen());                                      // [5]
    dialogs.fileAnswers = {PathOf("deck.htm")};
    FindControl<QAction>(window.get(), "mnuOpen")->trigger();
    seen.push_back(Seen());  // [6]
    ASSERT_EQ(seen.back().lists[2], opened.Entries(CardKind::Character));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    for (size_t back : {5u, 4u, 3u, 1u}) {
        undo->trigger();
        EXPECT_EQ(Seen(), seen[back]) << back;
    }
    EXPECT_TRUE(redo->isEnabled());
    for (size_t forth : {2u, 4u, 5u, 6u}) {
        redo->trigger();
        EXPECT_EQ(Seen(), seen[forth]) << forth;
    }
    EXPECT_FALSE(redo->isEnabled());

    // A new action after going back drops the steps that were taken back.
    undo->trigger();
    undo->trigger();
    Add(CardKind::Character, 0);
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    EXPECT_EQ(Seen(), seen[4]);
    while (undo->isEnabled()) undo->trigger();
    EXPECT_EQ(Seen(), seen[0]);
}

TEST_F(DeckCommandsTest, DesktopKeysReachTheirCommands) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Add(CardKind::Unit, 0);
    QWidget* focus = Panel().unitList;
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(state.document.CurrentDeck().Entries(CardKind::Unit).empty());
    QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit).size(), 1u);
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit).size(), 1u);
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);  // いいえ, then a cancelled dialog
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_FALSE(dialogs.fileRequests[0].save);
    EXPECT_TRUE(dialogs.fileRequests[1].save);
    EXPECT_EQ(FindControl<QAction>(window.get(), "mnuOpen")
                  ->shortcut()
                  .toString(QKeySequence::NativeText),
              "Ctrl+O");
    // The save dialog itself is Ctrl+Shift+S.
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_TRUE(dialogs.fileRequests[2].save);
}

TEST_F(DeckCommandsTest, OverwriteSavesToTheDecksOwnFileAndAsksOnlyWithoutOne) {
    auto item = [this](const char* name) { return FindControl<QAction>(window.get(), name); };
    EXPECT_EQ(item("mnuOverwrite")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(item("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    auto unitsIn = [this](const char* name) {
        return ReadDeckFile(dir / name, state.db).deck.Entries(CardKind::Unit).size();
    };

    // A deck of no file: asked as the save command asks.
    Add(CardKind::Unit, 0);
    dialogs.fileAnswers = {PathOf("own.htm")};
    item("mnuOverwrite")->trigger();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(unitsIn("own.htm"), 1u);
    // Then straight into that file, and the deck is saved.
    Add(CardKind::Unit, 1);
    item("mnuOverwrite")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(unitsIn("own.htm"), 2u);
    EXPECT_FALSE(state.document.IsChanged());

    // The save command keeps asking; the deck then belongs to the file it named.
    dialogs.fileAnswers = {PathOf("other.htm")};
    item("mnuSave")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    Add(CardKind::Unit, 1);
    item("mnuOverwrite")->trigger();
    EXPECT_EQ(unitsIn("other.htm"), 3u);
    EXPECT_EQ(unitsIn("own.htm"), 2u);

    // An opened deck's file; the unsaved-deck question's はい saves there the same way.
    dialogs.questionAnswers = {QMessageBox::No};
    dialogs.fileAnswers = {PathOf("own.htm")};
    item("mnuOpen")->trigger();
    Add(CardKind::Unit, 0);
    dialogs.questionAnswers = {QMessageBox::Yes};
    dialogs.fileAnswers = {PathOf("other.htm")};
    item("mnuOpen")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 4u);  // the two opens only
    EXPECT_EQ(unitsIn("own.htm"), 3u);

    // Cleared, or replaced by deck text, the deck belongs to no file.
    item("mnuClearA")->trigger();
    dialogs.fileAnswers = {QString()};
    item("mnuOverwrite")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 5u);
    EXPECT_EQ(unitsIn("other.htm"), 3u);
    dialogs.questionAnswers = {QMessageBox::No};
    dialogs.fileAnswers = {PathOf("other.htm")};
    item("mnuOpen")->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("ユニットカード\nブラント\n"));
    dialogs.questionAnswers = {QMessageBox::No};
    item("mnuImport")->trigger();
    dialogs.fileAnswers = {QString()};
    item("mnuOverwrite")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 7u);
    EXPECT_EQ(unitsIn("other.htm"), 3u);
}

TEST_F(DeckCommandsTest, HistoryKeepsTheLastStepsOnly) {
    for (int i = 0; i < DeckHistory::kStepLimit + 5; ++i) Add(CardKind::Unit, 0);
    EXPECT_EQ(state.document.History().Stack()->count(), DeckHistory::kStepLimit);
}

TEST_F(DeckCommandsTest, UnchangedDeckClosesWithoutAQuestion) {
    Add(CardKind::Unit, 0);
    FindControl<QAction>(window.get(), "mnuUndo")->trigger();  // back to the deck of start-up
    window->close();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(IniWritten());
}

TEST_F(DeckCommandsTest, ChangedDeckAsksBeforeClosing) {
    Add(CardKind::Unit, 0);
    const auto before = state.document.CurrentDeck().Entries(CardKind::Unit);
    struct Case {
        const char* name;
        QMessageBox::StandardButton answer;
        QString savePath;
        bool closes;
        size_t messages;  // what went wrong is told, except where the player chose it
    };
    const Case cases[] = {
        {"cancel", QMessageBox::Cancel, {}, false, 0},
        {"yes, save dialog cancelled", QMessageBox::Yes, QString(), false, 0},
        {"yes, save failed", QMessageBox::Yes, PathOf("missing/deck.htm"), false, 1},
        // Neither is a saved deck: the one is refused, the other says it is not made yet.
        {"yes, other ending", QMessageBox::Yes, PathOf("deck.txt"), false, 1},
        {"yes, csv", QMessageBox::Yes, PathOf("deck.csv"), false, 1},
        {"no", QMessageBox::No, {}, true, 0},
    };
    for (const Case& c : cases) {
        dialogs.questions.clear();
        dialogs.messages.clear();
        dialogs.questionAnswers = {c.answer};
        dialogs.fileAnswers = {c.savePath};
        window->close();
        EXPECT_EQ(dialogs.questions, QStringList({"ﾃﾞｯｷが変更されています。保存しますか？"}))
            << c.name;
        EXPECT_EQ(!window->isVisible(), c.closes) << c.name;
        EXPECT_EQ(IniWritten(), c.closes) << c.name;
        EXPECT_EQ(dialogs.messages.size(), c.messages) << c.name;
        EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit), before) << c.name;
    }
    EXPECT_EQ(dialogs.fileRequests.size(), 4u);  // only はい saves
}

TEST_F(DeckCommandsTest, YesSavesAndThenCloses) {
    Add(CardKind::Unit, 0);
    dialogs.questionAnswers = {QMessageBox::Yes};
    dialogs.fileAnswers = {PathOf("kept.htm")};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(IniWritten());
    ASSERT_TRUE(std::filesystem::exists(dir / "kept.htm"));
    EXPECT_TRUE(dialogs.messages.empty());
    // Saved, the deck no longer counts as changed.
    dialogs.questions.clear();
    FindControl<QAction>(window.get(), "mnuOpen")->trigger();
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(DeckCommandsTest, OpeningAnotherDeckAsksFirst) {
    Add(CardKind::Unit, 0);
    dialogs.questionAnswers = {QMessageBox::Cancel};
    FindControl<QAction>(window.get(), "mnuOpen")->trigger();
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit).size(), 1u);
}

TEST_F(DeckCommandsTest, ImportReplacesTheDeckAsOneStepAndNamesWhatItCouldNotMatch) {
    Add(CardKind::Unit, 0);
    const SeenDeck before = Seen();
    QGuiApplication::clipboard()->setText(QStringLiteral("ユニットカード\nブラント x2\nだれか\n"));
    FindControl<QAction>(window.get(), "mnuImport")->trigger();  // いいえ to the question
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit),
              std::vector<DeckEntry>(2, Entry(CardKind::Unit, 1)));
    EXPECT_EQ(Panel().counts[0]->text(), "2");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("だれか"));
    FindControl<QAction>(window.get(), "mnuUndo")->trigger();
    EXPECT_EQ(Seen(), before);

    // Nothing recognisable: the deck stays and nothing is asked.
    QGuiApplication::clipboard()->setText(QStringLiteral("hello"));
    FindControl<QAction>(window.get(), "mnuImport")->trigger();
    EXPECT_EQ(Seen(), before);
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.messages.size(), 2u);

    // More copies than a list holds: the list fills up and the rest is told, still one step.
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "ユニットカード\nブラント ×32767\nアーベル x2\nミッションカード\n灯台の夜 7\n"));
    FindControl<QAction>(window.get(), "mnuImport")->trigger();
    ASSERT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit).size(), kMaxListEntries);
    EXPECT_EQ(Panel().counts[0]->text(), "32767");
    EXPECT_EQ(Panel().counts[2]->text(), "7");
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_TRUE(
        dialogs.messages[2].text.contains(QString::fromStdU16String(LeftOutText({2, 0, 0}))));
    FindControl<QAction>(window.get(), "mnuUndo")->trigger();
    EXPECT_EQ(Seen(), before);
}

TEST_F(DeckCommandsTest, RecentFilesListTheLastDecksAndForgetOnesThatWentAway) {
    Deck deck;
    deck.Add(Entry(CardKind::Unit, 0));
    WriteDeck("a.htm", deck);
    dialogs.fileAnswers = {PathOf("a.htm"), PathOf("b.htm")};
    FindControl<QAction>(window.get(), "mnuOpen")->trigger();
    FindControl<QAction>(window.get(), "mnuSave")->trigger();
    const QList<QAction*> items = Commands().RecentFiles().Items();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->text().startsWith("&1 ") && items[0]->text().endsWith("b.htm"));
    EXPECT_TRUE(items[1]->text().startsWith("&2 ") && items[1]->text().endsWith("a.htm"));
    const QList<QAction*> menu = FindControl<QMenu>(window.get(), "mnuFile")->actions();
    EXPECT_EQ(menu.indexOf(items[1]) + 2,
              menu.indexOf(FindControl<QAction>(window.get(), "mnuExit")));

    // The list outlives the program run.
    MainWindow again(state);
    ASSERT_EQ(again.findChild<DeckCommands*>()->RecentFiles().Items().size(), 2);

    // A deck file that went away is found out before the deck is touched: the changed deck
    // stays, and taking the change back gives the saved deck, unchanged again.
    std::filesystem::remove(dir / "a.htm");
    Add(CardKind::Unit, 1);
    const SeenDeck changed = Seen();
    dialogs.questionAnswers = {QMessageBox::No};
    items[1]->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("ファイルを読み込めませんでした"));
    EXPECT_EQ(Commands().RecentFiles().Items().size(), 1);
    EXPECT_EQ(Seen(), changed);
    EXPECT_TRUE(state.document.History().IsChanged());
    FindControl<QAction>(window.get(), "mnuUndo")->trigger();
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit), deck.Entries(CardKind::Unit));
    EXPECT_FALSE(state.document.History().IsChanged());
}

TEST_F(DeckCommandsTest, DroppedFileOpensLikeTheOpenCommand) {
    Deck deck;
    deck.Add(Entry(CardKind::Mission, 0));
    WriteDeck("dropped.htm", deck);
    auto drop = [this](const QUrl& url) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(PathOf("notes.txt")), url});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &drop);
        QApplication::processEvents();
    };
    drop(QUrl::fromLocalFile(PathOf("dropped.htm")));
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Mission),
              deck.Entries(CardKind::Mission));
    EXPECT_EQ(Panel().counts[2]->text(), "7");
    EXPECT_TRUE(dialogs.messages.empty());

    drop(QUrl::fromLocalFile(PathOf("nowhere.htm")));
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Mission),
              deck.Entries(CardKind::Mission));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("ファイルを読み込めませんでした"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("ファイルがありません")));

    // A deck named in CP932 ("大会.htm") arrives with the bytes its URL carries.
    Deck other;
    other.Add(Entry(CardKind::Unit, 0));
    WriteDeck("\x91\xe5\x89\xef.htm", other);
    dialogs.messages.clear();
    drop(QUrl::fromEncoded(
        "file://" +
        QByteArray::fromStdString((dir / "\x91\xe5\x89\xef.htm").native()).toPercentEncoding("/")));
    EXPECT_EQ(state.document.CurrentDeck().Entries(CardKind::Unit), other.Entries(CardKind::Unit));
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zemlo::test
