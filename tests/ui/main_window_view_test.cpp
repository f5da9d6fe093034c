// The main window's views, its keys and its disguise while minimised, on the real window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "cardinfo/card_info_panel.h"
#include "catalog/mission_catalog_page.h"
#include "catalog/unit_catalog_page.h"
#include "deck/deck_panel.h"
#include "platform/control_name.h"
#include "platform/twips.h"
#include "platform/window_caption.h"
#include "support/card_builder.h"
#include "support/layout_check.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace zemlo::test {
namespace {

// The windows whose caption was emptied where the window manager reads it.
class RecordedCaptions : public CaptionWriter {
public:
    RecordedCaptions() { SetCaptionWriter(this); }
    ~RecordedCaptions() override { SetCaptionWriter(nullptr); }
    bool WriteEmptyCaption(QWidget& window) override {
        emptied << &window;
        return true;
    }
    QList<QWidget*> emptied;
};

class MainWindowViewTest : public ::testing::Test {
protected:
    MainWindowViewTest() : state(dir.Path()) {
        EXPECT_TRUE(state.settings.WriteSetting(u"FORM", u"KYOUTYOU", u"1"));
        AddCard(state.db.units, "ZM0001", {{unit_field::UnitName, "試作機"}});
        AddCard(state.db.missions, "MI0001", {{mission_field::MissionName, "偵察"}});
    }
    QSize Pixels(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }
    std::u16string StoredCompact() { return state.settings.ReadSetting(u"FORM", u"COMPACT"); }

    TempDir dir;
    ProgramState state;
    RecordedCaptions captions;
};

// Controls whose caption or text needs more room than they have.
QStringList CutOffCaptions(const QWidget* root) {
    QStringList cut;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(root)) continue;
        const bool captioned =
            qobject_cast<const QAbstractButton*>(w) ||
            (qobject_cast<const QLabel*>(w) && !static_cast<const QLabel*>(w)->wordWrap());
        if (captioned && w->sizeHint().width() > w->width()) {
            cut << QStringLiteral("%1[%2] needs %3, has %4")
                       .arg(w->objectName(), w->property("index").toString())
                       .arg(w->sizeHint().width())
                       .arg(w->width());
        }
    }
    return cut;
}

TEST_F(MainWindowViewTest, MenuAndButtonWalkEveryStateAndTheClosingStoresIt) {
    MainWindow w(state);
    w.FormInit();
    w.SuspendFilters(false);
    w.show();
    struct Step {
        const char* action;
        int state;
        QSize size;
        bool checked;
        const char* button;  // nullptr: hidden
    };
    const Step steps[] = {
        {"mini", 2, Pixels(9180, 9000), true, "カード情報表示"},
        {"show", 1, Pixels(12500, 9000), true, "非 表 示"},
        {"mini", -1, Pixels(14010, 10935), false, nullptr},
        {"mini", 1, Pixels(12500, 9000), true, "非 表 示"},
        {"show", 2, Pixels(9180, 9000), true, "カード情報表示"},
        {"mini", 0, Pixels(14010, 10935), false, nullptr},
    };
    for (const Step& step : steps) {
        if (QString(step.action) == "mini") {
            FindControl<QAction>(&w, "mnuMini")->trigger();
        } else {
            FindControl<QPushButton>(&w, "cmdShow")->click();
        }
        SCOPED_TRACE(step.state);
        EXPECT_EQ(w.size(), step.size);
        EXPECT_EQ(w.minimumSize(), w.maximumSize());
        EXPECT_TRUE(w.isVisible());  // a layout change never leaves the window hidden
        EXPECT_EQ(FindControl<QAction>(&w, "mnuMini")->isChecked(), step.checked);
        EXPECT_EQ(FindControl<QPushButton>(&w, "cmdShow")->isVisible(), step.button != nullptr);
        if (step.button) {
            EXPECT_EQ(FindControl<QPushButton>(&w, "cmdShow")->text(),
                      QString::fromUtf8(step.button));
        }
        w.close();
        EXPECT_EQ(StoredCompact(), QString::number(step.state).toStdU16String());
        w.show();
    }
}

TEST_F(MainWindowViewTest, StartsInTheStoredStateWithEveryControlInsideAndUncut) {
    struct Start {
        int stored;
        QSize size;
        bool checked;
        bool button;
    };
    for (const Start& start :
         {Start{-1, Pixels(14010, 10935), false, false},
          Start{0, Pixels(14010, 10935), false, false}, Start{1, Pixels(12500, 9000), true, true},
          Start{2, Pixels(9180, 9000), true, true},
          // A number the view section does not know reads as the normal view.
          Start{3, Pixels(14010, 10935), false, false}}) {
        SCOPED_TRACE(start.stored);
        ASSERT_TRUE(state.settings.WriteSetting(u"FORM", u"COMPACT",
                                                QString::number(start.stored).toStdU16String()));
        MainWindow w(state);
        w.FormInit();
        EXPECT_FALSE(w.isVisible());  // start-up shows it later
        w.show();
        EXPECT_EQ(w.size(), start.size);
        EXPECT_EQ(FindControl<QAction>(&w, "mnuMini")->isChecked(), start.checked);
        EXPECT_EQ(FindControl<QPushButton>(&w, "cmdShow")->isVisible(), start.button);
        const int points = start.button ? 8 : 9;
        EXPECT_EQ(w.findChild<UnitCatalogPage*>()->List()->font().pointSize(), points);
        EXPECT_EQ(FindControl<DeckPanel>(&w, "DeckPanel")->characterList->font().pointSize(),
                  points);
        EXPECT_EQ(
            FindControl<CardInfoPanel>(&w, "CardInfoPanel")->kindFrames[2]->font().pointSize(),
            points);
        EXPECT_EQ(FindControl<QTabWidget>(&w, "ssTab")->font().pointSize(), points);
        EXPECT_EQ(FindControl<QTabWidget>(&w, "ssTab")->size(),
                  start.button ? Pixels(5655, 8355) : Pixels(6135, 10275));
        EXPECT_GE(w.findChild<UnitCatalogPage*>()->ScrollExtent(), 300);
        EXPECT_GE(w.findChild<MissionCatalogPage*>()->ScrollExtent(), 260);

        for (int tab = 0; tab < 3; ++tab) {
            FindControl<QTabWidget>(&w, "ssTab")->setCurrentIndex(tab);
            for (int kind = 0; kind < 3; ++kind) {
                FindControl<CardInfoPanel>(&w, "CardInfoPanel")
                    ->BringToFront(static_cast<CardKind>(kind));
                QStringList outside = ControlsOutsideTheirParents(&w);
                if (start.stored == 2) {
                    // The narrow width leaves the card information beyond the right edge.
                    EXPECT_GE(FindControl<CardInfoPanel>(&w, "CardInfoPanel")->x(),
                              w.centralWidget()->width());
                    outside.removeIf(
                        [](const QString& line) { return line.startsWith("CardInfoPanel"); });
                }
                EXPECT_EQ(outside.join("\n").toStdString(), "") << tab << kind;
                EXPECT_EQ(CutOffCaptions(&w).join("\n").toStdString(), "") << tab << kind;
            }
        }
    }
}

TEST_F(MainWindowViewTest, LetterKeysSwitchTabsFromAnyControlButNotWithCtrl) {
    MainWindow w(state);
    w.FormInit();
    w.show();
    QApplication::setActiveWindow(&w);
    QTest::keyClick(FindControl<DeckPanel>(&w, "DeckPanel")->unitList, Qt::Key_M);
    EXPECT_EQ(FindControl<QTabWidget>(&w, "ssTab")->currentIndex(), 1);
    EXPECT_EQ(w.focusWidget(), w.findChild<MissionCatalogPage*>()->List());
    QTest::keyClick(w.findChild<MissionCatalogPage*>()->List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(FindControl<QTabWidget>(&w, "ssTab")->currentIndex(), 1);
    QTest::keyClick(FindControl<QComboBox>(w.findChild<UnitCatalogPage*>(), "cmbHP", 0), Qt::Key_C,
                    Qt::ShiftModifier);
    EXPECT_EQ(FindControl<QTabWidget>(&w, "ssTab")->currentIndex(), 2);
    QTest::keyClick(FindControl<QPushButton>(&w, "cmdShow"), Qt::Key_U);
    EXPECT_EQ(FindControl<QTabWidget>(&w, "ssTab")->currentIndex(), 0);
    EXPECT_EQ(w.focusWidget(), w.findChild<UnitCatalogPage*>()->List());
}

TEST_F(MainWindowViewTest, EscMinimisesUnderTheDisguiseAndRestoreBringsBackTheNormalOnes) {
    QPixmap other(16, 16);
    other.fill(Qt::green);
    const QString iconFile = QString::fromStdU16String((dir / "sheet.png").u16string());
    ASSERT_TRUE(other.save(iconFile));
    ASSERT_TRUE(
        SaveBossSettings(state.settings, {u"1", iconFile.toStdU16String(), u"表計算 - 月次報告"}));
    MainWindow w(state);
    w.ApplyBossSettings();
    w.FormInit();
    w.show();
    ASSERT_NE(w.WindowIconWhen(true).cacheKey(), w.WindowIconWhen(false).cacheKey());
    QApplication::setActiveWindow(&w);

    QTest::keyClick(w.findChild<UnitCatalogPage*>()->List(), Qt::Key_Escape);
    ASSERT_TRUE(w.isMinimized());
    EXPECT_EQ(w.windowTitle(), "表計算 - 月次報告");
    EXPECT_EQ(w.windowIcon().cacheKey(), w.WindowIconWhen(true).cacheKey());

    w.showNormal();
    EXPECT_EQ(w.windowTitle(), "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ");
    EXPECT_EQ(w.windowIcon().cacheKey(), w.WindowIconWhen(false).cacheKey());
    EXPECT_TRUE(captions.emptied.isEmpty());
}

TEST_F(MainWindowViewTest, AnEmptyTaskNameLeavesTheMinimisedWindowWithoutACaption) {
    ASSERT_TRUE(SaveBossSettings(state.settings, {u"1", u"", u""}));
    MainWindow w(state);
    w.ApplyBossSettings();
    w.FormInit();
    w.show();
    for (int round = 1; round <= 2; ++round) {
        w.showMinimized();
        // Qt alone would put the program's name in the place of the empty title.
        EXPECT_EQ(w.windowTitle(), "");
        EXPECT_EQ(captions.emptied.size(), round);
        EXPECT_EQ(captions.emptied.back(), &w);
        w.showNormal();
        EXPECT_EQ(w.windowTitle(), "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ");
    }
}

}  // namespace
}  // namespace zemlo::test
