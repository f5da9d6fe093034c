#include "ui/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "platform/control_name.h"
#include "platform/twips.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/layout_check.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : state(dir.Path()) {
        EXPECT_TRUE(state.settings.WriteSetting(u"FORM", u"KYOUTYOU", u"1"));
        AddCard(state.db.units, "ZM0001", {{unit_field::UnitName, "試作機"}});
    }
    TempDir dir;
    ProgramState state;
};

struct Item {
    const char* name;
    const char* caption;
};

// The menus as a player reads them: every item's name and exact caption, in order.
QStringList MenuItems(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            items << "-";
        } else {
            items << action->objectName() + "=" + action->text();
        }
    }
    return items;
}

TEST_F(MainWindowTest, MenuBarHasEveryMenuAndItemWithItsCaption) {
    MainWindow w(state);
    QStringList bar;
    for (const QAction* action : w.menuBar()->actions()) {
        bar << action->objectName() + "=" + action->text();
    }
    EXPECT_EQ(bar, QStringList({"mnuFile=ﾌｧｲﾙ(&F)", "mnuEdit=編集(&E)", "mnuView=表示(&V)",
                                "mnuTool=ﾂｰﾙ(&T)", "mnuHelp=ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(
        MenuItems(FindControl<QMenu>(&w, "mnuFile")),
        QStringList({"mnuOpen=ﾃﾞｯｷﾌｧｲﾙを開く(&O)", "mnuSave=ﾃﾞｯｷﾃﾞｰﾀを保存(&S)",
                     "mnuOverwrite=上書き保存", "mnuLibrary=ﾃﾞｯｷﾗｲﾌﾞﾗﾘ(&L)...", "-",
                     "mnuOptFile=出力項目の指定", "-", "mnuCopy=ﾃﾞｯｷﾃﾞｰﾀをｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力(&C)",
                     "mnuImport=ｸﾘｯﾌﾟﾎﾞｰﾄﾞからﾃﾞｯｷﾃﾞｰﾀを取り込む(&I)", "-",
                     "mnuPrintSheet=ﾃﾞｯｷｼｰﾄを印刷(&P)...", "mnuSheetPdf=ﾃﾞｯｷｼｰﾄをPDFで保存...",
                     "mnuSheetImage=ﾃﾞｯｷｼｰﾄを画像で保存...", "-", "mnuPrintProxy=ﾌﾟﾛｷｼを印刷...",
                     "mnuProxyPdf=ﾌﾟﾛｷｼをPDFで保存...", "-", "mnuExit=終了(&X)"}));
    EXPECT_EQ(MenuItems(FindControl<QMenu>(&w, "mnuEdit")),
              QStringList({"mnuUndo=元に戻す(&U)", "mnuRedo=やり直し(&R)"}));
    EXPECT_EQ(MenuItems(FindControl<QMenu>(&w, "mnuClaer")),
              QStringList({"mnuClaerU=選択ﾕﾆｯﾄのｸﾘｱ", "mnuClearM=選択ﾐｯｼｮﾝのｸﾘｱ",
                           "mnuClearC=選択ｷｬﾗｸﾀｰのｸﾘｱ", "-", "mnuClearA=選択したﾃﾞｰﾀの全ｸﾘｱ"}));
    EXPECT_EQ(MenuItems(FindControl<QMenu>(&w, "mnuView")),
              QStringList({"mnuClearS=検索条件のｸﾘｱ", "mnuClaer=選択ﾃﾞｰﾀのｸﾘｱ", "-",
                           "mnuKyotyou=強調表示", "mnuMini=ｺﾝﾊﾟｸﾄ表示",
                           "mnuShowOwned=所持枚数を表示", "mnuQuickFilter=絞り込み(&F)",
                           "mnuCardImage=ｶｰﾄﾞ画像(&I)"}));
    EXPECT_EQ(MenuItems(FindControl<QMenu>(&w, "mnuTool")),
              QStringList({"mnuSeek=名称検索", "-", "mnuGraph0=ﾛｰﾙｱｳﾄｸﾞﾗﾌ", "mnuGraph1=HPｸﾞﾗﾌ",
                           "mnuGraph2=近距離ｸﾞﾗﾌ", "mnuGraph3=遠距離ｸﾞﾗﾌ", "mnuGraph4=ﾕﾆｯﾄ地形ｸﾞﾗﾌ",
                           "mnuGraph5=ﾐｯｼｮﾝ地形ｸﾞﾗﾌ", "-", "mnuDraw=ﾄﾞﾛｰﾃｽﾄ", "mnuOdds=ﾄﾞﾛｰ確率",
                           "-", "mnuBoss=ﾎﾞｽが来た機能の設定", "-",
                           "mnuCollection=所持ｶｰﾄﾞ(&H)..."}));
    EXPECT_EQ(MenuItems(FindControl<QMenu>(&w, "mnuHelp")), QStringList({"mnuVer=ﾊﾞｰｼﾞｮﾝ情報"}));
    EXPECT_EQ(FindControl<QMenu>(&w, "mnuPopup")->title(), "POPUP");
    EXPECT_EQ(MenuItems(FindControl<QMenu>(&w, "mnuPopup")),
              QStringList({"mnuClip=ｶｰﾄﾞ情報をｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力"}));
    EXPECT_FALSE(w.menuBar()->actions().contains(FindControl<QMenu>(&w, "mnuPopup")->menuAction()));
}

TEST_F(MainWindowTest, EveryMenuCommandCanBeChosen) {
    MainWindow w(state);
    for (QAction* ready :
         {FindControl<QAction>(&w, "mnuOpen"), FindControl<QAction>(&w, "mnuSave"),
          FindControl<QAction>(&w, "mnuOptFile"), FindControl<QAction>(&w, "mnuCopy"),
          FindControl<QAction>(&w, "mnuExit"), FindControl<QAction>(&w, "mnuClearS"),
          FindControl<QAction>(&w, "mnuClaerU"), FindControl<QAction>(&w, "mnuKyotyou"),
          FindControl<QAction>(&w, "mnuClip"), FindControl<QAction>(&w, "mnuMini"),
          FindControl<QAction>(&w, "mnuBoss"), FindControl<QAction>(&w, "mnuVer"),
          FindControl<QAction>(&w, "mnuSeek"), FindControl<QAction>(&w, "mnuGraph0"),
          FindControl<QAction>(&w, "mnuGraph5"), FindControl<QAction>(&w, "mnuDraw"),
          FindControl<QAction>(&w, "mnuOdds")}) {
        EXPECT_TRUE(ready->isEnabled()) << ready->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, TheCardImageWindowFollowsTheCardInformationAndTheMinimisedWindow) {
    AddCard(state.db.units, "ZM0002", {{unit_field::UnitName, "量産機"}});
    MainWindow w(state);
    w.FormInit();
    w.show();
    w.ShowCard(CardKind::Unit, QStringLiteral("ZM0002"));  // shown before the window opens
    FindControl<QAction>(&w, "mnuCardImage")->trigger();
    auto* images = FindControl<QWidget>(&w, "frmCardImage");
    ASSERT_NE(images, nullptr);
    EXPECT_TRUE(images->isVisible());
    const auto* shown = FindControl<QLabel>(images, "lblCardImage");
    EXPECT_EQ(shown->text(), QStringLiteral("ZM0002  量産機"));
    w.ShowCard(CardKind::Unit, QStringLiteral("ZM0001"));
    EXPECT_EQ(shown->text(), QStringLiteral("ZM0001  試作機"));
    // A number the card information does not know leaves the card it shows.
    w.ShowCard(CardKind::Unit, QStringLiteral("ZM0404"));
    EXPECT_EQ(shown->text(), QStringLiteral("ZM0001  試作機"));

    w.showMinimized();
    EXPECT_FALSE(images->isVisible());  // the boss key leaves no card in sight
    w.showNormal();
    EXPECT_TRUE(images->isVisible());
}

TEST_F(MainWindowTest, NormalViewHasItsFixedSizeAndEveryControlFitsOnEveryTab) {
    MainWindow w(state);
    w.FormInit();
    w.show();
    EXPECT_EQ(w.size(), QSize(TwipsToPixels(14010), TwipsToPixels(10935)));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());  // the player cannot resize it
    const QStringList tabs = {"ユニット", "ミッション", "キャラクター"};
    for (int tab = 0; tab < 3; ++tab) {
        EXPECT_EQ(FindControl<QTabWidget>(&w, "ssTab")->tabText(tab), tabs[tab]);
        FindControl<QTabWidget>(&w, "ssTab")->setCurrentIndex(tab);
        EXPECT_EQ(ControlsOutsideTheirParents(&w).join("\n").toStdString(), "") << "tab " << tab;
    }
}

TEST_F(MainWindowTest, ExitWritesTheViewSettings) {
    MainWindow w(state);
    w.FormInit();
    w.show();
    FindControl<QAction>(&w, "mnuKyotyou")->trigger();  // highlight off
    FindControl<QAction>(&w, "mnuExit")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(state.settings.ReadSetting(u"FORM", u"COMPACT"), u"0");
    EXPECT_EQ(state.settings.ReadSetting(u"FORM", u"KYOUTYOU"), u"0");
}

}  // namespace
}  // namespace zemlo::test
