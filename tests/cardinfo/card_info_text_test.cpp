// What the information boxes show: which field lands in which box and when a value is
// shown full-width.
#include "cardinfo/card_info_text.h"

#include <gtest/gtest.h>

#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;
using test::U;

TEST(ReadsAsNumber, AcceptsPlainSignedAndDecimalNumbersWithBlanksAround) {
    for (const char16_t* text :
         {u"5", u"12", u" 5", u"5 ", u"  42  ", u"-3", u"+7", u"1.5", u".5", u"5.", u"\t8"}) {
        EXPECT_TRUE(ReadsAsNumber(text)) << test::U8(text);
    }
}

TEST(ReadsAsNumber, RejectsTextsThatAreNotWhollyANumber) {
    for (const char16_t* text : {u"", u" ", u"－", u"-", u".", u"+.", u"1.2.3", u"3ﾀｰﾝ", u"A1",
                                 u"1 2", u"- 3", u"１２", u"1e3", u"0x10"}) {
        EXPECT_FALSE(ReadsAsNumber(text)) << test::U8(text);
    }
}

TEST(WidenedValue, WidensNumbersOnly) {
    EXPECT_EQ(WidenedValue(u"5"), U("５"));
    EXPECT_EQ(WidenedValue(u"12"), U("１２"));
    // Blanks around a number become ideographic spaces, the sign and point full-width too.
    EXPECT_EQ(WidenedValue(u" 5"), U("　５"));
    EXPECT_EQ(WidenedValue(u"-1.5"), U("－１．５"));
    // Anything else is shown as the data holds it.
    EXPECT_EQ(WidenedValue(U("－")), U("－"));
    EXPECT_EQ(WidenedValue(u"3 AB"), u"3 AB");
    EXPECT_EQ(WidenedValue(U("ｶﾞﾝ")), U("ｶﾞﾝ"));
}

class CardInfoTexts_ : public ::testing::Test {
protected:
    CardDatabase db;
};

TEST_F(CardInfoTexts_, UnitBoxesFollowTheFieldOrderOfTheFrame) {
    namespace f = unit_field;
    const int record = AddCard(db.units, "ZM0042",
                               {{f::ModelNo, "RX-9b"},
                                {f::UnitName, "ｸﾞﾗﾝﾂ ﾊﾟｲﾙ"},
                                {f::Team, "東方評議会"},
                                {f::RollOut, "3"},
                                {f::Hp, "12"},
                                {f::Terrain, "宇宙・地上"},
                                {f::DevLine1, "甲"},
                                {f::DevLine2, "乙"},
                                {f::DevLine3, "丙"},
                                {f::UnitLine1, "丁"},
                                {f::UnitLine2, "戊"},
                                {f::DesignCond1, "己"},
                                {f::DesignCond2, "庚"},
                                {f::NearWeapon, "振動刃"},
                                {f::NearPower, "4"},
                                {f::FarWeapon, "粒子砲"},
                                {f::FarPower, "－"},
                                {f::SpAbility1, "跳躍：1"},
                                {f::SpAbility2, "潜行：2"},
                                {f::SpFunction1, "修復"},
                                {f::SpFunction2, "索敵"},
                                {f::Note1, "注記一"},
                                {f::Note2, "注記二"},
                                {f::CardText, "本文"},
                                {f::CardCode, "ab 7ｶﾞ"}});
    const std::vector<std::u16string> texts = CardInfoTexts(db.units, CardKind::Unit, record);
    const std::vector<std::u16string> expected = {
        u"ZM0042",       u"RX-9b",       U("ｸﾞﾗﾝﾂ ﾊﾟｲﾙ"), U("東方評議会"), U("３"),     U("１２"),
        U("宇宙・地上"), U("甲"),        U("乙"),         U("丙"),         U("丁"),     U("戊"),
        U("己"),         U("庚"),        U("４"),         U("振動刃"),     U("－"),     U("粒子砲"),
        U("跳躍：1"),    U("潜行：2"),   U("修復"),       U("索敵"),       U("注記一"), U("注記二"),
        U("本文"),       U("ａｂ　７ガ")};
    ASSERT_EQ(texts.size(), 26u);
    EXPECT_EQ(texts, expected);
}

TEST_F(CardInfoTexts_, MissionPointsWidenedButUnitsNeededNot) {
    namespace f = mission_field;
    AddCard(db.missions, "MI0001", {{f::MissionName, "先の任務"}});
    const int record = AddCard(db.missions, "MI0002",
                               {{f::MissionName, "灯台の奪還"},
                                {f::PointsGained, "4"},
                                {f::UnitsNeeded, "2"},
                                {f::Terrain, "地上"},
                                {f::VictoryCond, "条件文"},
                                {f::Effect, "効果文"},
                                {f::CardText, "本文"}});
    const auto texts = CardInfoTexts(db.missions, CardKind::Mission, record);
    const std::vector<std::u16string> expected = {
        u"MI0002", U("灯台の奪還"), U("４"), u"2", U("地上"), U("条件文"), U("効果文"), U("本文")};
    EXPECT_EQ(texts, expected);
}

TEST_F(CardInfoTexts_, CharacterPointsAndCodeWidened) {
    namespace f = char_field;
    const int record = AddCard(db.characters, "CH0007",
                               {{f::CharName, "リーヴァ"},
                                {f::Team, "南部同盟"},
                                {f::PointsLost, "2"},
                                {f::Timing, "戦闘前：自軍"},
                                {f::UseCond, "条件"},
                                {f::Effect, "効果"},
                                {f::CardText, "本文"},
                                {f::CardCode, "k9"}});
    const auto texts = CardInfoTexts(db.characters, CardKind::Character, record);
    const std::vector<std::u16string> expected = {u"CH0007", U("リーヴァ"),     U("南部同盟"),
                                                  U("２"),   U("戦闘前：自軍"), U("条件"),
                                                  U("効果"), U("本文"),         U("ｋ９")};
    EXPECT_EQ(texts, expected);
}

}  // namespace
}  // namespace zemlo
