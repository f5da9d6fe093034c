// The statistics dialog: bars, counts and the dialog's size for each graph.
#include "tools/frm_graph.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "deck/deck.h"
#include "platform/twips.h"
#include "support/card_builder.h"
#include "tools/tool_windows.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

namespace zemlo {
namespace {

using test::AddCard;
namespace uf = unit_field;

class FrmGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddCard(db.units, "ZM01",
                {{uf::UnitName, "アルバ"},
                 {uf::RollOut, "2"},
                 {uf::FarPower, "4"},
                 {uf::FarWeapon, "砲[Ｂ]"},
                 {uf::Terrain, "宇陸"}});
        AddCard(db.units, "ZM02",
                {{uf::UnitName, "ベルナ"},
                 {uf::RollOut, "3"},
                 {uf::FarPower, "4"},
                 {uf::FarWeapon, "銃"},
                 {uf::Terrain, "海"}});
        AddCard(db.missions, "MI01",
                {{mission_field::MissionName, "霧の峠"}, {mission_field::Terrain, "空"}});
        deck.Fill(CardKind::Unit, {u"ZM01     x", u"ZM01     x", u"ZM02     x"});
        deck.Fill(CardKind::Mission, {u"MI01     y"});
    }
    static int Px(int twips) { return TwipsToPixels(twips); }

    CardDatabase db;
    Deck deck;
};

TEST_F(FrmGraphTest, EachGraphDrawsItsBarsCountsAndHeight) {
    FrmGraph dialog(db, deck);
    for (QRadioButton* option : dialog.opt) EXPECT_FALSE(option->isChecked());

    dialog.opt[0]->setChecked(true);
    EXPECT_EQ(dialog.lblT[0]->text(), "2ターン");
    EXPECT_EQ(dialog.lblT[1]->text(), "3ターン");
    EXPECT_EQ(dialog.lblG[0]->width(), Px(400));
    EXPECT_EQ(dialog.lblG[1]->width(), Px(200));
    EXPECT_EQ(dialog.lblC[0]->text(), "2");
    EXPECT_EQ(dialog.lblC[0]->x(), Px(2 * 200 + 900));
    EXPECT_FALSE(dialog.lblT[2]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.lblH->text(), "平均ロールアウト：２．３３３ターン");
    EXPECT_EQ(dialog.lblH->y(), Px(2 * 360 + 180));
    EXPECT_EQ(dialog.height(), Px(2 * 360 + 1450));
    EXPECT_EQ(dialog.fraOpt->y(), Px(2 * 360 + 400));
    EXPECT_EQ(dialog.windowTitle(), "ﾏｳｽｶｰｿﾙをｸﾞﾗﾌに移動するとﾕﾆｯﾄ名を表示します");

    // Long range: one blue card, two red beam cards right after it, the marker centred.
    dialog.opt[3]->setChecked(true);
    EXPECT_EQ(dialog.lblT[0]->text(), "遠：4");
    EXPECT_EQ(dialog.lblG[0]->width(), Px(200));
    EXPECT_EQ(dialog.lblB[0]->width(), Px(400));
    EXPECT_EQ(dialog.lblB[0]->x(), Px(840 + 200));
    EXPECT_TRUE(dialog.lblBM[0]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.lblBM[0]->x(), Px(200 + 840 + 200 - 60));
    EXPECT_EQ(dialog.lblC[0]->text(), "3(1：2)");
    EXPECT_EQ(dialog.lblT[0]->toolTip(), "ベルナ：[Ｂ]→アルバ");
    EXPECT_EQ(dialog.lblB[0]->toolTip(), "アルバ");
    EXPECT_EQ(dialog.height(), Px(360 + 1450));

    // Back to a value graph: the beam parts of the last drawing are gone.
    dialog.opt[1]->setChecked(true);
    EXPECT_FALSE(dialog.lblB[0]->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.lblBM[0]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.lblT[0]->text(), "ＨＰ：0");

    dialog.opt[4]->setChecked(true);
    const QString letters[4] = {"宇", "陸", "空", "海"};
    const int counts[4] = {2, 2, 0, 1};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(dialog.lblT[t]->text(), letters[t]);
        EXPECT_TRUE(dialog.lblC[t]->isVisibleTo(&dialog));
        EXPECT_EQ(dialog.lblC[t]->text(), QString::number(counts[t]));
        EXPECT_EQ(dialog.lblG[t]->width(), Px(counts[t] * 200));
    }
    EXPECT_EQ(dialog.lblG[2]->toolTip(), "");
    EXPECT_EQ(dialog.lblG[0]->toolTip(), "アルバ");
    EXPECT_EQ(dialog.lblH->text(), "");
    EXPECT_EQ(dialog.height(), Px(2890));
    EXPECT_EQ(dialog.cmdExec->y(), Px(2040));

    dialog.opt[5]->setChecked(true);
    EXPECT_EQ(dialog.lblC[2]->text(), "1");
    EXPECT_EQ(dialog.lblG[2]->toolTip(), "霧の峠");
    EXPECT_EQ(dialog.windowTitle(), "ﾏｳｽｶｰｿﾙをｸﾞﾗﾌに移動するとﾐｯｼｮﾝ名を表示します");
}

TEST_F(FrmGraphTest, CardNamesInTheHoverListsShowAsWritten) {
    const char* const name = "<font color=red size=7>BIG<u>x</u>";
    AddCard(db.units, "ZM03", {{uf::UnitName, name}, {uf::RollOut, "2"}});
    deck.Clear(CardKind::Unit);
    deck.Fill(CardKind::Unit, {u"ZM03     x"});
    FrmGraph dialog(db, deck);
    dialog.opt[0]->setChecked(true);
    // What a tool tip shows: rich text when the text may be markup, else the text itself.
    for (const QString& tip : {dialog.lblT[0]->toolTip(), dialog.lblG[0]->toolTip()}) {
        QTextDocument shown;
        if (Qt::mightBeRichText(tip)) {
            shown.setHtml(tip);
        } else {
            shown.setPlainText(tip);
        }
        EXPECT_EQ(shown.toPlainText(), QString::fromUtf8(name));
    }
}

TEST_F(FrmGraphTest, EmptyUnitDeckLeavesOnlyTheMessage) {
    deck.Clear(CardKind::Unit);
    FrmGraph dialog(db, deck);
    dialog.opt[2]->setChecked(true);
    EXPECT_FALSE(dialog.lblT[0]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.lblH->text(), "ユニットが選択されてません。");
    EXPECT_EQ(dialog.lblH->y(), Px(180));
    EXPECT_EQ(dialog.height(), Px(1450));
}

// Answers the modal dialogs at once, noting which graph option each one opened on.
class RecordingTools : public ToolWindows {
public:
    using ToolWindows::ToolWindows;
    std::vector<std::vector<bool>> openings;

protected:
    void RunModal(QDialog& dialog) override {
        auto& graph = dynamic_cast<FrmGraph&>(dialog);
        std::vector<bool> checked;
        for (QRadioButton* option : graph.opt) checked.push_back(option->isChecked());
        openings.push_back(checked);
    }
};

TEST_F(FrmGraphTest, EveryMenuCommandOpensAFreshDialogOnItsGraph) {
    bool seekWindowOpen = false;
    RecordingTools tools(db, deck, seekWindowOpen, {}, nullptr);
    tools.mnuGraph_Click(5);
    tools.mnuGraph_Click(2);
    ASSERT_EQ(tools.openings.size(), 2u);
    EXPECT_EQ(tools.openings[0], std::vector<bool>({false, false, false, false, false, true}));
    EXPECT_EQ(tools.openings[1], std::vector<bool>({false, false, true, false, false, false}));
}

}  // namespace
}  // namespace zemlo
