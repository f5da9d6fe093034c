// The main window's view states, keys, boss-key values and version dialog rules, without
// any window.
#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/about_rules.h"
#include "ui/boss_rules.h"
#include "ui/view_rules.h"

namespace zemlo {
namespace {

TEST(ViewRulesTest, CompactMenuWalksTheFourStatesAndLeavesOthersInTheNormalView) {
    struct Case {
        int from, to, view;
        bool checked;
    };
    for (const Case& c : {Case{0, 2, 2, true}, Case{2, 0, 0, false}, Case{1, -1, 0, false},
                          Case{-1, 1, 1, true}, Case{3, 3, 0, false}, Case{-7, -7, 0, false}}) {
        const MiniStep step = MiniClicked(c.from);
        EXPECT_EQ(step.compactState, c.to) << c.from;
        EXPECT_EQ(step.view, c.view) << c.from;
        EXPECT_EQ(step.checked, c.checked) << c.from;
    }
    // Stored states from start-up: 3 or more reach the layout, which shows the normal view.
    EXPECT_EQ(StartupView(-1), 0);
    EXPECT_EQ(StartupView(3), 3);
    EXPECT_EQ(WindowSizeForView(3).width, kNormalWindowWidth);
}

TEST(ViewRulesTest, CardInformationButtonTogglesOnlyTheExactNarrowWidth) {
    const ShowStep widen = ShowClicked(kCompactNarrowWidth);
    EXPECT_EQ(widen.compactState, 1);
    EXPECT_EQ(widen.widthTwips, kCompactWideWidth);
    EXPECT_EQ(widen.caption, u"非 表 示");
    const ShowStep narrow = ShowClicked(kCompactNarrowWidth + 1);
    EXPECT_EQ(narrow.compactState, 2);
    EXPECT_EQ(narrow.widthTwips, kCompactNarrowWidth);
    EXPECT_EQ(narrow.caption, u"カード情報表示");
}

TEST(ViewRulesTest, KeysMinimiseOnlyWhenNotMinimisedAndLeaveCtrlCombinationsAlone) {
    EXPECT_EQ(KeyAction(27, false, false), MainWindowKey::Minimise);
    EXPECT_EQ(KeyAction(27, false, true), MainWindowKey::None);
    EXPECT_EQ(KeyAction(85, false, true), MainWindowKey::UnitTab);
    EXPECT_EQ(KeyAction(77, false, false), MainWindowKey::MissionTab);
    EXPECT_EQ(KeyAction(67, false, false), MainWindowKey::CharacterTab);
    EXPECT_EQ(KeyAction(67, true, false), MainWindowKey::None);  // copy
    EXPECT_EQ(KeyAction(90, true, false), MainWindowKey::None);  // undo, for the menus
    EXPECT_EQ(KeyAction(85, true, false), MainWindowKey::UnitTab);
    EXPECT_EQ(KeyAction(77, true, false), MainWindowKey::MissionTab);
    EXPECT_EQ(KeyAction(65, false, false), MainWindowKey::None);
}

TEST(BossRulesTest, DialogValuesAndTheIconRule) {
    EXPECT_EQ(BossValuesFromDialog(false, u"a.ico", u"電卓").use, u"0");
    EXPECT_EQ(BossValuesFromDialog(false, u"a.ico", u"電卓").iconPath, u"");
    const BossSettings on = BossValuesFromDialog(true, u" a.ico ", u"");
    EXPECT_EQ(on.iconPath, u" a.ico ");  // as typed
    EXPECT_TRUE(UsesIconFile(on));
    EXPECT_FALSE(UsesIconFile(BossValuesFromDialog(true, u"   ", u"電卓")));
    EXPECT_FALSE(UsesIconFile(BossSettings{u"0", u"a.ico", u""}));
}

class FakeKeys : public KeyValueSource {
public:
    bool GetKeyValue(KeyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) const override {
        asked.push_back(std::string(keyName) + "|" + std::string(subKeyRef));
        const bool first = keyName == kSysInfoPathKey && subKeyRef == kSysInfoPathValue;
        keyVal = first ? firstValue : secondValue;
        return !keyVal.empty();
    }
    std::string firstValue, secondValue;
    mutable std::vector<std::string> asked;
};

TEST(AboutRulesTest, VersionLabelAndToolLookupOrder) {
    EXPECT_EQ(VersionLabel(0, 39, 0), u"ﾊﾞｰｼﾞｮﾝ 0.39.0");

    FakeKeys keys;
    int fileChecks = 0;
    auto exists = [&fileChecks](const std::string& file) {
        ++fileChecks;
        return file == "/opt/tools/MSINFO32.EXE";
    };
    EXPECT_EQ(FindSysInfoTool(keys, exists), "");
    EXPECT_EQ(keys.asked.size(), 2u);

    keys.secondValue = "/opt/tools";
    EXPECT_EQ(FindSysInfoTool(keys, exists), "/opt/tools/MSINFO32.EXE");
    keys.secondValue = "/elsewhere";
    EXPECT_EQ(FindSysInfoTool(keys, exists), "");

    // The first key's answer is taken as it is: no file check, no second key.
    keys.firstValue = "/usr/bin/hardinfo";
    keys.asked.clear();
    fileChecks = 0;
    EXPECT_EQ(FindSysInfoTool(keys, exists), "/usr/bin/hardinfo");
    EXPECT_EQ(keys.asked.size(), 1u);
    EXPECT_EQ(fileChecks, 0);
}

}  // namespace
}  // namespace zemlo
