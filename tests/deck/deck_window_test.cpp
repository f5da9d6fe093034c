// The deck and the card information in the real main window: catalogs feed the deck lists,
// the six lists show their cards, the popup and the card's clipboard text.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include "cardinfo/card_info_panel.h"
#include "cardinfo/card_popup_menu.h"
#include "catalog/catalog_list_model.h"
#include "deck/deck_panel.h"
#include "platform/control_name.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/qstring_printer.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace zemlo {
namespace {

using test::AddCard;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Records where the card popup would open instead of showing it.
class PopupRecordingWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    std::vector<QPoint> popups;

protected:
    void OpenCardPopup(const QPoint& globalPos) override { popups.push_back(globalPos); }
};

class DeckWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        namespace u = unit_field;
        AddCard(state.db.units, "ZM0002",
                {{u::UnitName, "テルミナ"}, {u::Terrain, "陸"}, {u::Hp, "7"}, {u::CardCode, "t5"}});
        AddCard(state.db.units, "ZM0001", {{u::UnitName, "アクシオ"}, {u::Terrain, "宇陸"}});
        namespace m = mission_field;
        AddCard(state.db.missions, "MI0001",
                {{m::MissionName, "砂塵の橋"},
                 {m::PointsGained, "4"},
                 {m::UnitsNeeded, "１"},
                 {m::Terrain, "陸"},
                 {m::VictoryCond, "橋を守る"},
                 {m::Effect, "－"},
                 {m::CardText, "風の強い日。"}});
        AddCard(state.db.missions, "MI0002",
                {{m::MissionName, "静かな港"},
                 {m::PointsGained, "6"},
                 {m::UnitsNeeded, "１"},
                 {m::Terrain, "海"}});
        namespace c = char_field;
        AddCard(state.db.characters, "CH0001",
                {{c::CharName, "セルカ"}, {c::Team, "巡礼団"}, {c::PointsLost, "2"}});
        window = std::make_unique<PopupRecordingWindow>(state);
        window->FormInit();
        window->show();
    }

    QListView* List(const char* name) const {
        QListView* list = FindControl<QListView>(window.get(), name);
        EXPECT_NE(list, nullptr) << name;
        return list;
    }
    static QStringList Rows(const QListView* list) {
        QStringList rows;
        for (int r = 0; r < list->model()->rowCount(); ++r) {
            rows << list->model()->index(r, 0).data().toString();
        }
        return rows;
    }
    // The entry of a catalog's row, as adding it from the catalog hands it over.
    static const DeckEntry& CatalogEntry(const QListView* list, int row) {
        return static_cast<const CatalogListModel*>(list->model())->EntryAt(row);
    }
    static QPoint RowCentre(const QListView* list, int row) {
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    static void Select(QListView* list, int row) {
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    QString Counter(int index) const {
        return FindControl<QLabel>(window.get(), "lblCnt", index)->text();
    }
    CardPopupMenu& Popup() const { return *window->findChild<CardPopupMenu*>(); }
    CardInfoPanel* Info() const {
        return FindControl<CardInfoPanel>(window.get(), "CardInfoPanel");
    }
    void ShowTab(int tab) { FindControl<QTabWidget>(window.get(), "ssTab")->setCurrentIndex(tab); }

    test::TempDir dir;
    test::FakeDialogs dialogs;
    ProgramState state{dir.Path()};
    std::unique_ptr<PopupRecordingWindow> window;
};

TEST_F(DeckWindowTest, StartsWithEmptyDeckAndRedCounters) {
    for (const char* name : {"lstSelUnit", "lstSelMission", "lstSelChar"}) {
        EXPECT_EQ(List(name)->model()->rowCount(), 0) << name;
    }
    for (int i = 0; i < 3; ++i) {
        auto* label = FindControl<QLabel>(window.get(), "lblCnt", i);
        EXPECT_EQ(label->text(), "0");
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }
    EXPECT_EQ(Info()->FrontKind(), CardKind::Unit);
    EXPECT_TRUE(FindControl<QMenu>(window.get(), "mnuClaer")->menuAction()->isEnabled());
    EXPECT_TRUE(FindControl<QAction>(window.get(), "mnuClip")->isEnabled());
}

TEST_F(DeckWindowTest, DoubleClickInACatalogAddsTheSameCardTwice) {
    QListView* catalog = List("lstUnitName");
    ASSERT_EQ(catalog->model()->rowCount(), 2);
    const QString entry = Rows(catalog).at(1);
    ASSERT_TRUE(entry.startsWith("ZM0002"));
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(catalog->viewport(), Qt::LeftButton, {}, RowCentre(catalog, 1));
        QTest::mouseDClick(catalog->viewport(), Qt::LeftButton, {}, RowCentre(catalog, 1));
    }
    QTest::mouseClick(catalog->viewport(), Qt::LeftButton, {}, RowCentre(catalog, 0));
    QTest::mouseDClick(catalog->viewport(), Qt::LeftButton, {}, RowCentre(catalog, 0));
    EXPECT_EQ(Rows(List("lstSelUnit")), QStringList({Rows(catalog).at(0), entry, entry}));
    EXPECT_EQ(Counter(0), "3");
    // The card added last is shown.
    EXPECT_EQ(Info()->BoxText(CardKind::Unit, 0), "ZM0001");
}

TEST_F(DeckWindowTest, EnterAddsFromACatalogButNotInADeckListDeleteOnlyInTheDeck) {
    ShowTab(1);
    QListView* catalog = List("lstMissionName");
    QTest::keyClick(catalog, Qt::Key_Return);  // nothing selected: nothing added
    EXPECT_EQ(List("lstSelMission")->model()->rowCount(), 0);
    Select(catalog, 1);
    QTest::keyClick(catalog, Qt::Key_Return);
    Select(catalog, 0);
    QTest::keyClick(catalog, Qt::Key_Enter);
    QListView* deck = List("lstSelMission");
    EXPECT_EQ(Rows(deck), Rows(catalog));
    EXPECT_EQ(Counter(1), "2");
    EXPECT_EQ(Counter(2), "10");
    EXPECT_EQ(FindControl<QLabel>(window.get(), "lblCnt", 2)->palette().color(QPalette::WindowText),
              QColor(0, 0, 0));
    EXPECT_EQ(Info()->FrontKind(), CardKind::Mission);
    EXPECT_EQ(Info()->BoxText(CardKind::Mission, 1), Q("砂塵の橋"));

    QTest::keyClick(catalog, Qt::Key_Delete);
    EXPECT_EQ(catalog->model()->rowCount(), 2);
    EXPECT_EQ(deck->model()->rowCount(), 2);

    Select(deck, 0);
    QTest::keyClick(deck, Qt::Key_Return);
    EXPECT_EQ(deck->model()->rowCount(), 2);

    QTest::keyClick(deck, Qt::Key_Delete);
    EXPECT_EQ(Rows(deck), QStringList({Rows(catalog).at(1)}));
    EXPECT_EQ(Counter(2), "6");
    Select(deck, 0);
    QTest::keyClick(deck, Qt::Key_Backspace);
    EXPECT_EQ(deck->model()->rowCount(), 0);
    EXPECT_EQ(Counter(1), "0");
    EXPECT_EQ(Counter(2), "0");
    // Removing leaves the information panel as it was.
    EXPECT_EQ(Info()->FrontKind(), CardKind::Mission);
    EXPECT_EQ(Info()->BoxText(CardKind::Mission, 0), "MI0002");
}

TEST_F(DeckWindowTest, PopupOpensOnlyWithASelectedEntry) {
    QListView* catalog = List("lstUnitName");
    QTest::mouseClick(catalog->viewport(), Qt::RightButton, {}, RowCentre(catalog, 0));
    EXPECT_TRUE(window->popups.empty());
    EXPECT_TRUE(Popup().CardNo().empty());

    Select(catalog, 1);
    QTest::mouseClick(catalog->viewport(), Qt::RightButton, {}, RowCentre(catalog, 1));
    ASSERT_EQ(window->popups.size(), 1u);
    EXPECT_EQ(window->popups[0], catalog->viewport()->mapToGlobal(RowCentre(catalog, 1)));
    EXPECT_EQ(Popup().CardNo(), u"ZM0002");

    // The deck lists share the popup.
    FindControl<DeckPanel>(window.get(), "DeckPanel")
        ->AddCard(CatalogEntry(List("lstCharName"), 0));
    QListView* deck = List("lstSelChar");
    QTest::mouseClick(deck->viewport(), Qt::RightButton, {}, RowCentre(deck, 0));
    EXPECT_EQ(window->popups.size(), 1u);
    Select(deck, 0);
    QTest::mouseClick(deck->viewport(), Qt::RightButton, {}, RowCentre(deck, 0));
    EXPECT_EQ(window->popups.size(), 2u);
    EXPECT_EQ(Popup().CardNo(), u"CH0001");
}

TEST_F(DeckWindowTest, CopyingACardReplacesTheClipboardOnce) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("earlier text");
    ShowTab(1);
    QListView* catalog = List("lstMissionName");
    Select(catalog, 0);
    QTest::mouseClick(catalog->viewport(), Qt::RightButton, {}, RowCentre(catalog, 0));
    ASSERT_EQ(window->popups.size(), 1u);
    FindControl<QAction>(window.get(), "mnuClip")->trigger();
    const QString expected =
        Q("MI0001\r\n"
          "「砂塵の橋」\r\n"
          "戦果=4\u3000必要ユニット数=１\u3000陸\r\n"
          "勝利条件：橋を守る\r\n"
          "効果：－\r\n"
          "テキスト：風の強い日。\r\n");
    EXPECT_EQ(clipboard->text(), expected);
    EXPECT_TRUE(Popup().CardNo().empty());

    // Without a new popup the command does nothing.
    clipboard->setText("kept");
    FindControl<QAction>(window.get(), "mnuClip")->trigger();
    EXPECT_EQ(clipboard->text(), "kept");

    // A number no card has empties the clipboard.
    Popup().SetCard(DeckEntry(CardKind::Unit, u"ZM0099", u"ない"));
    FindControl<QAction>(window.get(), "mnuClip")->trigger();
    EXPECT_EQ(clipboard->text(), "");
}

TEST_F(DeckWindowTest, InformationPanelFollowsTheSelectedListsKind) {
    QListView* units = List("lstUnitName");
    Select(units, 1);
    EXPECT_EQ(Info()->FrontKind(), CardKind::Unit);
    EXPECT_EQ(Info()->BoxText(CardKind::Unit, 2), Q("テルミナ"));
    EXPECT_EQ(Info()->BoxText(CardKind::Unit, 5), Q("７"));
    FindControl<DeckPanel>(window.get(), "DeckPanel")->AddCard(CatalogEntry(units, 1));

    // A tab change alone does not touch the panel.
    ShowTab(2);
    EXPECT_EQ(Info()->FrontKind(), CardKind::Unit);
    Select(List("lstCharName"), 0);
    EXPECT_EQ(Info()->FrontKind(), CardKind::Character);
    EXPECT_EQ(Info()->BoxText(CardKind::Character, 1), Q("セルカ"));
    EXPECT_EQ(Info()->BoxText(CardKind::Character, 3), Q("２"));

    // The deck list's unit brings the unit frame back with what it showed.
    Select(List("lstSelUnit"), 0);
    EXPECT_EQ(Info()->FrontKind(), CardKind::Unit);
    EXPECT_EQ(Info()->BoxText(CardKind::Unit, 25), Q("ｔ５"));
    window->ShowCard(CardKind::Mission, "MI0002");
    EXPECT_EQ(Info()->FrontKind(), CardKind::Mission);
    EXPECT_EQ(Info()->BoxText(CardKind::Mission, 2), Q("６"));
}

TEST_F(DeckWindowTest, ClearCommandsEmptyTheDeckWithoutAsking) {
    DeckPanel* deck = FindControl<DeckPanel>(window.get(), "DeckPanel");
    deck->AddCard(CatalogEntry(List("lstUnitName"), 0));
    deck->AddCard(CatalogEntry(List("lstMissionName"), 0));
    deck->AddCard(CatalogEntry(List("lstMissionName"), 1));
    deck->AddCard(CatalogEntry(List("lstCharName"), 0));
    EXPECT_EQ(Counter(1), "3");

    FindControl<QAction>(window.get(), "mnuClearC")->trigger();
    EXPECT_EQ(List("lstSelChar")->model()->rowCount(), 0);
    EXPECT_EQ(Counter(1), "2");
    FindControl<QAction>(window.get(), "mnuClearM")->trigger();
    EXPECT_EQ(Counter(1), "0");
    EXPECT_EQ(Counter(2), "0");
    EXPECT_EQ(List("lstSelUnit")->model()->rowCount(), 1);
    FindControl<QAction>(window.get(), "mnuClaerU")->trigger();
    EXPECT_EQ(Counter(0), "0");

    deck->AddCard(CatalogEntry(List("lstUnitName"), 0));
    deck->AddCard(CatalogEntry(List("lstMissionName"), 1));
    FindControl<QAction>(window.get(), "mnuClearA")->trigger();
    EXPECT_EQ(Counter(0), "0");
    EXPECT_EQ(Counter(2), "0");
    EXPECT_TRUE(state.document.CurrentDeck().Entries(CardKind::Unit).empty());
    EXPECT_TRUE(state.document.CurrentDeck().Entries(CardKind::Mission).empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

// A card number longer than eight characters reaches the card information whole, from the
// catalog, from the deck list and from the popup's card text.
TEST(LongCardNumbers, TheCardOfANineCharacterNumberIsShownAndCopied) {
    test::TempDir dir;
    test::FakeDialogs dialogs;
    ProgramState state{dir.Path()};
    AddCard(state.db.units, "ZM0000001",
            {{unit_field::UnitName, "長番号機"}, {unit_field::Terrain, "陸"}});
    AddCard(state.db.units, "ZM0000002",
            {{unit_field::UnitName, "次の機体"}, {unit_field::Terrain, "陸"}});
    PopupRecordingWindow window(state);
    window.FormInit();
    window.show();
    QListView* catalog = FindControl<QListView>(&window, "lstUnitName");
    catalog->setCurrentIndex(catalog->model()->index(0, 0));
    auto* info = FindControl<CardInfoPanel>(&window, "CardInfoPanel");
    EXPECT_EQ(info->BoxText(CardKind::Unit, 0), "ZM0000001");
    EXPECT_EQ(info->BoxText(CardKind::Unit, 2), Q("長番号機"));

    QTest::keyClick(catalog, Qt::Key_Return);
    catalog->setCurrentIndex(catalog->model()->index(1, 0));
    QListView* deck = FindControl<QListView>(&window, "lstSelUnit");
    deck->setCurrentIndex(deck->model()->index(0, 0));
    EXPECT_EQ(info->BoxText(CardKind::Unit, 2), Q("長番号機"));
    QTest::mouseClick(deck->viewport(), Qt::RightButton, {},
                      deck->visualRect(deck->model()->index(0, 0)).center());
    FindControl<QAction>(&window, "mnuClip")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("ZM0000001\r\n"));
}

}  // namespace
}  // namespace zemlo
