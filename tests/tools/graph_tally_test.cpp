// The statistics graphs' tallies and texts, on small card tables.
#include <gtest/gtest.h>

#include "support/card_builder.h"
#include "tools/graph_texts.h"

namespace zemlo {
namespace {

using test::AddCard;
using test::U;
using test::U8;
namespace uf = unit_field;

// A list's cards as its summary gives them: neighbouring equal numbers are one card with
// its copies. The kind is the number's.
std::vector<CardCopies> Cards(std::initializer_list<const char*> cardNos) {
    std::vector<CardCopies> cards;
    for (const char* cardNo : cardNos) {
        if (!cards.empty() && cards.back().entry.CardNo() == U(cardNo)) {
            ++cards.back().copies;
            continue;
        }
        const CardKind kind = cardNo[0] == 'M' ? CardKind::Mission : CardKind::Unit;
        cards.push_back({DeckEntry(kind, U(cardNo), u"x"), 1});
    }
    return cards;
}

class GraphTallyTest : public ::testing::Test {
protected:
    void Unit(const char* cardNo, const char* name, const char* rollOut, const char* farPower = "",
              const char* farWeapon = "", const char* terrain = "") {
        AddCard(db.units, cardNo,
                {{uf::UnitName, name},
                 {uf::RollOut, rollOut},
                 {uf::FarPower, farPower},
                 {uf::FarWeapon, farWeapon},
                 {uf::Terrain, terrain}});
    }
    ValueTally Tally(GraphKind kind, std::initializer_list<const char*> cardNos) {
        return TallyValueGraph(db.units, Cards(cardNos), kind);
    }

    CardDatabase db;
};

TEST_F(GraphTallyTest, EmptyDeckShowsNoRowAndTheNoUnitMessage) {
    const ValueTally tally = TallyValueGraph(db.units, {}, GraphKind::Hp);
    EXPECT_TRUE(ShownValues(tally).empty());
    EXPECT_EQ(U8(AverageCaption(GraphKind::Hp, tally)), "ユニットが選択されてません。");
    const TerrainTally terrain = TallyTerrainGraph(db, {}, GraphKind::UnitTerrain);
    for (const TerrainRow& row : terrain.rows) EXPECT_EQ(row.count, 0);
}

TEST_F(GraphTallyTest, ValuesAreRoundedHalfToEvenAndOnlyZeroToTwentyAreShownOrAveraged) {
    Unit("ZM01", "A", "");       // no number: bucket 0
    Unit("ZM02", "B", "abc");    // no number: bucket 0
    Unit("ZM03", "C", "2.5");    // 2
    Unit("ZM04", "D", "3.5");    // 4
    Unit("ZM05", "E", "21");     // counted, never shown
    Unit("ZM06", "F", "-1");     // nowhere
    Unit("ZM07", "G", "40000");  // nowhere
    const ValueTally tally =
        Tally(GraphKind::RollOut, {"ZM01", "ZM02", "ZM03", "ZM04", "ZM05", "ZM06", "ZM07", "ZM99"});
    EXPECT_EQ(ShownValues(tally), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(tally.buckets[0].count, 2);
    EXPECT_EQ(tally.buckets[21].count, 1);
    EXPECT_EQ(U8(ValueRowCaption(GraphKind::RollOut, 0)), "0ターン");
    // (0 + 0 + 2 + 4) / 4
    EXPECT_EQ(U8(AverageText(tally)), "１．５");
}

TEST_F(GraphTallyTest, RepeatedNamesAreListedOnceInARowButAgainAfterAnotherName) {
    Unit("ZM01", "A", "3");
    Unit("ZM02", "B", "3");
    const ValueTally tally = Tally(GraphKind::RollOut, {"ZM01", "ZM01", "ZM02", "ZM01"});
    EXPECT_EQ(tally.buckets[3].count, 4);
    EXPECT_EQ(U8(ValueRowTip(tally.buckets[3])), "A, B, A");
    EXPECT_EQ(U8(ValueCountCaption(GraphKind::RollOut, tally.buckets[3])), "4");
}

TEST_F(GraphTallyTest, LongRangeBucketsSplitBeamWeaponsFromTheOthers) {
    Unit("ZM01", "P", "1", "5", "ライフル");
    Unit("ZM02", "Q", "1", "5", "キャノン");
    Unit("ZM03", "R", "1", "5", "ランチャー[Ｂ]");
    Unit("ZM04", "S", "1", "6", "砲[Ｂ]");
    const ValueTally mixed =
        Tally(GraphKind::FarPower, {"ZM01", "ZM01", "ZM02", "ZM03", "ZM03", "ZM04", "ZM04"});
    const ValueBucket& five = mixed.buckets[5];
    EXPECT_EQ(five.count, 5);
    EXPECT_EQ(five.beamCount, 2);
    EXPECT_EQ(U8(ValueCountCaption(GraphKind::FarPower, five)), "5(3：2)");
    EXPECT_EQ(U8(ValueRowTip(five)), "P, Q：[Ｂ]→R");
    const ValueBucket& six = mixed.buckets[6];
    EXPECT_EQ(U8(ValueCountCaption(GraphKind::FarPower, six)), "2");
    EXPECT_EQ(U8(ValueRowTip(six)), "S");
    EXPECT_EQ(U8(ValueRowCaption(GraphKind::FarPower, 6)), "遠：6");
    // Only the long-range graph knows beams.
    EXPECT_EQ(Tally(GraphKind::RollOut, {"ZM03"}).buckets[1].beamCount, 0);
}

TEST_F(GraphTallyTest, AveragesAreCutToFiveCharactersInFullWidth) {
    Unit("ZM01", "A", "2");
    Unit("ZM02", "B", "3");
    Unit("ZM10", "C", "10");
    EXPECT_EQ(U8(AverageText(Tally(GraphKind::RollOut, {"ZM01", "ZM01", "ZM02"}))), "２．３３３");
    EXPECT_EQ(U8(AverageCaption(GraphKind::RollOut, Tally(GraphKind::RollOut, {"ZM10"}))),
              "平均ロールアウト：１０ターン");
}

TEST_F(GraphTallyTest, TerrainLettersCountInEveryRowTheyAppearIn) {
    Unit("ZM01", "A", "1", "", "", "宇陸");
    Unit("ZM02", "B", "1", "", "", "陸");
    AddCard(db.missions, "MI01",
            {{mission_field::MissionName, "M"}, {mission_field::Terrain, "海"}});
    const TerrainTally units =
        TallyTerrainGraph(db, Cards({"ZM01", "ZM02", "ZM01"}), GraphKind::UnitTerrain);
    EXPECT_EQ(units.rows[0].count, 2);
    EXPECT_EQ(units.rows[1].count, 3);
    EXPECT_EQ(U8(NameListTip(units.rows[1].names)), "A, B, A");
    EXPECT_EQ(units.rows[2].count + units.rows[3].count, 0);
    const TerrainTally missions = TallyTerrainGraph(db, Cards({"MI01"}), GraphKind::MissionTerrain);
    EXPECT_EQ(missions.rows[3].count, 1);
    EXPECT_EQ(U8(missions.rows[3].names), "M, ");
}

}  // namespace
}  // namespace zemlo
