// The clipboard text of one card: the three layouts line by line, CR LF after every line,
// and the unit lines that the "none" mark leaves out.
#include "cardinfo/card_clip_text.h"

#include <gtest/gtest.h>

#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;
using test::U;

// Splits at CR LF; fails when the text does not end in CR LF or holds a bare CR or LF.
std::vector<std::u16string> Lines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos) {
            ADD_FAILURE() << "text does not end with CR LF";
            break;
        }
        std::u16string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of(u"\r\n"), std::u16string::npos) << "bare line break";
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

class CardClipText_ : public ::testing::Test {
protected:
    int AddUnit(std::string_view no, std::string_view dev2, std::string_view dev3,
                std::string_view line2, std::string_view sp2, std::string_view fn2,
                std::string_view note1, std::string_view note2, std::string_view text,
                std::string_view code) {
        namespace f = unit_field;
        return AddCard(db.units, no,
                       {{f::ModelNo, "VX-3"},
                        {f::UnitName, "ブラストリーフ"},
                        {f::Team, "西域連合"},
                        {f::RollOut, "2"},
                        {f::Terrain, "地上"},
                        {f::DevLine1, "試作系"},
                        {f::DevLine2, dev2},
                        {f::DevLine3, dev3},
                        {f::UnitLine1, "汎用"},
                        {f::UnitLine2, line2},
                        {f::DesignCond1, "工廠"},
                        {f::DesignCond2, "－"},
                        {f::NearWeapon, "熱杭"},
                        {f::NearPower, "3"},
                        {f::FarWeapon, "散弾筒"},
                        {f::FarPower, "2"},
                        {f::Hp, "6"},
                        {f::SpAbility1, "迷彩：1"},
                        {f::SpAbility2, sp2},
                        {f::SpFunction1, "－"},
                        {f::SpFunction2, fn2},
                        {f::Note1, note1},
                        {f::Note2, note2},
                        {f::CardText, text},
                        {f::CardCode, code}});
    }

    CardDatabase db;
};

TEST_F(CardClipText_, UnitWithEveryFieldFilledHasSeventeenLines) {
    AddUnit("ZM0101", "改良系", "量産系", "支援", "潜行：2", "補給", "夜間専用", "二機編成",
            "砂に消えた機体。", "Q7");
    const std::u16string expected =
        U("ZM0101\r\n"
          "VX-3 「ブラストリーフ」\r\n"
          "西域連合 地上 2ターン HP=6\r\n"
          "開発系統：試作系、改良系、量産系\r\n"
          "ユニット系統：汎用、支援\r\n"
          "設計条件：工廠\r\n"
          "設計条件：－\r\n"
          "近距離：熱杭：3\r\n"
          "遠距離：散弾筒：2\r\n"
          "特殊能力：迷彩：1\r\n"
          "特殊能力：潜行：2\r\n"
          "特殊機能：－\r\n"
          "特殊機能：補給\r\n"
          "補足：夜間専用\r\n"
          "補足：二機編成\r\n"
          "テキスト：砂に消えた機体。\r\n"
          "黒歴史コード：Q7\r\n");
    EXPECT_EQ(CardClipText(db, u"ZM0101"), expected);
}

TEST_F(CardClipText_, UnitLeavesOutTheBracketedFieldsMarkedNone) {
    AddUnit("ZM0102", "－", "－", "－", "－", "－", "－", "－", "－", "－");
    const std::u16string expected =
        U("ZM0102\r\n"
          "VX-3 「ブラストリーフ」\r\n"
          "西域連合 地上 2ターン HP=6\r\n"
          "開発系統：試作系\r\n"
          "ユニット系統：汎用\r\n"
          "設計条件：工廠\r\n"
          "設計条件：－\r\n"
          "近距離：熱杭：3\r\n"
          "遠距離：散弾筒：2\r\n"
          "特殊能力：迷彩：1\r\n"
          "特殊機能：－\r\n");
    EXPECT_EQ(CardClipText(db, u"ZM0102"), expected);
    EXPECT_EQ(Lines(expected).size(), 11u);
}

TEST_F(CardClipText_, UnitWithoutNotesTextAndCodeHasThirteenLines) {
    AddUnit("ZM0103", "改良系", "量産系", "支援", "潜行：2", "補給", "－", "－", "－", "－");
    const std::vector<std::u16string> lines = Lines(CardClipText(db, u"ZM0103"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[10], U("特殊能力：潜行：2"));
    EXPECT_EQ(lines[12], U("特殊機能：補給"));
}

TEST_F(CardClipText_, OnlyTheThirdDevelopmentLineMissing) {
    AddUnit("ZM0104", "改良系", "－", "支援", "－", "－", "夜間", "－", "－", "Z1");
    const std::vector<std::u16string> lines = Lines(CardClipText(db, u"ZM0104"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[3], U("開発系統：試作系、改良系"));
    EXPECT_EQ(lines[11], U("補足：夜間"));
    EXPECT_EQ(lines[12], U("黒歴史コード：Z1"));
}

TEST_F(CardClipText_, TheMarkInsideALongerTextIsWritten) {
    AddUnit("ZM0105", "－改", "－", "－", "－－", "－", "－", " －", "－とだけ記す", "－");
    const std::vector<std::u16string> lines = Lines(CardClipText(db, u"ZM0105"));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[3], U("開発系統：試作系、－改"));
    EXPECT_EQ(lines[10], U("特殊能力：－－"));
    EXPECT_EQ(lines[12], U("補足： －"));
    EXPECT_EQ(lines[13], U("テキスト：－とだけ記す"));
}

TEST_F(CardClipText_, MissionHasSixLinesWithIdeographicSpaces) {
    namespace f = mission_field;
    AddCard(db.missions, "MI0031",
            {{f::MissionName, "氷の回廊"},
             {f::PointsGained, "3"},
             {f::UnitsNeeded, "２"},
             {f::Terrain, "地上"},
             {f::VictoryCond, "－"},
             {f::Effect, "敵を1機戻す"},
             {f::CardText, "－"}});
    const std::u16string expected =
        U("MI0031\r\n"
          "「氷の回廊」\r\n"
          "戦果=3\u3000必要ユニット数=２\u3000地上\r\n"
          "勝利条件：－\r\n"
          "効果：敵を1機戻す\r\n"
          "テキスト：－\r\n");
    EXPECT_EQ(CardClipText(db, u"MI0031"), expected);
}

TEST_F(CardClipText_, CharacterHasEightLinesEvenWithNoneFields) {
    namespace f = char_field;
    AddCard(db.characters, "CH0012",
            {{f::CharName, "ミルダ・ソーン"},
             {f::Team, "北辺自治領"},
             {f::PointsLost, "1"},
             {f::Timing, "移動後：任意"},
             {f::UseCond, "－"},
             {f::Effect, "HPを2回復"},
             {f::CardText, "－"},
             {f::CardCode, "－"}});
    const std::u16string expected =
        U("CH0012\r\n"
          "「ミルダ・ソーン」\r\n"
          "北辺自治領\u3000戦果=1\r\n"
          "使用タイミング：移動後：任意\r\n"
          "使用条件：－\r\n"
          "効果：HPを2回復\r\n"
          "テキスト：－\r\n"
          "黒歴史コード：－\r\n");
    EXPECT_EQ(CardClipText(db, u"CH0012"), expected);
}

TEST_F(CardClipText_, FirstMatchingRecordOfTheKindTellsTheText) {
    namespace f = char_field;
    AddCard(db.characters, "CH0001", {{f::CharName, "先の者"}});
    AddCard(db.characters, "CH0001", {{f::CharName, "後の者"}});
    EXPECT_EQ(Lines(CardClipText(db, u"CH0001"))[1], U("「先の者」"));
}

TEST_F(CardClipText_, UnknownNumbersGiveAnEmptyText) {
    AddCard(db.units, "XX0001", {{unit_field::UnitName, "謎"}});
    AddCard(db.units, "ZM0001", {{unit_field::UnitName, "機"}});
    EXPECT_TRUE(CardClipText(db, u"XX0001").empty());  // no kind starts with XX
    EXPECT_TRUE(CardClipText(db, u"ZM0002").empty());
    EXPECT_TRUE(CardClipText(db, u"zm0001").empty());  // numbers compare exactly
    EXPECT_TRUE(CardClipText(db, u"ZM000").empty());
    // The kind comes from the number: a mission number is not looked up among units.
    AddCard(db.units, "MI0001", {{unit_field::UnitName, "迷子"}});
    EXPECT_TRUE(CardClipText(db, u"MI0001").empty());
    EXPECT_TRUE(CardClipText(db, u"").empty());
}

}  // namespace
}  // namespace zemlo
