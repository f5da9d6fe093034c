// The name search window over the main window's catalogs, and how it follows the main
// window's minimise and restore.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "cardinfo/card_info_panel.h"
#include "catalog/mission_catalog_page.h"
#include "catalog/unit_catalog_page.h"
#include "platform/control_name.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/qstring_printer.h"
#include "support/temp_dir.h"
#include "tools/tool_windows.h"
#include "ui/main_window.h"

namespace zemlo {
namespace {

using test::AddCard;

class NameSearchWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* no : {"ZM0001", "ZM0002", "ZM0003"}) {
            AddCard(state.db.units, no,
                    {{unit_field::UnitName, "ガルド"}, {unit_field::Terrain, "陸"}});
        }
        AddCard(state.db.missions, "MI0001",
                {{mission_field::MissionName, "ガルドの砦"},
                 {mission_field::PointsGained, "3"},
                 {mission_field::UnitsNeeded, "１"},
                 {mission_field::Terrain, "陸"}});
        window = std::make_unique<MainWindow>(state);
        window->FormInit();
        window->show();
        FindControl<QAction>(window.get(), "mnuSeek")->trigger();
        seek = (window.get())->findChild<ToolWindows*>()->SeekWindow();
        ASSERT_NE(seek, nullptr);
    }
    static int Selected(const QListView* list) {
        const QModelIndexList rows = list->selectionModel()->selectedIndexes();
        return rows.isEmpty() ? -1 : rows.front().row();
    }

    test::TempDir dir;
    test::FakeDialogs dialogs;
    ProgramState state{dir.Path()};
    std::unique_ptr<MainWindow> window;
    NameSearchWindow* seek = nullptr;
};

TEST_F(NameSearchWindowTest, EachPressFindsTheNextMatchUntilTheEndOfTheShownCatalog) {
    EXPECT_TRUE((window.get())->findChild<ToolWindows*>()->SeekWindowOpen());
    EXPECT_TRUE(seek->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(seek->findNextButton->isEnabled());
    seek->searchBox->setText(QStringLiteral("ガルド"));
    QListView* units = (window.get())->findChild<UnitCatalogPage*>()->List();
    for (int row = 0; row < 3; ++row) {
        seek->findNextButton->click();
        EXPECT_EQ(Selected(units), row);
        EXPECT_EQ(seek->windowTitle(), "名称検索");
    }
    EXPECT_EQ(FindControl<CardInfoPanel>(window.get(), "CardInfoPanel")->FrontKind(),
              CardKind::Unit);
    seek->findNextButton->click();
    EXPECT_EQ(Selected(units), 2);
    EXPECT_EQ(seek->windowTitle(), "名称検索 [検索が終了しました]");
    seek->directionOptions[1]->click();
    EXPECT_EQ(seek->windowTitle(), "名称検索");

    // The mission tab is searched from its own selection (none), down as before.
    seek->directionOptions[0]->click();
    FindControl<QTabWidget>(window.get(), "ssTab")->setCurrentIndex(1);
    seek->findNextButton->click();
    EXPECT_EQ(Selected((window.get())->findChild<MissionCatalogPage*>()->List()), 0);
    EXPECT_EQ(FindControl<CardInfoPanel>(window.get(), "CardInfoPanel")->FrontKind(),
              CardKind::Mission);
    EXPECT_EQ(Selected(units), 2);
}

TEST_F(NameSearchWindowTest, TheSearchStepsThroughTheCatalogAsTheQuickFilterShowsIt) {
    FindControl<QAction>(window.get(), "mnuQuickFilter")->trigger();
    FindControl<QLineEdit>(window.get(), "txtQuickFilter")->setText(QStringLiteral("zm0002"));
    QListView* units = (window.get())->findChild<UnitCatalogPage*>()->List();
    ASSERT_EQ(units->model()->rowCount(), 1);
    seek->searchBox->setText(QStringLiteral("ガルド"));
    seek->findNextButton->click();
    EXPECT_EQ(Selected(units), 0);
    EXPECT_EQ(units->model()->index(0, 0).data().toString().left(6), QString("ZM0002"));
    seek->findNextButton->click();
    EXPECT_EQ(seek->windowTitle(), "名称検索 [検索が終了しました]");
}

TEST_F(NameSearchWindowTest, TheForgivingBoxStartsUncheckedAndFoldsOnlyWhenChecked) {
    EXPECT_FALSE(seek->foldBox->isChecked());
    // The caption names kana and width; the tip adds the letter case it also ignores.
    EXPECT_TRUE(seek->foldBox->toolTip().contains(QStringLiteral("大文字と小文字")));
    seek->searchBox->setText(QStringLiteral("ｶﾞﾙﾄﾞ"));
    seek->findNextButton->click();
    EXPECT_EQ(seek->windowTitle(), "名称検索 [検索が終了しました]");
    seek->foldBox->setChecked(true);
    seek->findNextButton->click();
    EXPECT_EQ(Selected((window.get())->findChild<UnitCatalogPage*>()->List()), 0);
}

TEST_F(NameSearchWindowTest, TheWindowFollowsMinimiseUntilClosedThroughItsFrame) {
    seek->searchBox->setText(QStringLiteral("abc"));
    window->showMinimized();
    EXPECT_FALSE(seek->isVisible());
    window->showNormal();
    EXPECT_TRUE(seek->isVisible());
    EXPECT_EQ(seek->searchBox->text(), "abc");

    seek->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE((window.get())->findChild<ToolWindows*>()->SeekWindowOpen());
    window->showMinimized();
    window->showNormal();
    EXPECT_EQ((window.get())->findChild<ToolWindows*>()->SeekWindow(), nullptr);
}

}  // namespace
}  // namespace zemlo
