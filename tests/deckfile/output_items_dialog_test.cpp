#include "deckfile/output_items_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/control_name.h"
#include "settings/output_item_settings.h"
#include "support/card_builder.h"
#include "support/layout_check.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

// A click on the box's indicator, where the player clicks (the box is wider than its text).
void ClickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

class OutputItemsDialogTest : public ::testing::Test {
protected:
    OutputItemsDialogTest() : settings_(dir_.Path()) {}

    void Store(std::u16string_view unit, std::u16string_view mission,
               std::u16string_view character) {
        EXPECT_TRUE(settings_.WriteSetting(u"OUTPUT", u"UNIT", unit));
        EXPECT_TRUE(settings_.WriteSetting(u"OUTPUT", u"MISSION", mission));
        EXPECT_TRUE(settings_.WriteSetting(u"OUTPUT", u"CHAR", character));
        output_ = LoadOutputSettings(settings_);
    }
    std::u16string Stored(std::u16string_view key) { return settings_.ReadSetting(u"OUTPUT", key); }

    TempDir dir_;
    SettingsStore settings_;
    OutputFlags output_;
};

TEST_F(OutputItemsDialogTest, ControlsAsDesigned) {
    OutputItemsDialog form(output_, settings_);
    EXPECT_EQ(form.objectName(), "frmOptFile");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("出力項目の指定"));
    EXPECT_EQ(form.explanation->text(),
              QStringLiteral("デッキデータを保存する際、出力する項目を指定します。"));
    EXPECT_EQ(form.unitFrame->title(), QStringLiteral("ユニット"));
    EXPECT_EQ(form.missionFrame->title(), QStringLiteral("ミッション"));
    EXPECT_EQ(form.characterFrame->title(), QStringLiteral("キャラクター"));

    auto* weapons = FindControl<QCheckBox>(&form, "chkUnit", 8);
    ASSERT_NE(weapons, nullptr);
    EXPECT_EQ(weapons->text(), QStringLiteral("武器"));
    EXPECT_EQ(weapons->parent(), form.unitFrame);
    EXPECT_EQ(FindControl<QCheckBox>(&form, "chkUnit", 14)->text(), QStringLiteral("黒歴史コード"));
    EXPECT_EQ(FindControl<QCheckBox>(&form, "chkMission", 2)->text(), QStringLiteral("ﾕﾆｯﾄ数"));
    EXPECT_EQ(FindControl<QCheckBox>(&form, "chkMission", 6)->text(), QStringLiteral("ﾃｷｽﾄ"));
    EXPECT_EQ(FindControl<QCheckBox>(&form, "chkChar", 3)->text(), QStringLiteral("タイミング"));
    EXPECT_EQ(FindControl<QCheckBox>(&form, "chkChar", 7)->parent(), form.characterFrame);
    EXPECT_EQ(form.findChildren<QCheckBox*>("chkUnit").size(), 15);
    EXPECT_EQ(form.findChildren<QCheckBox*>("chkMission").size(), 7);
    EXPECT_EQ(form.findChildren<QCheckBox*>("chkChar").size(), 8);
    EXPECT_EQ(FindControl<QPushButton>(&form, "cmdExec", 0)->text(), "OK");
    EXPECT_EQ(FindControl<QPushButton>(&form, "cmdExec", 1)->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    // Every box is wholly inside its frame and every frame inside the dialog.
    EXPECT_EQ(ControlsOutsideTheirParents(&form).join("\n").toStdString(), "");
}

TEST_F(OutputItemsDialogTest, NoStoredValuesStartAllUnchecked) {
    OutputItemsDialog form(output_, settings_);
    for (QCheckBox* box : form.findChildren<QCheckBox*>()) {
        EXPECT_EQ(box->checkState(), Qt::Unchecked) << box->text().toStdString();
    }
}

TEST_F(OutputItemsDialogTest, OnlyWeaponsStoresANineOfFifteen) {
    OutputItemsDialog form(output_, settings_);
    form.show();
    ClickBox(form.unitBoxes[8]);
    QTest::mouseClick(form.buttons[0], Qt::LeftButton);
    EXPECT_EQ(Stored(u"UNIT"), u"000000001000000");
    EXPECT_EQ(Stored(u"MISSION"), u"0000000");
    EXPECT_EQ(Stored(u"CHAR"), u"00000000");
    // The new choice is in effect at once.
    EXPECT_EQ(output_.unit[8], u"1");
    EXPECT_EQ(output_.unit[7], u"0");
    EXPECT_EQ(output_.character[7], u"0");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(OutputItemsDialogTest, CancelChangesNothing) {
    Store(u"100000000000001", u"0100000", u"");
    const OutputFlags before = output_;
    const std::string fileBefore = ReadBytes(settings_.File());
    for (int button : {1, -1}) {
        OutputItemsDialog form(output_, settings_);
        form.show();
        ClickBox(form.unitBoxes[0]);
        ClickBox(form.missionBoxes[3]);
        ClickBox(form.characterBoxes[5]);
        ASSERT_FALSE(form.unitBoxes[0]->isChecked());
        ASSERT_TRUE(form.missionBoxes[3]->isChecked());
        if (button == 1) {
            QTest::mouseClick(form.buttons[1], Qt::LeftButton);
        } else {
            QTest::keyClick(&form, Qt::Key_Escape);
        }
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    EXPECT_EQ(output_.unit, before.unit);
    EXPECT_EQ(output_.mission, before.mission);
    EXPECT_EQ(output_.character, before.character);
    EXPECT_EQ(ReadBytes(settings_.File()), fileBefore);
}

TEST_F(OutputItemsDialogTest, ShortStoredValueLeavesTheMissingItemsOff) {
    Store(u"11", u"1", u"0110000000111");  // extra characters are ignored
    OutputItemsDialog form(output_, settings_);
    EXPECT_TRUE(form.unitBoxes[0]->isChecked());
    EXPECT_TRUE(form.unitBoxes[1]->isChecked());
    for (int i = 2; i < 15; ++i) EXPECT_FALSE(form.unitBoxes[i]->isChecked()) << i;
    EXPECT_TRUE(form.missionBoxes[0]->isChecked());
    for (int i = 1; i < 7; ++i) EXPECT_FALSE(form.missionBoxes[i]->isChecked()) << i;
    EXPECT_FALSE(form.characterBoxes[0]->isChecked());
    EXPECT_TRUE(form.characterBoxes[1]->isChecked());
    EXPECT_TRUE(form.characterBoxes[2]->isChecked());
    EXPECT_FALSE(form.characterBoxes[7]->isChecked());

    form.ButtonClicked(0);
    // OK writes full-length values: the missing items are stored as "0".
    EXPECT_EQ(Stored(u"UNIT"), u"110000000000000");
    EXPECT_EQ(Stored(u"MISSION"), u"1000000");
    EXPECT_EQ(Stored(u"CHAR"), u"01100000");
}

TEST_F(OutputItemsDialogTest, StoredTwoShowsGreyedAndOtherValuesShowUnchecked) {
    Store(u"2193x", u"", u"");
    OutputItemsDialog form(output_, settings_);
    form.show();
    EXPECT_EQ(form.unitBoxes[0]->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(form.unitBoxes[1]->checkState(), Qt::Checked);
    EXPECT_EQ(form.unitBoxes[2]->checkState(), Qt::Unchecked);  // 9 is no box state
    EXPECT_EQ(form.unitBoxes[3]->checkState(), Qt::Unchecked);
    EXPECT_EQ(form.unitBoxes[4]->checkState(), Qt::Unchecked);

    // Left alone, a greyed box is stored as 2 again.
    form.ButtonClicked(0);
    EXPECT_EQ(Stored(u"UNIT").substr(0, 5), u"21000");
    EXPECT_EQ(output_.unit[0], u"2");
}

TEST_F(OutputItemsDialogTest, ClickingAGreyedBoxChecksItAndThenToggles) {
    Store(u"2", u"", u"");
    OutputItemsDialog form(output_, settings_);
    form.show();
    ClickBox(form.unitBoxes[0]);
    EXPECT_EQ(form.unitBoxes[0]->checkState(), Qt::Checked);
    ClickBox(form.unitBoxes[0]);
    EXPECT_EQ(form.unitBoxes[0]->checkState(), Qt::Unchecked);
    ClickBox(form.unitBoxes[0]);
    EXPECT_EQ(form.unitBoxes[0]->checkState(), Qt::Checked);
    form.ButtonClicked(0);
    EXPECT_EQ(Stored(u"UNIT")[0], u'1');
}

}  // namespace
}  // namespace zemlo::test
