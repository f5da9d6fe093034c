// The statistics dialog: bars, counts and the dialog's size for each graph.
#include "tools/graph_dialog.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "deck/deck.h"
#include "platform/twips.h"
#include "support/card_builder.h"
#include "support/qstring_printer.h"
#include "tools/tool_windows.h"

namespace zemlo {
namespace {

using test::AddCard;
namespace uf = unit_field;

class GraphDialogTest : public ::testing::Test {
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
        deck.Fill({DeckEntry(CardKind::Unit, u"ZM01", u"x"),
                   DeckEntry(CardKind::Unit, u"ZM01", u"x"),
                   DeckEntry(CardKind::Unit, u"ZM02", u"x"),
                   DeckEntry(CardKind::Mission, u"MI01", u"y")});
    }
    static int Px(int twips) { return TwipsToPixels(twips); }

    CardDatabase db;
    Deck deck;
};

TEST_F(GraphDialogTest, EachGraphDrawsItsBarsCountsAndHeight) {
    GraphDialog dialog(db, deck);
    for (QRadioButton* option : dialog.graphOptions) EXPECT_FALSE(option->isChecked());

    dialog.graphOptions[0]->setChecked(true);
    EXPECT_EQ(dialog.rowCaptions[0]->text(), "2ターン");
    EXPECT_EQ(dialog.rowCaptions[1]->text(), "3ターン");
    EXPECT_EQ(dialog.bars[0]->width(), Px(400));
    EXPECT_EQ(dialog.bars[1]->width(), Px(200));
    EXPECT_EQ(dialog.rowCounts[0]->text(), "2");
    EXPECT_EQ(dialog.rowCounts[0]->x(), Px(2 * 200 + 900));
    EXPECT_FALSE(dialog.rowCaptions[2]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.averageLine->text(), "平均ロールアウト：２．３３３ターン");
    EXPECT_EQ(dialog.averageLine->y(), Px(2 * 360 + 180));
    EXPECT_EQ(dialog.height(), Px(2 * 360 + 1450));
    EXPECT_EQ(dialog.graphChoiceFrame->y(), Px(2 * 360 + 400));
    EXPECT_EQ(dialog.windowTitle(), "ﾏｳｽｶｰｿﾙをｸﾞﾗﾌに移動するとﾕﾆｯﾄ名を表示します");

    // Long range: one blue card, two red beam cards right after it, the marker centred.
    dialog.graphOptions[3]->setChecked(true);
    EXPECT_EQ(dialog.rowCaptions[0]->text(), "遠：4");
    EXPECT_EQ(dialog.bars[0]->width(), Px(200));
    EXPECT_EQ(dialog.beamBars[0]->width(), Px(400));
    EXPECT_EQ(dialog.beamBars[0]->x(), Px(840 + 200));
    EXPECT_TRUE(dialog.beamMarks[0]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.beamMarks[0]->x(), Px(200 + 840 + 200 - 60));
    EXPECT_EQ(dialog.rowCounts[0]->text(), "3(1：2)");
    EXPECT_EQ(dialog.rowCaptions[0]->toolTip(), "ベルナ：[Ｂ]→アルバ");
    EXPECT_EQ(dialog.beamBars[0]->toolTip(), "アルバ");
    EXPECT_EQ(dialog.height(), Px(360 + 1450));

    // Back to a value graph: the beam parts of the last drawing are gone.
    dialog.graphOptions[1]->setChecked(true);
    EXPECT_FALSE(dialog.beamBars[0]->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.beamMarks[0]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.rowCaptions[0]->text(), "ＨＰ：0");

    dialog.graphOptions[4]->setChecked(true);
    const QString letters[4] = {"宇", "陸", "空", "海"};
    const int counts[4] = {2, 2, 0, 1};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(dialog.rowCaptions[t]->text(), letters[t]);
        EXPECT_TRUE(dialog.rowCounts[t]->isVisibleTo(&dialog));
        EXPECT_EQ(dialog.rowCounts[t]->text(), QString::number(counts[t]));
        EXPECT_EQ(dialog.bars[t]->width(), Px(counts[t] * 200));
    }
    EXPECT_EQ(dialog.bars[2]->toolTip(), "");
    EXPECT_EQ(dialog.bars[0]->toolTip(), "アルバ");
    EXPECT_EQ(dialog.averageLine->text(), "");
    EXPECT_EQ(dialog.height(), Px(2890));
    EXPECT_EQ(dialog.closeButton->y(), Px(2040));

    dialog.graphOptions[5]->setChecked(true);
    EXPECT_EQ(dialog.rowCounts[2]->text(), "1");
    EXPECT_EQ(dialog.bars[2]->toolTip(), "霧の峠");
    EXPECT_EQ(dialog.windowTitle(), "ﾏｳｽｶｰｿﾙをｸﾞﾗﾌに移動するとﾐｯｼｮﾝ名を表示します");
}

TEST_F(GraphDialogTest, CardNamesInTheHoverListsShowAsWritten) {
    const char* const name = "<font color=red size=7>BIG<u>x</u>";
    AddCard(db.units, "ZM03", {{uf::UnitName, name}, {uf::RollOut, "2"}});
    deck.Clear(CardKind::Unit);
    deck.Fill({DeckEntry(CardKind::Unit, u"ZM03", u"x")});
    GraphDialog dialog(db, deck);
    dialog.graphOptions[0]->setChecked(true);
    // What a tool tip shows: rich text when the text may be markup, else the text itself.
    for (const QString& tip : {dialog.rowCaptions[0]->toolTip(), dialog.bars[0]->toolTip()}) {
        QTextDocument shown;
        if (Qt::mightBeRichText(tip)) {
            shown.setHtml(tip);
        } else {
            shown.setPlainText(tip);
        }
        EXPECT_EQ(shown.toPlainText(), QString::fromUtf8(name));
    }
}

TEST_F(GraphDialogTest, EmptyUnitDeckLeavesOnlyTheMessage) {
    deck.Clear(CardKind::Unit);
    GraphDialog dialog(db, deck);
    dialog.graphOptions[2]->setChecked(true);
    EXPECT_FALSE(dialog.rowCaptions[0]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.averageLine->text(), "ユニットが選択されてません。");
    EXPECT_EQ(dialog.averageLine->y(), Px(180));
    EXPECT_EQ(dialog.height(), Px(1450));
}

// Answers the modal dialogs at once, noting which graph option each one opened on.
class RecordingTools : public ToolWindows {
public:
    using ToolWindows::ToolWindows;
    std::vector<std::vector<bool>> openings;

protected:
    void RunModal(QDialog& dialog) override {
        auto& graph = dynamic_cast<GraphDialog&>(dialog);
        std::vector<bool> checked;
        for (QRadioButton* option : graph.graphOptions) checked.push_back(option->isChecked());
        openings.push_back(checked);
    }
};

TEST_F(GraphDialogTest, EveryMenuCommandOpensAFreshDialogOnItsGraph) {
    RecordingTools tools(db, deck, {}, nullptr);
    tools.OpenGraph(5);
    tools.OpenGraph(2);
    ASSERT_EQ(tools.openings.size(), 2u);
    EXPECT_EQ(tools.openings[0], std::vector<bool>({false, false, false, false, false, true}));
    EXPECT_EQ(tools.openings[1], std::vector<bool>({false, false, true, false, false, false}));
}

}  // namespace
}  // namespace zemlo
