#include "catalog/catalog_filters.h"

#include <gtest/gtest.h>

#include "carddb/card_fields.h"
#include "catalog/filter_suspension.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;
using test::U;
namespace uf = unit_field;
namespace mf = mission_field;
namespace cf = char_field;

std::vector<std::string> CardNos(const CardTable& table, const std::vector<int>& records) {
    std::vector<std::string> out;
    for (int r : records) out.push_back(test::U8(table.Cell(1, r)));
    return out;
}

using Names = std::vector<std::string>;

// A range over entries " 0".."10" with the given positions selected.
RangeCondition Range(int low, int high, int last = 10) {
    RangeCondition range;
    range.lowPosition = low;
    range.highPosition = high;
    range.highLast = last;
    auto text = [](int n) { return n < 10 ? u" " + std::u16string(1, u'0' + n) : u"10"; };
    range.lowText = text(low);
    range.highText = text(high);
    return range;
}

ChoiceCondition Choice(std::string_view text) {
    return ChoiceCondition{1, U(text)};
}

TEST(UnitFilter, ReturnsPassingRecordsInTableOrder) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0003", {{uf::Terrain, "宇"}});
    AddCard(units, "ZM0001", {{uf::Terrain, "砂"}});
    AddCard(units, "ZM0002", {{uf::Terrain, "海陸"}});
    const auto passing = FilterUnits(units, UnitConditions{});
    EXPECT_EQ(CardNos(units, passing), (Names{"ZM0003", "ZM0002"}));
}

TEST(UnitFilter, UncheckedAffiliationHidesOnlyItsExactTeam) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001", {{uf::Team, "ジオン公国"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002", {{uf::Team, "ジオン公国軍"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0003", {{uf::Team, "地球連邦"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.teams[3].checked = false;  // box 4
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0002", "ZM0003"}));
}

TEST(UnitFilter, OtherBoxComparesFirstCharacterOnlyAndUnknownTeamsAlwaysStay) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001", {{uf::Team, "（無所属）"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002", {{uf::Team, "辺境（自警）"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0003", {{uf::Team, "(半角)"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0004", {{uf::Team, "ＯＺ"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0005", {{uf::Team, ""}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.teams[15].checked = false;
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)),
              (Names{"ZM0002", "ZM0003", "ZM0004", "ZM0005"}));
    for (auto& box : c.teams) box.checked = false;
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0002", "ZM0003", "ZM0005"}));
}

TEST(UnitFilter, AffiliationUsesTheComparedTextCarriedByTheBox) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001", {{uf::Team, "連邦"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002", {{uf::Team, "地球連邦"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.teams[0].checked = false;
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001"}));
    c.teams[0].compared = u"連邦";
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0002"}));
}

class TerrainFixture : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [no, terrain] : {std::pair{"ZM0001", "宇"},
                                   {"ZM0002", "陸空"},
                                   {"ZM0003", "宇陸空海"},
                                   {"ZM0004", ""}}) {
            AddCard(units, no, {{uf::Terrain, terrain}});
        }
        for (auto [no, terrain] : {std::pair{"MI0001", "宇"},
                                   {"MI0002", "陸空"},
                                   {"MI0003", "宇陸空海"},
                                   {"MI0004", ""}}) {
            AddCard(missions, no, {{mf::Terrain, terrain}, {mf::UnitsNeeded, "１"}});
        }
    }
    Names Units(std::array<bool, 4> boxes, TerrainMode mode) {
        UnitConditions c;
        c.terrain = {boxes, mode};
        return CardNos(units, FilterUnits(units, c));
    }
    Names Missions(std::array<bool, 4> boxes, TerrainMode mode) {
        MissionConditions c;
        c.terrain = {boxes, mode};
        c.unitsNeededText = u" 0";
        return CardNos(missions, FilterMissions(missions, c));
    }
    CardTable units{uf::kCount};
    CardTable missions{mf::kCount};
};

TEST_F(TerrainFixture, NoBoxCheckedEmptiesUnitsExceptWithNot) {
    const std::array<bool, 4> none{false, false, false, false};
    EXPECT_TRUE(Units(none, TerrainMode::And).empty());
    EXPECT_TRUE(Units(none, TerrainMode::Or).empty());
    EXPECT_EQ(Units(none, TerrainMode::Not).size(), 4u);
}

TEST_F(TerrainFixture, NoBoxCheckedEmptiesMissionsExceptWithAnd) {
    const std::array<bool, 4> none{false, false, false, false};
    EXPECT_EQ(Missions(none, TerrainMode::And).size(), 4u);
    EXPECT_TRUE(Missions(none, TerrainMode::Or).empty());
    EXPECT_TRUE(Missions(none, TerrainMode::Not).empty());
}

TEST_F(TerrainFixture, ModesWithCheckedBoxes) {
    const std::array<bool, 4> all{true, true, true, true};
    const std::array<bool, 4> landAir{false, true, true, false};
    const std::array<bool, 4> space{true, false, false, false};
    // Start-up state: a card with no terrain character at all is filtered out.
    EXPECT_EQ(Units(all, TerrainMode::Or), (Names{"ZM0001", "ZM0002", "ZM0003"}));
    EXPECT_EQ(Units(landAir, TerrainMode::And), (Names{"ZM0002", "ZM0003"}));
    EXPECT_EQ(Units(all, TerrainMode::And), (Names{"ZM0003"}));
    EXPECT_EQ(Units(space, TerrainMode::Not), (Names{"ZM0002", "ZM0004"}));
    EXPECT_EQ(Missions(landAir, TerrainMode::Or), (Names{"MI0002", "MI0003"}));
    EXPECT_EQ(Missions(space, TerrainMode::Not), (Names{"MI0002", "MI0004"}));
    EXPECT_EQ(Missions(landAir, TerrainMode::And), (Names{"MI0002", "MI0003"}));
}

TEST(UnitFilter, RangesAtFullExtentImposeNothingAndNarrowedRangesReadNonNumbersAsZero) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001", {{uf::Hp, "－"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002", {{uf::Hp, "4"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0003", {{uf::Hp, "10"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0004", {{uf::Hp, "2.5"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.hp = Range(0, 10);
    EXPECT_EQ(FilterUnits(units, c).size(), 4u);
    c.hp = Range(0, 9);  // one step down: the dash counts as 0
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001", "ZM0002", "ZM0004"}));
    c.hp = Range(1, 10);
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0002", "ZM0003", "ZM0004"}));
    c.hp = Range(4, 4);  // both bounds inclusive
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0002"}));
    c.hp = Range(3, 2);  // lower above upper
    EXPECT_TRUE(FilterUnits(units, c).empty());
}

TEST(UnitFilter, EachRangeReadsItsOwnField) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001",
            {{uf::RollOut, "7"}, {uf::NearPower, "1"}, {uf::FarPower, "1"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002",
            {{uf::RollOut, "1"}, {uf::NearPower, "7"}, {uf::FarPower, "1"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0003",
            {{uf::RollOut, "1"}, {uf::NearPower, "1"}, {uf::FarPower, "7"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.rollOut = Range(0, 5);
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0002", "ZM0003"}));
    c.rollOut = {};
    c.nearPower = Range(0, 5);
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001", "ZM0003"}));
    c.nearPower = {};
    c.farPower = Range(0, 5);
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001", "ZM0002"}));
}

TEST(UnitFilter, BeamExclusionOnlyForFullWidthMarkAtTheEnd) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001", {{uf::FarWeapon, "ネスト砲[Ｂ]"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002", {{uf::FarWeapon, "ネスト砲[B]"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0003", {{uf::FarWeapon, "[Ｂ]ネスト砲"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0004", {{uf::FarWeapon, "ネスト砲［Ｂ］"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    EXPECT_EQ(FilterUnits(units, c).size(), 4u);
    c.excludeBeam = true;
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0002", "ZM0003", "ZM0004"}));
}

TEST(UnitFilter, AbilityMustBeFollowedByColonInEveryFieldThatStartsWithIt) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001", {{uf::SpAbility1, "跳躍：移動＋１"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002", {{uf::SpAbility1, "跳躍"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0003",
            {{uf::SpAbility1, "跳躍改：強化"},
             {uf::SpAbility2, "跳躍：移動＋１"},
             {uf::Terrain, "陸"}});
    AddCard(units, "ZM0004",
            {{uf::SpAbility1, "潜行：隠れる"},
             {uf::SpAbility2, "跳躍：移動＋１"},
             {uf::Terrain, "陸"}});
    AddCard(units, "ZM0005", {{uf::SpAbility1, "潜行：隠れる"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0006", {{uf::SpAbility1, "跳躍:半角"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.ability = Choice("跳躍");
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001", "ZM0004"}));
    c.ability.position = 0;  // "(指定なし)"
    EXPECT_EQ(FilterUnits(units, c).size(), 6u);
}

TEST(UnitFilter, FunctionUsesTheSameTestsOnFunctionFields) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001", {{uf::SpFunction2, "推進機構：速い"}, {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002", {{uf::SpAbility1, "推進機構：速い"}, {uf::Terrain, "陸"}});
    AddCard(
        units, "ZM0003",
        {{uf::SpFunction1, "推進機構"}, {uf::SpFunction2, "推進機構：速い"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.function = Choice("推進機構");
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001"}));
}

TEST(UnitFilter, LineAndDesignBoxesAreSeparateConditionsOnExactValues) {
    CardTable units(uf::kCount);
    AddCard(units, "ZM0001",
            {{uf::DevLine1, "ガル系"},
             {uf::DevLine3, "セリ系"},
             {uf::UnitLine2, "重型"},
             {uf::DesignCond1, "甲計画"},
             {uf::Terrain, "陸"}});
    AddCard(units, "ZM0002",
            {{uf::DevLine2, "ガル系"},
             {uf::UnitLine1, "重型"},
             {uf::DesignCond2, "乙計画"},
             {uf::Terrain, "陸"}});
    AddCard(units, "ZM0003", {{uf::DevLine1, "ガル系列"}, {uf::Terrain, "陸"}});
    UnitConditions c;
    c.devLines[1] = Choice("ガル系");
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001", "ZM0002"}));
    c.devLines[2] = Choice("セリ系");
    EXPECT_EQ(CardNos(units, FilterUnits(units, c)), (Names{"ZM0001"}));

    UnitConditions lines;
    lines.unitLines[0] = Choice("重型");
    EXPECT_EQ(CardNos(units, FilterUnits(units, lines)), (Names{"ZM0001", "ZM0002"}));
    lines.designConds[1] = Choice("乙計画");
    EXPECT_EQ(CardNos(units, FilterUnits(units, lines)), (Names{"ZM0002"}));
}

TEST(MissionFilter, UnitsNeededReadsOnlyTheFirstCharacterNarrowed) {
    CardTable missions(mf::kCount);
    for (auto [no, need] : {std::pair{"MI0001", "１２"},
                            {"MI0002", "３"},
                            {"MI0003", "－"},
                            {"MI0004", "2体"},
                            {"MI0005", ""}}) {
        AddCard(missions, no, {{mf::UnitsNeeded, need}, {mf::Terrain, "宇"}});
    }
    MissionConditions c;
    c.unitsNeededText = u" 2";
    c.atLeast = true;
    EXPECT_EQ(CardNos(missions, FilterMissions(missions, c)), (Names{"MI0002", "MI0004"}));
    c.atLeast = false;
    EXPECT_EQ(CardNos(missions, FilterMissions(missions, c)),
              (Names{"MI0001", "MI0003", "MI0004", "MI0005"}));
    c.unitsNeededText = u" 0";
    c.atLeast = true;
    EXPECT_EQ(FilterMissions(missions, c).size(), 5u);
}

TEST(MissionFilter, PointsRangeAtFullExtentKeepsNonNumbers) {
    CardTable missions(mf::kCount);
    AddCard(missions, "MI0001", {{mf::PointsGained, "－"}, {mf::Terrain, "宇"}});
    AddCard(missions, "MI0002", {{mf::PointsGained, "5"}, {mf::Terrain, "宇"}});
    MissionConditions c;
    c.unitsNeededText = u" 0";
    c.points = Range(0, 10);
    EXPECT_EQ(FilterMissions(missions, c).size(), 2u);
    c.points = Range(1, 10);
    EXPECT_EQ(CardNos(missions, FilterMissions(missions, c)), (Names{"MI0002"}));
    c.points = Range(0, 4);
    EXPECT_EQ(CardNos(missions, FilterMissions(missions, c)), (Names{"MI0001"}));
}

TEST(CharacterFilter, AffiliationRangeAndTimingPrefix) {
    CardTable chars(cf::kCount);
    AddCard(chars, "CH0001",
            {{cf::Team, "ＯＺ"}, {cf::PointsLost, "1"}, {cf::Timing, "戦闘フェイズ：自軍"}});
    AddCard(chars, "CH0002",
            {{cf::Team, "（傭兵）"}, {cf::PointsLost, "3"}, {cf::Timing, "戦闘フェイズ後：敵軍"}});
    AddCard(chars, "CH0003", {{cf::Team, "交易同盟"}, {cf::PointsLost, "x"}, {cf::Timing, "常時"}});
    CharacterConditions c;
    EXPECT_EQ(FilterCharacters(chars, c).size(), 3u);

    c.timing = Choice("戦闘フェイズ");  // longer timings that start the same way pass too
    EXPECT_EQ(CardNos(chars, FilterCharacters(chars, c)), (Names{"CH0001", "CH0002"}));
    c.timing = {};

    for (auto& box : c.teams) box.checked = false;
    EXPECT_EQ(CardNos(chars, FilterCharacters(chars, c)), (Names{"CH0003"}));
    c.teams = DefaultAffiliationBoxes();

    c.points = Range(1, 10);
    EXPECT_EQ(CardNos(chars, FilterCharacters(chars, c)), (Names{"CH0001", "CH0002"}));
}

TEST(RangeConditionRule, ActiveUnlessLowerAtFirstAndUpperAtLast) {
    EXPECT_FALSE(Range(0, 10).Active());
    EXPECT_TRUE(Range(1, 10).Active());
    EXPECT_TRUE(Range(0, 9).Active());
    RangeCondition single = Range(0, 0, 0);  // a one-entry list
    EXPECT_FALSE(single.Active());
}

TEST(FilterSuspension, AScopeHoldsTheFiltersAndPutsBackTheHoldItFound) {
    FilterSuspension suspension;
    EXPECT_TRUE(suspension.Active());  // held until start-up has prepared the catalogs
    { const FilterSuspension::Scope hold(suspension); }
    EXPECT_TRUE(suspension.Active());  // a scope during start-up does not lift its hold

    suspension.Set(false);
    {
        const FilterSuspension::Scope outer(suspension);
        { const FilterSuspension::Scope inner(suspension); }
        EXPECT_TRUE(suspension.Active());
    }
    EXPECT_FALSE(suspension.Active());
}

}  // namespace
}  // namespace zemlo
