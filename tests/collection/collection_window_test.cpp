// The collection as the player meets it: the file kept through hostile ones, the window's
// edits and undo, its commands, and the marks over the card lists.
#include "collection/collection_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include "carddb/deck_entry.h"
#include "carddb/entry_roles.h"
#include "collection/collection_actions.h"
#include "collection/collection_csv.h"
#include "collection/collection_document.h"
#include "collection/collection_table_model.h"
#include "collection/deck_shortfall_watch.h"
#include "collection/owned_counts_option.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

namespace fs = std::filesystem;

CardDatabase Cards() {
    CardDatabase db;
    AddCard(db.units, "ZM0001", {{unit_field::UnitName, "ガルド"}});
    AddCard(db.units, "ZM0002", {{unit_field::UnitName, "ベルク"}});
    AddCard(db.units, "ZM0003", {{unit_field::UnitName, "ｶﾞﾙﾄﾞ改"}});
    AddCard(db.missions, "MI0001",
            {{mission_field::MissionName, "補給"}, {mission_field::PointsGained, "2"}});
    AddCard(db.characters, "CH0001", {{char_field::CharName, "リナ"}});
    return db;
}

class CollectionTest : public ::testing::Test {
protected:
    CollectionTest() : db(Cards()), settings(dir.Path()) {}

    fs::path File() const { return dir / "collection.csv"; }
    int OwnedInFile(std::u16string_view cardNo) const {
        return ReadCollectionCsv(ReadBytes(File())).collection.Owned(cardNo);
    }
    void AddToDeck(CardKind kind, int record, int copies = 1) {
        for (int i = 0; i < copies; ++i) deck.Add(DeckEntry::OfRecord(db, kind, record));
    }

    FakeDialogs dialogs;
    CardDatabase db;
    TempDir dir;
    SettingsStore settings;
    Deck deck;
};

// Every file named below stays as it was when the collection cannot be read from it; a
// change is saved only where the file was read, and a failed save is told once.
TEST_F(CollectionTest, HostileFilesAreToldNeverFatalAndNeverReplacedUnlessAChangeIsSaved) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        bool read;  // the file is read, so a change may be saved to it
    };
    std::string malformed = "No,名称,枚数\r\n";
    for (int i = 0; i < 100000; ++i) malformed += "ZX" + std::to_string(i) + ",?,?\r\n";
    const Case cases[] = {
        {"huge",
         [](const fs::path& f) {
             WriteBytes(f, "No,名称,枚数\r\n");
             fs::resize_file(f, kMaxCollectionFileBytes + 1);
         },
         false},
        {"binary",
         [](const fs::path& f) { WriteBytes(f, std::string("ZM0001,\0\x01\x02,1\r\n", 14)); },
         false},
        {"fifo", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, false},
        {"folder", [](const fs::path& f) { fs::create_directory(f); }, false},
        {"malformed", [&](const fs::path& f) { WriteBytes(f, malformed); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = File();
        fs::remove_all(file);
        c.make(file);
        const auto before = fs::status(file).type();
        const std::string bytesBefore = fs::is_regular_file(file) && fs::file_size(file) < 1000000
                                            ? ReadBytes(file)
                                            : std::string();
        dialogs.messages.clear();
        CollectionDocument document(db, settings, dir.Path());
        document.Load(nullptr);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        document.Apply(SetOwnedEdit(document.Current(), u"ZM0001", 2), true, nullptr);
        EXPECT_EQ(document.Current().Owned(u"ZM0001"), 2);
        EXPECT_EQ(fs::status(file).type(), before);
        if (!c.read) {
            EXPECT_NE(dialogs.messages[0].text.indexOf("読めないﾌｧｲﾙは書き換えません"), -1);
            EXPECT_FALSE(document.SaveProblem().isEmpty());
            if (!bytesBefore.empty()) {
                EXPECT_EQ(ReadBytes(file), bytesBefore);
            }
            if (std::string(c.name) == "huge") {
                EXPECT_EQ(fs::file_size(file), kMaxCollectionFileBytes + 1);
            }
            EXPECT_EQ(dialogs.messages.size(), 1u);
        } else {
            EXPECT_NE(dialogs.messages[0].text.indexOf("ほか 99,990 行"), -1);
            EXPECT_TRUE(document.SaveProblem().isEmpty());
            const CollectionReadResult back = ReadCollectionCsv(ReadBytes(file));
            EXPECT_EQ(back.collection.Owned(u"ZM0001"), 2);
            EXPECT_EQ(back.collection.Rest().keptRows.size(), 100000u);
        }
    }

    // A file without write permission is read, and every failed save after it is told once.
    fs::remove_all(File());
    WriteBytes(File(), "ZM0001,,1\r\n");
    fs::permissions(File(), fs::perms::owner_read);
    dialogs.messages.clear();
    {
        CollectionDocument document(db, settings, dir.Path());
        document.Load(nullptr);
        EXPECT_EQ(document.Current().Owned(u"ZM0001"), 1);
        ASSERT_EQ(dialogs.messages.size(), 1u);  // no header: told how it was read
        document.Apply(SetOwnedEdit(document.Current(), u"ZM0001", 3), true, nullptr);
        document.Apply(SetOwnedEdit(document.Current(), u"ZM0001", 4), true, nullptr);
        EXPECT_EQ(dialogs.messages.size(), 2u);
        EXPECT_NE(dialogs.messages[1].text.indexOf("保存できません"), -1);
        EXPECT_EQ(ReadBytes(File()), "ZM0001,,1\r\n");
    }
    fs::permissions(File(), fs::perms::owner_all);

    // Through a link: the file it names is replaced, the link stays a link.
    fs::remove(File());
    WriteBytes(dir / "real.csv", "No,名称,枚数\r\nZM0002,,1\r\n");
    fs::create_symlink(dir / "real.csv", File());
    dialogs.messages.clear();
    CollectionDocument linked(db, settings, dir.Path());
    linked.Load(nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
    linked.Apply(SetOwnedEdit(linked.Current(), u"ZM0001", 1), true, nullptr);
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(ReadBytes(dir / "real.csv"),
              "\xEF\xBB\xBFNo,名称,枚数\r\nZM0001,ガルド,1\r\nZM0002,ベルク,1\r\n");
}

TEST_F(CollectionTest, AFileAnotherProgramChangedIsReadAgainNeverWrittenOver) {
    WriteBytes(File(), "No,名称,枚数\r\nZM0001,,1\r\n");
    CollectionDocument document(db, settings, dir.Path());
    DeckShortfallWatch watch(deck, document);
    CollectionWindow window(db, document, watch);
    window.show();
    ASSERT_EQ(document.Current().Owned(u"ZM0001"), 1);
    window.SetOwned("ZM0002", 2);
    ASSERT_EQ(OwnedInFile(u"ZM0002"), 2);

    // A spreadsheet saves the file (a size of its own tells it apart) while the window is open.
    const std::string theirs = "No,名称,枚数\r\nZM0001,,4\r\nZM0003,,1\r\n";
    WriteBytes(File(), theirs);
    dialogs.messages.clear();
    window.SetOwned("ZM0001", 9);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(ReadBytes(File()), theirs);
    EXPECT_EQ(window.UndoStack()->count(), 1);  // the change refused is no step
    QCoreApplication::processEvents();
    EXPECT_EQ(document.Current().Owned(u"ZM0001"), 4);
    EXPECT_EQ(document.Current().Owned(u"ZM0003"), 1);
    EXPECT_EQ(window.UndoStack()->count(), 0);  // its steps were of the collection read before
    window.SetOwned("ZM0001", 9);
    EXPECT_EQ(OwnedInFile(u"ZM0001"), 9);
    EXPECT_EQ(OwnedInFile(u"ZM0003"), 1);
}

TEST_F(CollectionTest, CountsAreTypedAndSteppedEachChangeSavedAndUndoneInTheWindow) {
    AddToDeck(CardKind::Unit, 1, 3);
    CollectionDocument document(db, settings, dir.Path());
    DeckShortfallWatch watch(deck, document);
    CollectionWindow window(db, document, watch);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTableView* units = window.tables[0];
    QAbstractItemModel* rows = units->model();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(1, CollectionTableModel::InDeck).data().toInt(), 3);
    EXPECT_EQ(rows->index(1, CollectionTableModel::Missing).data().toInt(), 3);

    // A number typed on the row's name goes into its copies owned.
    units->setFocus();
    units->setCurrentIndex(rows->index(1, CollectionTableModel::Name));
    QTest::keyClick(units, Qt::Key_1);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QSpinBox*>(editor), nullptr);
    QTest::keyClicks(editor, "2");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view takes the number in once the key is handled
    EXPECT_EQ(OwnedInFile(u"ZM0002"), 12);
    EXPECT_EQ(rows->index(1, CollectionTableModel::Missing).data().toInt(), 0);

    units->setFocus();
    QTest::keyClick(units, Qt::Key_Minus);
    QTest::keyClick(units, Qt::Key_Minus);
    units->selectRow(0);
    QTest::keyClick(units, Qt::Key_Plus);
    EXPECT_EQ(OwnedInFile(u"ZM0002"), 10);
    EXPECT_EQ(OwnedInFile(u"ZM0001"), 1);
    EXPECT_EQ(window.UndoStack()->count(), 4);

    QTest::keyClick(units, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(OwnedInFile(u"ZM0001"), 0);
    QTest::keyClick(units, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(units, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(OwnedInFile(u"ZM0002"), 12);
    QTest::keyClick(units, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(OwnedInFile(u"ZM0002"), 11);
    QTest::keyClick(units, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(units, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document.Current().Find(u"ZM0002"), nullptr);
    EXPECT_EQ(rows->index(1, CollectionTableModel::Missing).data().toInt(), 3);
    QTest::keyClick(units, Qt::Key_Y, Qt::ControlModifier);
    // In the filter box the keys edit its text, not the collection.
    QTest::keyClicks(window.filterBox, "x");
    QTest::keyClick(window.filterBox, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.filterBox->text(), "");
    EXPECT_EQ(window.UndoStack()->index(), 1);
    EXPECT_EQ(OwnedInFile(u"ZM0002"), 12);
}

TEST_F(CollectionTest, TheWindowNarrowsAddsTheDeckCopiesTheShoppingListImportsAndExports) {
    AddToDeck(CardKind::Unit, 0, 2);
    AddToDeck(CardKind::Mission, 0, 3);
    WriteBytes(File(), "No,名称,枚数\r\nMI0001,,1\r\n");
    CollectionDocument document(db, settings, dir.Path());
    DeckShortfallWatch watch(deck, document);
    CollectionWindow window(db, document, watch);
    window.show();
    QAbstractItemModel* units = window.tables[0]->model();

    // Kana, width and case do not matter.
    window.filterBox->setText("がるど");
    EXPECT_EQ(units->rowCount(), 2);
    window.filterBox->setText("zm0002");
    EXPECT_EQ(units->rowCount(), 1);
    window.filterBox->clear();
    window.missingOnlyBox->setChecked(true);
    ASSERT_EQ(units->rowCount(), 1);
    EXPECT_EQ(units->index(0, 0).data().toString(), "ZM0001");

    window.copyMissingButton->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("２\tガルド\tZM0001\r\n２\t補給\tMI0001\r\n"));

    window.addDeckButton->click();
    EXPECT_EQ(OwnedInFile(u"ZM0001"), 2);
    EXPECT_EQ(OwnedInFile(u"MI0001"), 4);
    EXPECT_EQ(watch.TotalMissing(), 0);
    EXPECT_EQ(units->rowCount(), 0);  // nothing missing any more
    dialogs.messages.clear();
    window.copyMissingButton->click();
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // An import adds (はい) or replaces (いいえ), each one step.
    WriteBytes(dir / "other.csv", "CH0001,リナ,2\r\nMI0001,,1\r\n");
    dialogs.fileAnswers = {QString::fromStdString((dir / "other.csv").string())};
    dialogs.questionAnswers = {QMessageBox::Yes};
    window.importButton->click();
    EXPECT_EQ(OwnedInFile(u"MI0001"), 5);
    EXPECT_EQ(OwnedInFile(u"CH0001"), 2);
    dialogs.fileAnswers = {QString::fromStdString((dir / "other.csv").string())};
    dialogs.questionAnswers = {QMessageBox::No};
    window.importButton->click();
    EXPECT_EQ(OwnedInFile(u"ZM0001"), 0);
    EXPECT_EQ(OwnedInFile(u"MI0001"), 1);
    window.UndoStack()->undo();
    EXPECT_EQ(OwnedInFile(u"ZM0001"), 2);

    dialogs.fileAnswers = {QString::fromStdString((dir / "export.csv").string())};
    window.exportButton->click();
    EXPECT_EQ(ReadBytes(dir / "export.csv"), ReadBytes(File()));

    // Another file: a new one takes the collection along; the choice is remembered.
    dialogs.fileAnswers = {QString::fromStdString((dir / "box/mine.csv").string())};
    fs::create_directories(dir / "box");
    window.chooseFileButton->click();
    EXPECT_EQ(ReadBytes(dir / "box/mine.csv"), ReadBytes(File()));
    EXPECT_EQ(settings.ReadSetting(u"COLLECTION", u"FILE"), (dir / "box/mine.csv").u16string());
    EXPECT_EQ(CollectionDocument(db, settings, dir.Path()).File(), dir / "box/mine.csv");
}

// Paints a list with its own delegate, the collection's marks over it or not.
QImage Painted(QListView& list) {
    list.viewport()->repaint();
    return list.viewport()->grab().toImage();
}

TEST_F(CollectionTest, MarksArePaintedOverTheListsOnlyWhileTheOptionIsOn) {
    AddToDeck(CardKind::Unit, 0, 3);
    WriteBytes(File(), "ZM0001,,2\r\n");
    CollectionActions actions(db, settings, dir.Path(), deck, nullptr);
    actions.Document().Load(nullptr);
    // The card lists' models hand each entry's card number by its role.
    QStandardItemModel entries;
    for (int record : {0, 1}) {
        const DeckEntry entry = DeckEntry::OfRecord(db, CardKind::Unit, record);
        auto* item = new QStandardItem(QStringView(entry.Text()).toString());
        item->setData(QStringView(entry.CardNo()).toString(), kCardNoRole);
        entries.appendRow(item);
    }
    QListView catalog;
    QListView deckList;
    for (QListView* list : {&catalog, &deckList}) {
        list->setModel(&entries);
        list->setItemDelegate(new QStyledItemDelegate(list));
        list->resize(300, 80);
        list->show();
    }
    const QImage plainCatalog = Painted(catalog);
    actions.MarkCatalog(&catalog, CardNoAt);
    actions.MarkDeckList(&deckList, CardNoAt);
    QWidget panel;
    QLabel* line = actions.MakeMissingLine(&panel);

    EXPECT_EQ(Painted(catalog), plainCatalog);
    EXPECT_TRUE(line->isHidden());
    actions.SetShown(true);
    EXPECT_NE(Painted(catalog), plainCatalog);
    auto* marks = static_cast<OwnedMarksDelegate*>(deckList.itemDelegate());
    EXPECT_EQ(static_cast<OwnedMarksDelegate*>(catalog.itemDelegate())->MarkOf(entries.index(1, 0)),
              "所持 0");
    EXPECT_EQ(marks->MarkOf(entries.index(0, 0)), "不足");
    EXPECT_EQ(marks->MarkOf(entries.index(1, 0)), "");
    EXPECT_FALSE(line->isHidden());
    EXPECT_EQ(line->text(), "不足 1枚");
    EXPECT_EQ(settings.ReadSetting(u"COLLECTION", u"SHOW"), u"1");

    // The line follows once the change's events are handled.
    deck.Add(DeckEntry::OfRecord(db, CardKind::Unit, 0));
    deck.Add(DeckEntry::OfRecord(db, CardKind::Unit, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(line->text(), "不足 3枚");
    actions.Document().Apply(SetOwnedEdit(actions.Document().Current(), u"ZM0001", 9), true,
                             nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(line->text(), "不足 1枚");
    EXPECT_EQ(marks->MarkOf(entries.index(0, 0)), "");
    EXPECT_EQ(marks->MarkOf(entries.index(1, 0)), "不足");

    actions.SetShown(false);
    EXPECT_EQ(Painted(catalog), plainCatalog);
    EXPECT_TRUE(line->isHidden());
}

}  // namespace
}  // namespace zemlo::test
