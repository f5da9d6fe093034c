// Drives the real main window through its controls' names: the three search panels, their
// catalogs, the clear command and highlight display.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "carddb/card_fields.h"
#include "carddb/entry_roles.h"
#include "catalog/catalog_page.h"
#include "catalog/highlight_colors.h"
#include "catalog/quick_filter_bar.h"
#include "catalog/unit_catalog_page.h"
#include "platform/control_name.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/model_checks.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/program_state.h"

namespace zemlo {
namespace {

using test::AddCard;
namespace uf = unit_field;
namespace mf = mission_field;
namespace cf = char_field;

class CatalogWindowTest : public ::testing::Test {
protected:
    void Open(bool highlightOn) {
        state_ = std::make_unique<ProgramState>(dir_.Path());
        CardDatabase& db = state_->db;
        AddCard(db.units, "ZM0001",
                {{uf::UnitName, "ガルド"},
                 {uf::Team, "地球連邦"},
                 {uf::Terrain, "陸"},
                 {uf::Hp, "3"},
                 {uf::RollOut, "1"},
                 {uf::FarWeapon, "ネスト砲[Ｂ]"},
                 {uf::SpAbility1, "跳躍：移動"}});
        AddCard(db.units, "ZM0002",
                {{uf::UnitName, "セリオ"},
                 {uf::Team, "ジオン公国"},
                 {uf::Terrain, "宇"},
                 {uf::Hp, "5"}});
        AddCard(db.units, "ZM0003",
                {{uf::UnitName, "ヴァント"},
                 {uf::Team, "ジオン公国"},
                 {uf::Terrain, "空"},
                 {uf::Hp, "8"}});
        AddCard(db.units, "ZM0004",
                {{uf::UnitName, "ラムザ"},
                 {uf::Team, "（無所属）"},
                 {uf::Terrain, "海"},
                 {uf::Hp, "2"},
                 {uf::DevLine1, "ガル系"}});
        AddCard(db.units, "ZM00005",
                {{uf::UnitName, "クネス"},
                 {uf::Team, "交易同盟"},
                 {uf::Terrain, "宇陸"},
                 {uf::Hp, "－"}});
        AddCard(db.missions, "MI0001",
                {{mf::MissionName, "ネス作戦"},
                 {mf::PointsGained, "3"},
                 {mf::UnitsNeeded, "２"},
                 {mf::Terrain, "宇"}});
        AddCard(db.missions, "MI0002",
                {{mf::MissionName, "ロト作戦"},
                 {mf::PointsGained, "5"},
                 {mf::UnitsNeeded, "１"},
                 {mf::Terrain, "陸"}});
        AddCard(db.missions, "MI0003",
                {{mf::MissionName, "ポノ作戦"},
                 {mf::PointsGained, "1"},
                 {mf::UnitsNeeded, "３"},
                 {mf::Terrain, "空"}});
        AddCard(db.characters, "CH0001",
                {{cf::CharName, "イロ・ベツ"},
                 {cf::Team, "ＯＺ"},
                 {cf::PointsLost, "1"},
                 {cf::Timing, "常時：自軍"}});
        AddCard(db.characters, "CH0002",
                {{cf::CharName, "ハユ・テポ"},
                 {cf::Team, "地球連邦"},
                 {cf::PointsLost, "2"},
                 {cf::Timing, "任意：敵軍"}});
        AddCard(db.characters, "CH0003",
                {{cf::CharName, "メジ・ノス"},
                 {cf::Team, "（傭兵）"},
                 {cf::PointsLost, "0"},
                 {cf::Timing, "常時：敵軍"}});
        EXPECT_TRUE(state_->settings.WriteSetting(u"FORM", u"KYOUTYOU", highlightOn ? u"1" : u"0"));
        window_ = std::make_unique<MainWindow>(*state_);
        window_->FormInit();
        window_->show();
    }

    template <typename T>
    T* Control(const char* name, int index = -1) {
        T* control = FindControl<T>(window_.get(), QString::fromLatin1(name), index);
        EXPECT_NE(control, nullptr) << name << " " << index;
        return control;
    }

    QStringList Entries(const char* list) {
        QAbstractItemModel* model = Control<QListView>(list)->model();
        QStringList out;
        for (int row = 0; row < model->rowCount(); ++row) {
            out << model->index(row, 0).data().toString();
        }
        return out;
    }

    // The card numbers shown by a catalog, in its order.
    QStringList CardNos(const char* list) {
        QStringList out;
        for (const QString& entry : Entries(list)) out << entry.left(8).trimmed();
        return out;
    }

    QAction* Action(const char* name) { return window_->findChild<QAction*>(name); }

    // Double-clicks an empty spot of a frame, below its boxes.
    void DoubleClickFrame(QGroupBox* frame) {
        QTest::mouseDClick(frame, Qt::LeftButton, {},
                           QPoint(frame->width() - 3, frame->height() - 3));
    }

    test::FakeDialogs dialogs_;
    test::TempDir dir_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(CatalogWindowTest, StartUpFillsCatalogsInTextOrderWithEveryChoice) {
    Open(false);
    EXPECT_EQ(Entries("lstUnitName"),
              (QStringList{"ZM00005 クネス", "ZM0001   ガルド", "ZM0002   セリオ",
                           "ZM0003   ヴァント", "ZM0004   ラムザ"}));
    EXPECT_EQ(Entries("lstMissionName").first(),
              QString("MI0001   ネス作戦") + QString(50, ' ') + "3");
    EXPECT_EQ(CardNos("lstCharName"), (QStringList{"CH0001", "CH0002", "CH0003"}));
    for (const char* list : {"lstUnitName", "lstMissionName", "lstCharName"}) {
        QListView* view = Control<QListView>(list);
        EXPECT_EQ(view->toolTip(), QString("ダブルクリックまたは[Enter]キーでアイテム追加"));
        EXPECT_TRUE(view->selectionModel()->selectedIndexes().isEmpty());
    }

    QComboBox* hpHigh = Control<QComboBox>("cmbHP", 1);
    EXPECT_EQ(hpHigh->count(), 9);
    EXPECT_EQ(hpHigh->currentText(), QString(" 8"));
    EXPECT_EQ(Control<QComboBox>("cmbHP", 0)->currentText(), QString(" 0"));
    EXPECT_EQ(Control<QComboBox>("cmbUnitCnt")->currentText(), QString(" 0"));
    EXPECT_EQ(Control<QComboBox>("cmbUnitCnt")->count(), 4);
    QComboBox* dev = Control<QComboBox>("cmbDevK", 2);
    // An empty development line is a choice of its own.
    EXPECT_EQ(dev->count(), 3);
    EXPECT_EQ(dev->itemText(1), QString());
    EXPECT_EQ(dev->itemText(2), QString("ガル系"));
    EXPECT_EQ(dev->currentText(), QString("(指定なし)"));
    EXPECT_EQ(Control<QComboBox>("cmbTiming")->itemText(2), QString("常時"));
    for (QComboBox* box : window_->findChildren<QComboBox*>()) EXPECT_FALSE(box->isEditable());

    EXPECT_EQ(Control<QCheckBox>("chkTeamU", 16)->property("compared").toString(), QString("（"));
    EXPECT_EQ(Control<QCheckBox>("chkTeamC", 8)->property("compared").toString(),
              QString("Ｗ連合勢力"));
    EXPECT_EQ(Control<QCheckBox>("chkTeamC", 8)->text(), QString("W連合"));
    EXPECT_EQ(Control<QCheckBox>("chkTeamU", 16)->toolTip(), QString("無所属、その他"));
    EXPECT_EQ(Control<QCheckBox>("chkBeem")->toolTip(), QString("[B]攻撃を除外"));
    EXPECT_TRUE(Control<QRadioButton>("optChikeiU", 1)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>("optUCnt", 0)->isChecked());
    EXPECT_EQ(Action("mnuClearS")->text(), QString("検索条件のｸﾘｱ [ﾕﾆｯﾄ]"));
    EXPECT_TRUE(Action("mnuClearS")->isEnabled());
    EXPECT_TRUE(Action("mnuKyotyou")->isEnabled());
}

TEST_F(CatalogWindowTest, UncheckingAnAffiliationHidesItsUnitsAndChecksColour) {
    Open(true);
    QCheckBox* zeon = Control<QCheckBox>("chkTeamU", 4);
    EXPECT_EQ(CheckBoxBackground(zeon), HighlightYellow());
    zeon->click();
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM00005", "ZM0001", "ZM0004"}));
    EXPECT_EQ(CheckBoxBackground(zeon), ButtonFaceColor());

    Control<QCheckBox>("chkTeamU", 16)->click();
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM00005", "ZM0001"}));
    // The character panel's boxes are separate conditions.
    EXPECT_EQ(CardNos("lstCharName").size(), 3);
}

TEST_F(CatalogWindowTest, PickingARangeBoundNarrowsAndColoursThePair) {
    Open(true);
    QComboBox* low = Control<QComboBox>("cmbHP", 0);
    QComboBox* high = Control<QComboBox>("cmbHP", 1);
    high->setCurrentIndex(high->findText(" 5"));
    // The dash reads as 0 once the range is narrowed.
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM00005", "ZM0001", "ZM0002", "ZM0004"}));
    EXPECT_EQ(ComboBoxBackground(high), HighlightYellow());
    EXPECT_EQ(ComboBoxBackground(low), HighlightWhite());
    low->setCurrentIndex(low->findText(" 3"));
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM0001", "ZM0002"}));
    EXPECT_EQ(ComboBoxBackground(low), HighlightYellow());

    low->setCurrentIndex(0);
    high->setCurrentIndex(high->count() - 1);
    EXPECT_EQ(CardNos("lstUnitName").size(), 5);
    EXPECT_EQ(ComboBoxBackground(high), HighlightWhite());

    QComboBox* points = Control<QComboBox>("cmbPointM", 0);
    points->setCurrentIndex(points->findText(" 3"));
    EXPECT_EQ(CardNos("lstMissionName"), (QStringList{"MI0001", "MI0002"}));
}

TEST_F(CatalogWindowTest, AffiliationFrameDoubleClickChecksOrClearsAllWithOneRebuild) {
    Open(true);
    QGroupBox* frame = Control<QGroupBox>("fraUnit", 0);
    QListView* list = Control<QListView>("lstUnitName");
    for (int k = 1; k <= 9; ++k) Control<QCheckBox>("chkTeamU", k)->click();
    ASSERT_EQ(CardNos("lstUnitName"), (QStringList{"ZM00005", "ZM0004"}));

    QSignalSpy resets(list->model(), &QAbstractItemModel::modelReset);
    DoubleClickFrame(frame);  // 7 checked: check all
    EXPECT_EQ(resets.count(), 1);
    for (int k = 1; k <= 16; ++k) {
        QCheckBox* box = Control<QCheckBox>("chkTeamU", k);
        EXPECT_TRUE(box->isChecked()) << k;
        EXPECT_EQ(CheckBoxBackground(box), HighlightYellow()) << k;
    }
    EXPECT_EQ(CardNos("lstUnitName").size(), 5);

    for (int k = 1; k <= 8; ++k) Control<QCheckBox>("chkTeamU", k)->click();
    resets.clear();
    DoubleClickFrame(frame);  // 8 checked: clear all
    EXPECT_EQ(resets.count(), 1);
    for (int k = 1; k <= 16; ++k) EXPECT_FALSE(Control<QCheckBox>("chkTeamU", k)->isChecked()) << k;
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM00005"}));
    EXPECT_FALSE(window_->FiltersSuspended());

    // Other frames do not react.
    resets.clear();
    DoubleClickFrame(Control<QGroupBox>("fraUnit", 1));
    EXPECT_EQ(resets.count(), 0);
    EXPECT_FALSE(Control<QCheckBox>("chkTeamU", 1)->isChecked());
}

TEST_F(CatalogWindowTest, CharacterAffiliationFrameDoubleClick) {
    Open(false);
    QGroupBox* frame = Control<QGroupBox>("fraChar", 0);
    QSignalSpy resets(Control<QListView>("lstCharName")->model(), &QAbstractItemModel::modelReset);
    DoubleClickFrame(frame);  // 16 checked: clear all
    EXPECT_EQ(resets.count(), 1);
    EXPECT_TRUE(CardNos("lstCharName").isEmpty());
    for (int k = 1; k <= 7; ++k) Control<QCheckBox>("chkTeamC", k)->click();
    resets.clear();
    DoubleClickFrame(frame);  // 7 checked: check all
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(CardNos("lstCharName").size(), 3);
    EXPECT_TRUE(Control<QCheckBox>("chkTeamC", 16)->isChecked());
}

TEST_F(CatalogWindowTest, ClearResetsOnlyTheShownTabAndRebuildsAllCatalogs) {
    Open(true);
    QTabWidget* tabs = Control<QTabWidget>("ssTab");
    Control<QCheckBox>("chkBeem")->click();
    Control<QRadioButton>("optChikeiU", 0)->click();  // AND over all four: nothing passes
    ASSERT_TRUE(CardNos("lstUnitName").isEmpty());
    Control<QCheckBox>("chkChikeiM", 0)->click();
    Control<QRadioButton>("optUCnt", 1)->click();
    QComboBox* need = Control<QComboBox>("cmbUnitCnt");
    need->setCurrentIndex(need->findText(" 2"));
    ASSERT_EQ(CardNos("lstMissionName"), (QStringList{"MI0002"}));
    QComboBox* timing = Control<QComboBox>("cmbTiming");
    timing->setCurrentIndex(timing->findText("常時"));
    ASSERT_EQ(CardNos("lstCharName"), (QStringList{"CH0001", "CH0003"}));

    tabs->setCurrentIndex(1);
    EXPECT_EQ(Action("mnuClearS")->text(), QString("検索条件のｸﾘｱ [ﾐｯｼｮﾝ]"));
    QSignalSpy unitResets(Control<QListView>("lstUnitName")->model(),
                          &QAbstractItemModel::modelReset);
    Action("mnuClearS")->trigger();
    EXPECT_EQ(unitResets.count(), 1);
    EXPECT_EQ(CardNos("lstMissionName").size(), 3);
    EXPECT_TRUE(Control<QCheckBox>("chkChikeiM", 0)->isChecked());
    EXPECT_EQ(CheckBoxBackground(Control<QCheckBox>("chkChikeiM", 0)), HighlightYellow());
    EXPECT_TRUE(Control<QRadioButton>("optUCnt", 0)->isChecked());
    EXPECT_EQ(need->currentIndex(), 0);
    EXPECT_EQ(ComboBoxBackground(need), HighlightWhite());
    EXPECT_TRUE(CardNos("lstUnitName").isEmpty());
    EXPECT_EQ(CardNos("lstCharName"), (QStringList{"CH0001", "CH0003"}));

    tabs->setCurrentIndex(2);
    EXPECT_EQ(Action("mnuClearS")->text(), QString("検索条件のｸﾘｱ [ｷｬﾗｸﾀｰ]"));
    Action("mnuClearS")->trigger();
    EXPECT_EQ(timing->currentIndex(), 0);
    EXPECT_EQ(CardNos("lstCharName").size(), 3);
    EXPECT_TRUE(CardNos("lstUnitName").isEmpty());

    tabs->setCurrentIndex(0);
    EXPECT_EQ(Action("mnuClearS")->text(), QString("検索条件のｸﾘｱ [ﾕﾆｯﾄ]"));
    Action("mnuClearS")->trigger();
    EXPECT_TRUE(Control<QRadioButton>("optChikeiU", 1)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("chkBeem")->isChecked());
    EXPECT_EQ(CheckBoxBackground(Control<QCheckBox>("chkBeem")), ButtonFaceColor());
    EXPECT_EQ(CardNos("lstUnitName").size(), 5);
}

TEST_F(CatalogWindowTest, HighlightToggleFollowsTheColourRule) {
    Open(true);
    QCheckBox* team = Control<QCheckBox>("chkTeamU", 1);
    QCheckBox* beam = Control<QCheckBox>("chkBeem");
    QComboBox* hpHigh = Control<QComboBox>("cmbHP", 1);
    QComboBox* ability = Control<QComboBox>("cmbSPK");
    // Start-up with highlight on.
    EXPECT_EQ(CheckBoxBackground(team), HighlightYellow());
    EXPECT_EQ(CheckBoxBackground(Control<QCheckBox>("chkChikeiM", 3)), HighlightYellow());
    EXPECT_EQ(CheckBoxBackground(beam), ButtonFaceColor());
    for (QComboBox* box : window_->findChildren<QComboBox*>()) {
        EXPECT_EQ(ComboBoxBackground(box), HighlightWhite()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(Action("mnuKyotyou")->isChecked());

    team->click();
    hpHigh->setCurrentIndex(2);
    EXPECT_EQ(ComboBoxBackground(hpHigh), HighlightYellow());

    QSignalSpy resets(Control<QListView>("lstUnitName")->model(), &QAbstractItemModel::modelReset);
    Action("mnuKyotyou")->trigger();
    EXPECT_FALSE(Action("mnuKyotyou")->isChecked());
    for (QCheckBox* box : window_->findChildren<QCheckBox*>()) {
        EXPECT_EQ(CheckBoxBackground(box), ButtonFaceColor());
    }
    for (QComboBox* box : window_->findChildren<QComboBox*>()) {
        EXPECT_EQ(ComboBoxBackground(box), HighlightWhite());
    }
    // While off, changes leave the colours alone.
    ability->setCurrentIndex(1);
    beam->click();
    EXPECT_EQ(ComboBoxBackground(ability), HighlightWhite());
    EXPECT_EQ(CheckBoxBackground(beam), ButtonFaceColor());

    Action("mnuKyotyou")->trigger();
    EXPECT_TRUE(Action("mnuKyotyou")->isChecked());
    EXPECT_EQ(CheckBoxBackground(team), ButtonFaceColor());
    EXPECT_EQ(CheckBoxBackground(beam), HighlightYellow());
    EXPECT_EQ(CheckBoxBackground(Control<QCheckBox>("chkTeamC", 1)), HighlightYellow());
    EXPECT_EQ(ComboBoxBackground(hpHigh), HighlightYellow());
    EXPECT_EQ(ComboBoxBackground(Control<QComboBox>("cmbHP", 0)), HighlightWhite());
    EXPECT_EQ(ComboBoxBackground(ability), HighlightYellow());
    EXPECT_EQ(ComboBoxBackground(Control<QComboBox>("cmbPointC", 1)), HighlightWhite());
    // The command itself never refilters.
    EXPECT_EQ(resets.count(), 2);  // the two changes made while off
}

TEST_F(CatalogWindowTest, StartUpWithHighlightOffLeavesDesignColours) {
    Open(false);
    for (QCheckBox* box : window_->findChildren<QCheckBox*>()) {
        EXPECT_EQ(CheckBoxBackground(box), ButtonFaceColor());
    }
    Control<QCheckBox>("chkTeamU", 2)->click();
    EXPECT_EQ(CheckBoxBackground(Control<QCheckBox>("chkTeamU", 3)), ButtonFaceColor());
}

TEST_F(CatalogWindowTest, SuspendedFiltersLeaveCatalogsAlone) {
    Open(false);
    window_->SuspendFilters(true);
    Control<QCheckBox>("chkTeamU", 1)->click();
    Control<QComboBox>("cmbTiming")->setCurrentIndex(1);
    EXPECT_EQ(CardNos("lstUnitName").size(), 5);
    EXPECT_EQ(CardNos("lstCharName").size(), 3);
    window_->SuspendFilters(false);
    window_->RefilterUnits();
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM00005", "ZM0002", "ZM0003", "ZM0004"}));
}

TEST_F(CatalogWindowTest, CatalogListReportsSelectionActivationAndPopup) {
    Open(false);
    CatalogPage* page = (window_.get())->findChild<UnitCatalogPage*>();
    ASSERT_NE(page, nullptr);
    QListView* list = page->List();
    EXPECT_EQ(page->Kind(), CardKind::Unit);
    const test::CheckedModel checked(list->model());
    // The pictures and marks over the list ask for an entry's whole card number by its role.
    EXPECT_EQ(CardNoAt(list->model()->index(0, 0)), u"ZM00005");
    QSignalSpy selected(page, &CatalogPage::entrySelected);
    QSignalSpy activated(page, &CatalogPage::entryActivated);
    QSignalSpy popup(page, &CatalogPage::popupRequested);

    // Right button without a selection opens nothing.
    const QPoint secondRow = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, secondRow);
    EXPECT_EQ(popup.count(), 0);

    list->setCurrentIndex(list->model()->index(1, 0));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(QStringView(selected.last().at(0).value<DeckEntry>().Text()).toString(),
              QString("ZM0001   ガルド"));

    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(QStringView(activated.last().at(0).value<DeckEntry>().Text()).toString(),
              QString("ZM0001   ガルド"));

    const QPoint thirdRow = list->visualRect(list->model()->index(2, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, thirdRow);
    ASSERT_EQ(popup.count(), 1);
    // The popup is for the selected entry; the right button does not move the selection.
    EXPECT_EQ(QStringView(popup.last().at(0).value<DeckEntry>().Text()).toString(),
              QString("ZM0001   ガルド"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, thirdRow);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, thirdRow);
    ASSERT_GE(activated.count(), 2);
    EXPECT_EQ(QStringView(activated.last().at(0).value<DeckEntry>().Text()).toString(),
              QString("ZM0002   セリオ"));

    // Delete does nothing in a catalog; a refilter leaves no selection.
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->model()->rowCount(), 5);
    Control<QCheckBox>("chkBeem")->click();
    EXPECT_TRUE(list->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_EQ(list->model()->rowCount(), 4);
}

// The quick filter bar: hidden, it takes no room; shown, it narrows the catalog in front
// beside the condition panel, follows the tabs, and gives everything back when it closes.
TEST_F(CatalogWindowTest, QuickFilterNarrowsTheCatalogInFrontBesideTheConditions) {
    Open(true);
    QApplication::setActiveWindow(window_.get());
    QListView* units = Control<QListView>("lstUnitName");
    QWidget* bar = Control<QuickFilterBar>("fraQuickFilter");
    auto* text = Control<QLineEdit>("txtQuickFilter");
    auto* texts = Control<QCheckBox>("chkQuickFilterText");
    auto* count = Control<QLabel>("lblQuickFilterCount");
    const QRect fullList = units->geometry();
    ASSERT_FALSE(bar->isVisible());

    QTest::keyClick(units, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(units->geometry().height(), fullList.height() - bar->height());
    EXPECT_EQ(bar->geometry().top(), units->geometry().bottom() + 1);
    EXPECT_EQ(count->text(), QString("5 / 5"));

    text->insert(QString("がる"));
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM0001"}));
    EXPECT_EQ(count->text(), QString("1 / 5"));
    EXPECT_EQ(text->palette().color(QPalette::Base), HighlightYellow());
    texts->click();  // ZM0004's development line is ガル系
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM0001", "ZM0004"}));

    // Both apply; clearing the conditions leaves the bar as it is.
    auto* outside = Control<QLabel>("lblQuickFilterOutside");
    EXPECT_FALSE(outside->isVisible());
    QComboBox* hpLow = Control<QComboBox>("cmbHP", 0);
    hpLow->setCurrentIndex(hpLow->findText(" 3"));
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM0001"}));
    EXPECT_EQ(count->text(), QString("1 / 3"));
    // ZM0004, HP 2, matches but the conditions hide it: the bar says so.
    EXPECT_TRUE(outside->isVisible());
    EXPECT_EQ(outside->text(), QString("条件外 1"));
    Action("mnuClearS")->trigger();
    EXPECT_EQ(text->text(), QString("がる"));
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM0001", "ZM0004"}));
    EXPECT_FALSE(outside->isVisible());

    // The bar follows to another tab and narrows the catalog there.
    Control<QTabWidget>("ssTab")->setCurrentIndex(2);
    EXPECT_TRUE(CardNos("lstCharName").isEmpty());
    text->setText(QString("べつ"));
    EXPECT_EQ(CardNos("lstCharName"), (QStringList{"CH0001"}));
    EXPECT_EQ(count->text(), QString("1 / 3"));
    EXPECT_EQ(bar->geometry().top(), Control<QListView>("lstCharName")->geometry().bottom() + 1);

    // Closing gives every catalog all its entries and its room back.
    Action("mnuQuickFilter")->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(text->text().isEmpty());
    EXPECT_EQ(CardNos("lstCharName").size(), 3);
    EXPECT_EQ(CardNos("lstUnitName").size(), 5);
    EXPECT_EQ(units->geometry(), fullList);
    EXPECT_EQ(text->palette().color(QPalette::Base), HighlightWhite());
}

TEST_F(CatalogWindowTest, KeysInTheQuickFilterEditItsTextAndLeadToTheList) {
    Open(false);
    QApplication::setActiveWindow(window_.get());
    QListView* units = Control<QListView>("lstUnitName");
    QListView* deckUnits = Control<QListView>("lstSelUnit");
    units->setCurrentIndex(units->model()->index(1, 0));
    QTest::keyClick(units, Qt::Key_Return);
    QTest::keyClick(units, Qt::Key_Return);
    Action("mnuUndo")->trigger();  // the deck has a step to undo and one to redo
    ASSERT_EQ(deckUnits->model()->rowCount(), 1);

    Action("mnuQuickFilter")->trigger();
    auto* text = Control<QLineEdit>("txtQuickFilter");
    QTest::keyClicks(text, QString("umc"));
    EXPECT_EQ(text->text(), QString("umc"));
    EXPECT_EQ(Control<QTabWidget>("ssTab")->currentIndex(), 0);
    EXPECT_EQ(text->palette().color(QPalette::Base), HighlightWhite());  // highlight is off
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(text->text().isEmpty());
    EXPECT_EQ(deckUnits->model()->rowCount(), 1);
    QTest::keyClick(text, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text->text(), QString("umc"));
    EXPECT_EQ(deckUnits->model()->rowCount(), 1);

    text->setText(QString("ｾﾘｵ"));
    QTest::keyClick(text, Qt::Key_Down);
    EXPECT_TRUE(units->hasFocus());
    EXPECT_EQ(units->currentIndex().row(), 0);
    EXPECT_EQ(CardNos("lstUnitName"), (QStringList{"ZM0002"}));
    QTest::keyClick(units, Qt::Key_Return);  // Enter in the list still adds the card
    EXPECT_EQ(deckUnits->model()->rowCount(), 2);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(units->hasFocus());

    QTest::keyClick(text, Qt::Key_Escape);  // the boss key everywhere
    EXPECT_TRUE(window_->isMinimized());
}

}  // namespace
}  // namespace zemlo
