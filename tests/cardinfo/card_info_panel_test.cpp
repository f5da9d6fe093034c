// The card information panel on its own: its frames and boxes, filling them from the right
// table, widening, and which frame stands in front.
#include "cardinfo/card_info_panel.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/control_name.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class CardInfoPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        namespace u = unit_field;
        AddCard(db.units, "ZM0001", {{u::UnitName, "先頭機"}});
        AddCard(db.units, "ZM0002",
                {{u::ModelNo, "GT-4"},
                 {u::UnitName, "ヴァルム"},
                 {u::Hp, "5"},
                 {u::RollOut, "－"},
                 {u::NearPower, "3"},
                 {u::NearWeapon, "回転鋸"},
                 {u::FarPower, "12"},
                 {u::FarWeapon, "長銃"},
                 {u::CardText, "長い本文の一行目"},
                 {u::CardCode, "xR 2"}});
        AddCard(db.units, "ZM0002", {{u::UnitName, "重複した番号"}});
        namespace m = mission_field;
        AddCard(db.missions, "MI0001",
                {{m::MissionName, "峡谷の封鎖"},
                 {m::PointsGained, "3"},
                 {m::UnitsNeeded, "2"},
                 {m::Effect, "効果の文"}});
        // The same number in two tables: each kind is searched in its own table only.
        AddCard(db.missions, "ZM0002", {{m::MissionName, "紛らわしい任務"}});
        namespace c = char_field;
        AddCard(db.characters, "CH0001",
                {{c::CharName, "オルネ"}, {c::PointsLost, "1"}, {c::CardCode, "c3"}});
        panel = std::make_unique<CardInfoPanel>(db);
        panel->resize(326, 685);
        panel->show();
    }

    CardDatabase db;
    std::unique_ptr<CardInfoPanel> panel;
};

TEST_F(CardInfoPanelTest, FramesLabelsAndBoxesAreNamedAndReadOnly) {
    const char* titles[3] = {"カード情報（ユニット）", "カード情報（ミッション）",
                             "カード情報（キャラクター）"};
    const char* boxNames[3] = {"txtCardInfU", "txtCardInfM", "txtCardInfC"};
    const char* labelNames[3] = {"lblCIU", "lblCIM", "lblCIC"};
    const int boxCounts[3] = {26, 8, 9};
    const int labelCounts[3] = {24, 8, 9};  // the weapon rows share one label for two boxes
    for (int k = 0; k < 3; ++k) {
        auto* frame = FindControl<QGroupBox>(panel.get(), "frmCardInf", k);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), Q(titles[k]));
        EXPECT_EQ(frame->findChildren<QWidget*>(boxNames[k]).size(), boxCounts[k]);
        EXPECT_EQ(frame->findChildren<QLabel*>(labelNames[k]).size(), labelCounts[k]);
        for (int i = 0; i < boxCounts[k]; ++i) {
            QWidget* box = FindControl<QWidget>(frame, boxNames[k], i);
            ASSERT_NE(box, nullptr) << boxNames[k] << i;
            EXPECT_EQ(box, panel->Box(static_cast<CardKind>(k), i));
            if (auto* line = qobject_cast<QLineEdit*>(box)) {
                EXPECT_TRUE(line->isReadOnly());
            } else {
                auto* area = qobject_cast<QPlainTextEdit*>(box);
                ASSERT_NE(area, nullptr);
                EXPECT_TRUE(area->isReadOnly());
            }
            // Every box lies inside its frame.
            EXPECT_TRUE(frame->rect().contains(box->geometry())) << boxNames[k] << i;
        }
    }
    // Every caption fits beside its boxes.
    for (const char* name : labelNames) {
        for (QLabel* label : panel->findChildren<QLabel*>(name)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
        }
    }
    EXPECT_EQ(FindControl<QLabel>(panel.get(), "lblCIU", 14)->text(), Q("近距離武器"));
    EXPECT_EQ(FindControl<QLabel>(panel.get(), "lblCIU", 23)->text(), Q("コード"));
    EXPECT_EQ(FindControl<QLabel>(panel.get(), "lblCIM", 3)->text(), Q("必要ﾕﾆｯﾄ数"));
    EXPECT_EQ(FindControl<QLabel>(panel.get(), "lblCIC", 4)->text(), Q("使用ﾀｲﾐﾝｸﾞ"));
}

TEST_F(CardInfoPanelTest, LongTextsHaveSeveralLinesShortValuesOne) {
    for (int i : {15, 17, 18, 19, 20, 21, 22, 23, 24}) {
        EXPECT_NE(qobject_cast<QPlainTextEdit*>(panel->Box(CardKind::Unit, i)), nullptr) << i;
    }
    for (int i : {0, 2, 4, 5, 7, 14, 16, 25}) {
        EXPECT_NE(qobject_cast<QLineEdit*>(panel->Box(CardKind::Unit, i)), nullptr) << i;
    }
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(panel->Box(CardKind::Mission, 6)), nullptr);
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(panel->Box(CardKind::Character, 5)), nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(panel->Box(CardKind::Character, 8)), nullptr);
    // The weapon values are narrow boxes left of the weapon names.
    QWidget* power = panel->Box(CardKind::Unit, 14);
    QWidget* weapon = panel->Box(CardKind::Unit, 15);
    EXPECT_LT(power->width(), weapon->width());
    EXPECT_LT(power->geometry().right(), weapon->geometry().left());
    EXPECT_EQ(power->y(), weapon->y());
}

TEST_F(CardInfoPanelTest, ShowsTheFirstUnitWithTheNumberWidenedWhereNumeric) {
    panel->ShowCard(CardKind::Unit, "ZM0002");
    EXPECT_EQ(panel->FrontKind(), CardKind::Unit);
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 0), "ZM0002");
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 1), "GT-4");
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 2), Q("ヴァルム"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 4), Q("－"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 5), Q("５"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 14), Q("３"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 15), Q("回転鋸"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 16), Q("１２"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 24), Q("長い本文の一行目"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 25), Q("ｘＲ　２"));
}

TEST_F(CardInfoPanelTest, UnknownNumberLeavesBoxesButBringsTheFrameForward) {
    panel->ShowCard(CardKind::Mission, "MI0001");
    panel->ShowCard(CardKind::Unit, "ZM0002");
    panel->ShowCard(CardKind::Mission, "MI0099");
    EXPECT_EQ(panel->FrontKind(), CardKind::Mission);
    EXPECT_EQ(panel->BoxText(CardKind::Mission, 1), Q("峡谷の封鎖"));
    panel->ShowCard(CardKind::Unit, "");
    EXPECT_EQ(panel->FrontKind(), CardKind::Unit);
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 0), "ZM0002");
    // Numbers compare exactly, case included.
    panel->ShowCard(CardKind::Unit, "zm0001");
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 0), "ZM0002");
}

TEST_F(CardInfoPanelTest, KindsWithTheSameNumberAreNotConfused) {
    panel->ShowCard(CardKind::Mission, "ZM0002");
    EXPECT_EQ(panel->BoxText(CardKind::Mission, 1), Q("紛らわしい任務"));
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 0), "");
    panel->ShowCard(CardKind::Unit, "ZM0002");
    EXPECT_EQ(panel->BoxText(CardKind::Unit, 2), Q("ヴァルム"));
}

TEST_F(CardInfoPanelTest, EachStepOfTheHistoryBringsBackWhatThePanelShowedAroundIt) {
    panel->ShowCard(CardKind::Unit, "ZM0002");
    panel->KeepViewBeforeStep();
    panel->ShowCard(CardKind::Mission, "MI0001");
    panel->KeepViewAfterStep(7);
    panel->ShowCard(CardKind::Character, "CH0001");  // shown since, by a click

    panel->ShowViewOfStep(7, false);
    EXPECT_EQ(panel->FrontKind(), CardKind::Unit);
    EXPECT_EQ(panel->ShownCardNo(), u"ZM0002");
    panel->ShowViewOfStep(7, true);
    EXPECT_EQ(panel->FrontKind(), CardKind::Mission);
    EXPECT_EQ(panel->BoxText(CardKind::Mission, 1), Q("峡谷の封鎖"));

    // A step the history let go of, or never made, leaves the panel as it is.
    panel->ForgetStep(7);
    for (const int step : {7, 8}) {
        panel->ShowViewOfStep(step, false);
        EXPECT_EQ(panel->FrontKind(), CardKind::Mission);
    }
}

}  // namespace
}  // namespace zemlo
