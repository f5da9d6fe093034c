// The deck library window on a folder of real deck files: the look on its own thread, the
// table and its sorting, narrowing to a card, opening and comparing decks, the folder choice
// and a deck saved into the folder while the window is open.
#include "tools/deck_library_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include "collection/collection_document.h"
#include "collection/collection_edit.h"
#include "library_decks.h"
#include "settings/library_settings.h"
#include "support/fake_dialogs.h"
#include "support/model_checks.h"
#include "support/temp_dir.h"
#include "tools/deck_comparison_window.h"
#include "tools/deck_difference.h"
#include "tools/library_indexer.h"
#include "tools/library_model.h"

namespace zemlo::test {
namespace {

namespace fs = std::filesystem;

class DeckLibraryWindowTest : public ::testing::Test {
protected:
    DeckLibraryWindowTest() : db(LibraryCards()), settings(dir.Path()) {
        fs::create_directories(dir / "decks/sub");
        SaveLibraryDeck(dir / "decks/full.htm", db, RuleKeepingDeck(db));
        SaveLibraryDeck(dir / "decks/sub/short.htm", db, MakeDeck(db, {0, 0, 3}, {2}, {1}));
        WriteBytes(dir / "decks/page.htm", "<HTML></HTML>");
        current = MakeDeck(db, {0, 0, 1}, {}, {});
        EXPECT_EQ(SaveLibrarySettings(settings, {(dir / "decks").u16string()}), LibrarySave::Saved);
    }

    // The window after its first look.
    std::unique_ptr<DeckLibraryWindow> Open(CollectionDocument* collection = nullptr) {
        LibraryHooks hooks;
        hooks.collection = collection;
        hooks.currentDeck = [this] { return SummarizeDeck(current); };
        hooks.openDeck = [this](const QString& path) { opened << path; };
        hooks.shownCardNo = [this] { return shownCard; };
        auto window =
            std::make_unique<DeckLibraryWindow>(db, settings, dir.Path(), std::move(hooks));
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Indexer().Looking(); }, 10000));
        return window;
    }

    // The path of the deck shown in a row of the table as the player sees it.
    static QString RowFile(DeckLibraryWindow& window, int row) {
        return window.deckTable->model()->index(row, LibraryModel::FileName).data().toString();
    }
    // Text as an input method commits it, the way Japanese reaches a text box.
    static void Type(QLineEdit* box, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
    }
    static void SelectRow(DeckLibraryWindow& window, int row, bool add) {
        QTableView* table = window.deckTable;
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton,
                          add ? Qt::ControlModifier : Qt::NoModifier, cell.center());
    }

    CardDatabase db;
    TempDir dir;
    SettingsStore settings;
    Deck current;
    QStringList opened;
    std::u16string shownCard;
};

TEST_F(DeckLibraryWindowTest, ListsTheRememberedFolderAndSortsNumbersAsNumbers) {
    auto window = Open();
    QAbstractItemModel* table = window->deckTable->model();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(window->summaryLabel->text(), "ﾃﾞｯｷ 2 件、ﾃﾞｯｷでないﾌｧｲﾙ 1 件");
    EXPECT_EQ(window->folderBox->text(), QString::fromStdU16String((dir / "decks").u16string()));
    EXPECT_EQ(RowFile(*window, 0), "full.htm");
    EXPECT_EQ(table->index(1, LibraryModel::Folder).data().toString(), "sub");
    EXPECT_EQ(table->index(1, LibraryModel::Judgement).data().toString(),
              "ﾕﾆｯﾄ 3、ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ 2、戦果 1");
    EXPECT_EQ(table->index(1, LibraryModel::Judgement).data(Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    EXPECT_FALSE(table->index(0, LibraryModel::Judgement).data(Qt::ForegroundRole).isValid());

    // 1 point before 20, which a sort of texts would not give.
    window->deckTable->sortByColumn(LibraryModel::Points, Qt::AscendingOrder);
    EXPECT_EQ(RowFile(*window, 0), "short.htm");
    window->deckTable->sortByColumn(LibraryModel::Points, Qt::DescendingOrder);
    EXPECT_EQ(RowFile(*window, 0), "full.htm");
}

TEST_F(DeckLibraryWindowTest, NarrowsToACardByNumberByNameOrByTheCardShownAndOpensTheChosenDeck) {
    auto window = Open();
    QAbstractItemModel* table = window->deckTable->model();
    // The table's model and the sorting proxy over it, as Qt's tester expects them to behave.
    const CheckedModel checkedModel(&window->Model());
    const CheckedModel checkedTable(table);
    SelectRow(*window, 0, false);
    SelectRow(*window, 1, true);
    QTest::keyClicks(window->cardBox, "ZM0001");
    QTest::keyClick(window->cardBox, Qt::Key_Return);
    ASSERT_EQ(table->rowCount(), 2);
    ASSERT_EQ(table->columnCount(), LibraryModel::Copies + 1);
    window->deckTable->sortByColumn(LibraryModel::Copies, Qt::DescendingOrder);
    EXPECT_EQ(RowFile(*window, 0), "short.htm");
    EXPECT_EQ(table->index(0, LibraryModel::Copies).data().toInt(), 2);
    EXPECT_EQ(window->narrowedLabel->text(), "ZM0001  試作機1 を持つﾃﾞｯｷ: 2 件");

    // A part of a name only one card has; a character only the short deck holds.
    window->cardBox->clear();
    Type(window->cardBox, "隊長2");
    QTest::keyClick(window->cardBox, Qt::Key_Return);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(RowFile(*window, 0), "short.htm");
    // Only the deck still listed stays selected, and compared.
    EXPECT_EQ(window->SelectedRows().size(), 1u);
    EXPECT_FALSE(window->compareButton->isEnabled());

    shownCard = u"MI0010";
    window->shownCardButton->click();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(RowFile(*window, 0), "full.htm");

    window->clearCardButton->click();
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), LibraryModel::Copies);

    window->deckTable->sortByColumn(LibraryModel::FileName, Qt::AscendingOrder);
    SelectRow(*window, 1, false);
    QTest::keyClick(window->deckTable, Qt::Key_Return);
    // A double click is a click and then the second press.
    const QPoint first = window->deckTable->visualRect(table->index(0, 0)).center();
    QTest::mouseClick(window->deckTable->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    QTest::mouseDClick(window->deckTable->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    EXPECT_EQ(opened,
              QStringList({QString::fromStdU16String((dir / "decks/sub/short.htm").u16string()),
                           QString::fromStdU16String((dir / "decks/full.htm").u16string())}));
}

TEST_F(DeckLibraryWindowTest, TypedNumbersFoldAndATextNamingNoCardListsNoDeck) {
    auto window = Open();
    QAbstractItemModel* table = window->deckTable->model();
    QHeaderView* header = window->deckTable->horizontalHeader();
    window->deckTable->sortByColumn(LibraryModel::Points, Qt::AscendingOrder);
    EXPECT_FALSE(window->lookProgress->isTextVisible());  // no "1 / 1" while idle

    QTest::keyClicks(window->cardBox, "zm0001");
    QTest::keyClick(window->cardBox, Qt::Key_Return);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(window->cardBox->text(), "ZM0001  試作機1");

    // Not the decks of the card before under a text that names none.
    window->cardBox->setFocus();
    window->cardBox->selectAll();
    QTest::keyClicks(window->cardBox, "ZM9999");
    QTest::keyClick(window->cardBox, Qt::Key_Return);
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(window->narrowedLabel->text(), "該当するｶｰﾄﾞがありません");
    EXPECT_TRUE(window->clearCardButton->isEnabled());

    // Emptying the box lists every deck, in the order chosen.
    window->cardBox->selectAll();
    QTest::keyClick(window->cardBox, Qt::Key_Backspace);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_FALSE(window->narrowedLabel->isVisible());
    EXPECT_EQ(RowFile(*window, 0), "short.htm");

    Type(window->cardBox, "ＺＭ０００１");
    QTest::keyClick(window->cardBox, Qt::Key_Return);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), LibraryModel::Copies + 1);
    // The copies' column goes with 解除, and the sort chosen before it comes back.
    window->deckTable->sortByColumn(LibraryModel::Copies, Qt::DescendingOrder);
    window->clearCardButton->click();
    EXPECT_EQ(header->sortIndicatorSection(), LibraryModel::Points);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(RowFile(*window, 0), "short.htm");
}

TEST_F(DeckLibraryWindowTest, FoldersBeyondThoseWatchedAreTold) {
    auto window = Open();
    EXPECT_FALSE(window->watchNote->isVisible());
    window->SetMaxWatchedFolders(1);
    window->Refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Indexer().Looking(); }, 10000));
    EXPECT_TRUE(window->watchNote->isVisible());
    EXPECT_TRUE(window->watchNote->text().contains("2 個のうち 1 個"))
        << window->watchNote->text().toStdString();
    window->SetMaxWatchedFolders(2);
    window->Refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Indexer().Looking(); }, 10000));
    EXPECT_FALSE(window->watchNote->isVisible());
    // Looks that keep the folders keep them watched: a deck saved into either one appears.
    window->Refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Indexer().Looking(); }, 10000));
    SaveLibraryDeck(dir / "decks/sub/late.htm", db, RuleKeepingDeck(db));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window->deckTable->model()->rowCount() == 3; }, 10000));
}

TEST_F(DeckLibraryWindowTest, ComparesTwoDecksInTheOrderSelectedAndOneWithTheCurrentDeck) {
    auto window = Open();
    window->deckTable->sortByColumn(LibraryModel::FileName, Qt::AscendingOrder);
    EXPECT_FALSE(window->compareButton->isEnabled());
    SelectRow(*window, 1, false);  // short.htm first
    SelectRow(*window, 0, true);
    ASSERT_TRUE(window->compareButton->isEnabled());
    EXPECT_FALSE(window->compareCurrentButton->isEnabled());
    window->compareButton->click();
    DeckComparisonWindow* compare = window->CompareWindow();
    ASSERT_NE(compare, nullptr);
    // Each deck with its folder, and either opened from here.
    const QString decks = QString::fromStdU16String((dir / "decks").u16string());
    EXPECT_EQ(compare->firstDeckLabel->text(), "1: short.htm（" + decks + "/sub）");
    EXPECT_EQ(compare->secondDeckLabel->text(), "2: full.htm（" + decks + "）");
    compare->openSecondButton->click();
    EXPECT_EQ(opened, QStringList({decks + "/full.htm"}));
    QStandardItemModel* units = compare->Table(CardKind::Unit);
    ASSERT_EQ(units->rowCount(), 19);  // ZM0001 to ZM0020 but ZM0004, once in each
    EXPECT_EQ(units->index(0, 0).data().toString(), "ZM0001");
    EXPECT_EQ(units->index(0, 4).data().toString(), "－1");
    EXPECT_EQ(units->index(1, 4).data().toString(), "＋1");
    EXPECT_TRUE(compare->counterLabels[0]->text().contains("color:#ff0000\">3<"));

    compare->copyButton->click();
    const DeckSummary shortDeck = SummarizeDeck(MakeDeck(db, {0, 0, 3}, {2}, {1}));
    EXPECT_EQ(QApplication::clipboard()->text().toStdU16String(),
              DifferenceText(CompareDecks(shortDeck, SummarizeDeck(RuleKeepingDeck(db)), false)));

    SelectRow(*window, 1, false);
    ASSERT_TRUE(window->compareCurrentButton->isEnabled());
    window->compareCurrentButton->click();
    EXPECT_EQ(compare->firstDeckLabel->text(), "1: 現在のﾃﾞｯｷ");
    EXPECT_FALSE(compare->openFirstButton->isEnabled());
    EXPECT_TRUE(compare->openSecondButton->isEnabled());
    EXPECT_EQ(units->rowCount(), 2);  // ZM0002 and ZM0004
    compare->showEqualBox->click();   // ZM0001, twice in each, joins them
    ASSERT_EQ(units->rowCount(), 3);
    EXPECT_EQ(units->index(0, 4).data().toString(), "0");
}

TEST_F(DeckLibraryWindowTest, TheCopiesMissingFromTheCollectionSortAndNarrowToTheDecksOneCanBuild) {
    // One copy of every card the rule-keeping deck holds, none of the short deck's character.
    std::string file = "No,名称,枚数\r\n";
    for (int n = 1; n <= 20; ++n)
        file += "ZM" + std::string(n < 10 ? "000" : "00") + std::to_string(n) + ",,1\r\n";
    for (int n = 1; n <= 10; ++n)
        file += "MI" + std::string(n < 10 ? "000" : "00") + std::to_string(n) + ",,1\r\n";
    WriteBytes(dir / "collection.csv", file);
    CollectionDocument collection(db, settings, dir.Path());
    auto window = Open(&collection);
    QAbstractItemModel* table = window->deckTable->model();
    window->deckTable->sortByColumn(LibraryModel::Missing, Qt::DescendingOrder);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(RowFile(*window, 0), "short.htm");  // ZM0001 twice, and CH0002
    EXPECT_EQ(table->index(0, LibraryModel::Missing).data().toInt(), 2);
    EXPECT_EQ(table->index(1, LibraryModel::Missing).data().toInt(), 0);

    window->buildableBox->setChecked(true);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(RowFile(*window, 0), "full.htm");
    // Owning one card fewer leaves no deck to build.
    collection.Apply(SetOwnedEdit(collection.Current(), u"MI0010", 0), true, nullptr);
    EXPECT_EQ(table->rowCount(), 0);
    window->buildableBox->setChecked(false);
    EXPECT_EQ(table->rowCount(), 2);
}

TEST_F(DeckLibraryWindowTest, AChosenFolderIsRememberedOrTheWindowSaysItCannotBe) {
    FakeDialogs dialogs;
    auto window = Open();
    const fs::path odd = dir / "波〜線";  // U+301C: no place for it in the settings file
    fs::create_directories(odd);
    SaveLibraryDeck(odd / "x.htm", db, RuleKeepingDeck(db));
    dialogs.fileAnswers = {QString::fromStdU16String(odd.u16string())};
    window->browseButton->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.fileRequests[0].folder);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Indexer().Looking(); }, 10000));
    EXPECT_EQ(window->deckTable->model()->rowCount(), 1);
    EXPECT_TRUE(window->folderNote->isVisible());
    EXPECT_EQ(LoadLibrarySettings(settings).folder, (dir / "decks").u16string());

    dialogs.fileAnswers = {QString::fromStdU16String((dir / "decks/sub").u16string())};
    window->browseButton->click();
    EXPECT_FALSE(window->folderNote->isVisible());
    EXPECT_EQ(LoadLibrarySettings(settings).folder, (dir / "decks/sub").u16string());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DeckLibraryWindowTest, ADeckSavedIntoTheFolderAppearsWithoutAsking) {
    auto window = Open();
    const CheckedModel checkedTable(window->deckTable->model());
    ASSERT_EQ(window->deckTable->model()->rowCount(), 2);
    SaveLibraryDeck(dir / "decks/sub/new.htm", db, RuleKeepingDeck(db));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window->deckTable->model()->rowCount() == 3; }, 10000));
    // Only the new file was read.
    EXPECT_EQ(window->Indexer().Index().filesRead, 1);
}

}  // namespace
}  // namespace zemlo::test
