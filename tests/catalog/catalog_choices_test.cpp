#include "catalog/catalog_choices.h"

#include <gtest/gtest.h>

#include "carddb/card_fields.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;
using test::U;
namespace uf = unit_field;
namespace mf = mission_field;
namespace cf = char_field;

std::vector<std::string> Utf8(const std::vector<std::u16string>& list) {
    std::vector<std::string> out;
    for (const auto& text : list) out.push_back(test::U8(text));
    return out;
}

using Texts = std::vector<std::string>;

TEST(CatalogChoices, NumberRangeRunsFromZeroToHighestInTwoCharacterForm) {
    CardDatabase db;
    for (const char* rollOut : {"3", "12", "5"})
        AddCard(db.units, "ZM0001", {{uf::RollOut, rollOut}});
    const CatalogChoices choices = BuildCatalogChoices(db);
    EXPECT_EQ(Utf8(choices.rollOut), (Texts{" 0", " 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8",
                                            " 9", "10", "11", "12"}));
    // Each field has its own range.
    EXPECT_EQ(Utf8(choices.hp), (Texts{" 0"}));
}

TEST(CatalogChoices, EmptyDatabaseGivesZeroRangesAndOnlyNoCondition) {
    const CatalogChoices choices = BuildCatalogChoices(CardDatabase{});
    for (const auto* range :
         {&choices.rollOut, &choices.hp, &choices.nearPower, &choices.farPower,
          &choices.missionPoints, &choices.unitsNeeded, &choices.characterPoints}) {
        EXPECT_EQ(Utf8(*range), (Texts{" 0"}));
    }
    for (const auto* list : {&choices.abilities, &choices.functions, &choices.devLines,
                             &choices.unitLines, &choices.designConds, &choices.timings}) {
        EXPECT_EQ(Utf8(*list), (Texts{"(指定なし)"}));
    }
}

TEST(CatalogChoices, NegativeAndNonPlainValuesExtendRangesByTheirRoundedLeadingNumber) {
    CardDatabase db;
    AddCard(db.units, "ZM0001", {{uf::Hp, "-2"}, {uf::NearPower, "2.5"}, {uf::FarPower, "3.5"}});
    AddCard(db.units, "ZM0002", {{uf::Hp, "1体"}, {uf::NearPower, "abc"}, {uf::RollOut, "99999"}});
    const CatalogChoices choices = BuildCatalogChoices(db);
    EXPECT_EQ(Utf8(choices.hp), (Texts{"-2", "-1", " 0", " 1"}));
    EXPECT_EQ(Utf8(choices.nearPower), (Texts{" 0", " 1", " 2"}));  // half to even
    EXPECT_EQ(Utf8(choices.farPower), (Texts{" 0", " 1", " 2", " 3", " 4"}));
    ASSERT_EQ(choices.rollOut.size(), 32768u);
    EXPECT_EQ(test::U8(choices.rollOut.back()), "32767");
}

TEST(CatalogChoices, NumbersBeyondSixteenBitsInEveryNumberFieldAreClamped) {
    CardDatabase db;
    const std::string huge = "1" + std::string(400, '0');  // beyond even a double
    for (const std::string& value : {std::string("70000"), std::string("-70000"), huge}) {
        AddCard(db.units, "ZM0001",
                {{uf::RollOut, value}, {uf::Hp, value}, {uf::NearPower, value},
                 {uf::FarPower, value}});
        AddCard(db.missions, "MI0001", {{mf::PointsGained, value}});
        AddCard(db.characters, "CH0001", {{cf::PointsLost, value}});
    }
    const CatalogChoices choices = BuildCatalogChoices(db);
    for (const auto* range : {&choices.rollOut, &choices.hp, &choices.nearPower, &choices.farPower,
                              &choices.missionPoints, &choices.characterPoints}) {
        ASSERT_EQ(range->size(), 65536u);
        EXPECT_EQ(test::U8(range->front()), "-32768");
        EXPECT_EQ(test::U8(range->back()), "32767");
    }
}

TEST(CatalogChoices, RangesWithMinimumAboveZeroStillStartAtZero) {
    CardDatabase db;
    AddCard(db.missions, "MI0001", {{mf::PointsGained, "4"}, {mf::UnitsNeeded, "３体"}});
    AddCard(db.missions, "MI0002", {{mf::PointsGained, "6"}, {mf::UnitsNeeded, "２"}});
    AddCard(db.characters, "CH0001", {{cf::PointsLost, "2"}});
    const CatalogChoices choices = BuildCatalogChoices(db);
    EXPECT_EQ(Utf8(choices.missionPoints), (Texts{" 0", " 1", " 2", " 3", " 4", " 5", " 6"}));
    EXPECT_EQ(Utf8(choices.unitsNeeded), (Texts{" 0", " 1", " 2", " 3"}));
    EXPECT_EQ(Utf8(choices.characterPoints), (Texts{" 0", " 1", " 2"}));
}

TEST(CatalogChoices, UnitsNeededCountsOnlyTheFirstFullWidthDigit) {
    CardDatabase db;
    AddCard(db.missions, "MI0001", {{mf::UnitsNeeded, "１２"}});
    EXPECT_EQ(Utf8(BuildCatalogChoices(db).unitsNeeded), (Texts{" 0", " 1"}));
}

TEST(CatalogChoices, NamesBeforeTheFirstColonListedOnceInOrder) {
    CardDatabase db;
    AddCard(db.units, "ZM0001",
            {{uf::SpAbility1, "跳躍：移動：２"}, {uf::SpAbility2, "潜行：隠れる"}});
    AddCard(db.units, "ZM0002", {{uf::SpAbility1, "跳躍：別の効果"}, {uf::SpAbility2, "迷彩"}});
    AddCard(db.units, "ZM0003", {{uf::SpFunction2, "推進機構：速い"}, {uf::SpAbility1, "－"}});
    AddCard(db.characters, "CH0001", {{cf::Timing, "常時：自軍"}});
    AddCard(db.characters, "CH0002", {{cf::Timing, "任意"}});
    const CatalogChoices choices = BuildCatalogChoices(db);
    EXPECT_EQ(Utf8(choices.abilities), (Texts{"(指定なし)", "潜行", "跳躍"}));
    EXPECT_EQ(Utf8(choices.functions), (Texts{"(指定なし)", "推進機構"}));
    EXPECT_EQ(Utf8(choices.timings), (Texts{"(指定なし)", "常時"}));
}

// Fields left empty are values too; only the dash is skipped.
TEST(CatalogChoices, WholeValuesSkipTheDashAndShareOneListPerGroup) {
    CardDatabase db;
    AddCard(db.units, "ZM0001",
            {{uf::DevLine1, "ガル系"},
             {uf::DevLine2, "－"},
             {uf::DevLine3, "ルド系"},
             {uf::UnitLine1, "重型"},
             {uf::DesignCond2, "甲計画"}});
    AddCard(db.units, "ZM0002",
            {{uf::DevLine1, "－"},
             {uf::DevLine2, "－"},
             {uf::DevLine3, "ガル系"},
             {uf::UnitLine1, "－"},
             {uf::UnitLine2, "軽型"},
             {uf::DesignCond1, "甲計画"},
             {uf::DesignCond2, "－"}});
    const CatalogChoices choices = BuildCatalogChoices(db);
    EXPECT_EQ(Utf8(choices.devLines), (Texts{"(指定なし)", "ガル系", "ルド系"}));
    EXPECT_EQ(Utf8(choices.unitLines), (Texts{"(指定なし)", "", "軽型", "重型"}));
    EXPECT_EQ(Utf8(choices.designConds), (Texts{"(指定なし)", "", "甲計画"}));
}

TEST(CatalogChoices, NoConditionStaysFirstAndEmptyValuesAreChoicesListedOnce) {
    CardDatabase db;
    // Texts that sort below "(": empty, a leading blank, ASCII punctuation.
    AddCard(db.units, "ZM0001",
            {{uf::DevLine1, ""}, {uf::DevLine2, " 外縁系"}, {uf::DevLine3, "!急造"}});
    AddCard(db.units, "ZM0002", {{uf::DevLine1, ""}, {uf::DevLine2, "ベ系"}, {uf::DevLine3, "－"}});
    AddCard(db.units, "ZM0003", {{uf::SpAbility1, "：名前なし"}});
    const CatalogChoices choices = BuildCatalogChoices(db);
    EXPECT_EQ(Utf8(choices.devLines), (Texts{"(指定なし)", "", " 外縁系", "!急造", "ベ系"}));
    EXPECT_EQ(Utf8(choices.abilities), (Texts{"(指定なし)", ""}));
}

TEST(CatalogChoices, TextListsAreInCaseInsensitiveOrder) {
    CardDatabase db;
    AddCard(db.units, "ZM0001", {{uf::UnitLine1, "beta型"}, {uf::UnitLine2, "Alpha型"}});
    AddCard(db.units, "ZM0002", {{uf::UnitLine1, "Gamma型"}, {uf::UnitLine2, "alpha型"}});
    EXPECT_EQ(Utf8(BuildCatalogChoices(db).unitLines),
              (Texts{"(指定なし)", "Alpha型", "alpha型", "beta型", "Gamma型"}));
}

// Many distinct values, each met several times, as at the largest card pools: every one
// listed once, in order.
TEST(CatalogChoices, ManyValuesMetOftenAreListedOnceEach) {
    CardDatabase db;
    Texts expected = {"(指定なし)"};
    for (int n = 0; n < 3000; ++n) {
        const std::string value = std::to_string(1000 + n % 700) + "型";
        AddCard(db.units, "ZM" + std::to_string(n),
                {{uf::UnitLine1, value}, {uf::UnitLine2, value}});
        if (n < 700) expected.push_back(value);
    }
    EXPECT_EQ(Utf8(BuildCatalogChoices(db).unitLines), expected);
}

TEST(RangeEntryText, PadsOneDigitToTwoCharacters) {
    EXPECT_EQ(RangeEntryText(0), u" 0");
    EXPECT_EQ(RangeEntryText(9), u" 9");
    EXPECT_EQ(RangeEntryText(10), u"10");
    EXPECT_EQ(RangeEntryText(-3), u"-3");
    EXPECT_EQ(RangeEntryText(120), u"120");
}

}  // namespace
}  // namespace zemlo
