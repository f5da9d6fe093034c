#include <gtest/gtest.h>

#include "platform/private_profile.h"
#include "settings/boss_settings.h"
#include "settings/draw_odds_settings.h"
#include "settings/output_item_settings.h"
#include "settings/view_settings.h"
#include "support/card_builder.h"
#include "support/temp_dir.h"

namespace zemlo {
namespace {

using test::TempDir;
using test::WriteCp932;

class SettingsTest : public ::testing::Test {
protected:
    void Ini(const std::string& text) { WriteCp932(store.File(), text); }
    TempDir dir;
    SettingsStore store{dir.Path()};
};

TEST_F(SettingsTest, NoFileGivesTheDefaults) {
    const ViewSettings view = LoadViewSettings(store);
    EXPECT_EQ(view.compactState, 0);
    EXPECT_TRUE(view.highlightOn);
    const OutputFlags flags = LoadOutputSettings(store);
    for (const auto& f : flags.unit) EXPECT_EQ(f, u"");
    for (const auto& f : flags.character) EXPECT_EQ(f, u"");
    const BossSettings boss = LoadBossSettings(store);
    EXPECT_NE(boss.use, u"1");
    EXPECT_EQ(boss.iconPath, u"");
}

TEST_F(SettingsTest, HighlightValues) {
    // An ideographic space is a value like "yes", not a blank.
    const std::pair<const char*, bool> cases[] = {
        {"0", false}, {"yes", false}, {"   ", true},           {"1", true},
        {"", true},   {"2", false},   {"\xE3\x80\x80", false}, {"1 \xE3\x80\x80", false}};
    for (const auto& [value, on] : cases) {
        Ini(std::string("[FORM]\nKYOUTYOU=") + value + "\n");
        EXPECT_EQ(LoadViewSettings(store).highlightOn, on) << "KYOUTYOU=" << value;
    }
}

TEST_F(SettingsTest, CompactValues) {
    Ini("[FORM]\nCOMPACT=2\n");
    EXPECT_EQ(LoadViewSettings(store).compactState, 2);
    Ini("[FORM]\nCOMPACT=-1\n");
    EXPECT_EQ(LoadViewSettings(store).compactState, -1);
    Ini("[FORM]\nCOMPACT=1.5\nKYOUTYOU=1\n");
    EXPECT_EQ(LoadViewSettings(store).compactState, 2);  // rounded half to even
    Ini("[FORM]\nCOMPACT=abc\n");
    EXPECT_EQ(LoadViewSettings(store).compactState, 0);
    // Numbers the compact menu item never walks through read as the normal view, so the
    // menu item leaves it; the highlight is read as usual.
    for (const char* other : {"3", "-2", "2.6", "32767"}) {
        Ini(std::string("[FORM]\nCOMPACT=") + other + "\nKYOUTYOU=1\n");
        const ViewSettings read = LoadViewSettings(store);
        EXPECT_EQ(read.compactState, 0) << other;
        EXPECT_TRUE(read.highlightOn) << other;
    }
    // Beyond 16 bits: normal view, and the highlight step is skipped.
    Ini("[FORM]\nCOMPACT=99999\nKYOUTYOU=1\n");
    const ViewSettings view = LoadViewSettings(store);
    EXPECT_EQ(view.compactState, 0);
    EXPECT_FALSE(view.highlightOn);
}

TEST_F(SettingsTest, OutputFlagsAreCharactersOfTheStoredValues) {
    Ini("[OUTPUT]\nUNIT=101\nMISSION=11111119\nCHAR=00000001\n");
    const OutputFlags flags = LoadOutputSettings(store);
    EXPECT_EQ(flags.unit[0], u"1");
    EXPECT_EQ(flags.unit[1], u"0");
    EXPECT_EQ(flags.unit[2], u"1");
    EXPECT_EQ(flags.unit[3], u"");  // shorter value: the rest stay off
    EXPECT_EQ(flags.unit[14], u"");
    EXPECT_EQ(flags.mission[6], u"1");  // the extra eighth character is ignored
    EXPECT_EQ(flags.character[7], u"1");
}

TEST_F(SettingsTest, EverySectionReadsBackWhatItSaved) {
    ASSERT_TRUE(SaveBossSettings(store, BossSettings{u"1", u"/x/a.ico", u""}));
    EXPECT_EQ(LoadBossSettings(store).use, u"1");
    EXPECT_EQ(LoadBossSettings(store).iconPath, u"/x/a.ico");
    EXPECT_EQ(LoadBossSettings(store).taskName, u"");

    ASSERT_TRUE(SaveOutputSettings(store, CardKind::Mission, u"10 2"));
    const OutputFlags flags = LoadOutputSettings(store);
    EXPECT_EQ(flags.mission[0], u"1");
    EXPECT_EQ(flags.mission[3], u"2");
    EXPECT_EQ(flags.unit[0], u"");

    // The two piles keep their own counts.
    ASSERT_TRUE(SaveDrawnCount(store, DrawOddsPile::MissionsAndCharacters, 7));
    EXPECT_EQ(LoadDrawnCount(store, DrawOddsPile::MissionsAndCharacters), 7);
    EXPECT_EQ(LoadDrawnCount(store, DrawOddsPile::Units), 0);
}

TEST_F(SettingsTest, SavingViewSettingsCreatesTheFileAndKeepsOtherSections) {
    EXPECT_TRUE(SaveViewSettings(store, -1, false));
    EXPECT_EQ(store.ReadSetting(u"FORM", u"COMPACT"), u"-1");
    EXPECT_EQ(store.ReadSetting(u"FORM", u"KYOUTYOU"), u"0");
    Ini("; user notes\n[BOSS]\nISUSE=1\n[FORM]\nCOMPACT=2\n");
    EXPECT_TRUE(SaveViewSettings(store, 1, true));
    EXPECT_EQ(test::ReadBytes(store.File()),
              "; user notes\r\n[BOSS]\r\nISUSE=1\r\n[FORM]\r\nCOMPACT=1\r\nKYOUTYOU=1\r\n");
}

TEST_F(SettingsTest, GarbageHugeAndOutOfRangeValuesFallBackAndTheGarbageIsKept) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 97) & 0xFF);
    test::WriteBytes(store.File(), garbage);
    EXPECT_EQ(LoadViewSettings(store).compactState, 0);
    EXPECT_TRUE(LoadViewSettings(store).highlightOn);
    EXPECT_EQ(LoadBossSettings(store).use, u"");

    for (const std::string& huge : {std::string(3'000'000, '9'), "-1" + std::string(400, '0')}) {
        Ini("[FORM]\nCOMPACT=" + huge + "\nKYOUTYOU=1\n");
        EXPECT_EQ(LoadViewSettings(store).compactState, 0);
        EXPECT_FALSE(LoadViewSettings(store).highlightOn);
    }
    // A line of megabytes before the section does not hide it.
    Ini("NOTE=" + std::string(3'000'000, 'x') + "\n[FORM]\nCOMPACT=2\n");
    EXPECT_EQ(LoadViewSettings(store).compactState, 2);

    // Saving adds the section after the foreign bytes and changes none of them.
    test::WriteBytes(store.File(), garbage);
    EXPECT_TRUE(SaveViewSettings(store, 1, true));
    const std::string saved = test::ReadBytes(store.File());
    EXPECT_EQ(saved.substr(0, garbage.size()), garbage);
    EXPECT_EQ(store.ReadSetting(u"FORM", u"COMPACT"), u"1");
}

}  // namespace
}  // namespace zemlo
