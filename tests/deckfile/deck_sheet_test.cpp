#include "deckfile/deck_sheet.h"

#include <gtest/gtest.h>

#include "deck_test_cards.h"
#include "support/card_builder.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

DeckEntry Unit(std::u16string_view no, std::u16string_view name) {
    return DeckEntry(CardKind::Unit, no, name);
}
DeckEntry MissionEntry(std::u16string_view no, std::u16string_view name, int points) {
    return DeckEntry(CardKind::Mission, no, name, U(std::to_string(points)));
}

// count distinct units, "ZM" and four digits.
std::vector<DeckEntry> DistinctUnits(int count) {
    std::vector<DeckEntry> units;
    for (int i = 0; i < count; ++i) {
        const std::string no =
            "ZM" + std::string(4 - std::to_string(i).size(), '0') + std::to_string(i);
        units.push_back(Unit(U(no), u"NAME"));
    }
    return units;
}

DeckSheet SheetOf(std::vector<DeckEntry> units, std::vector<DeckEntry> missions,
                  std::vector<DeckEntry> characters) {
    return BuildDeckSheet(SummarizeDeck(DeckOf(units, missions, characters)), {});
}

std::vector<std::u16string> Texts(const std::vector<SheetTally>& tallies) {
    std::vector<std::u16string> texts;
    for (const SheetTally& tally : tallies) texts.push_back(tally.Text());
    return texts;
}

TEST(DeckSheet, OneRowPerDistinctCardWithItsCopiesAndPoints) {
    const std::vector<DeckEntry> units = {
        Unit(u"ZM0001", u"蒼の機兵"), Unit(u"ZM0002", u"ﾃｽﾄ偵察機"), Unit(u"ZM0001", u"蒼の機兵"),
        Unit(u"ZM0001", u"蒼の機兵")};
    const std::vector<DeckEntry> missions = {MissionEntry(u"MI00001", u"辺境防衛", 3),
                                             MissionEntry(u"MI00001", u"辺境防衛", 3)};
    const DeckSheet sheet = SheetOf(units, missions, {});

    const auto& unitRows = sheet.sections[0].rows;
    ASSERT_EQ(unitRows.size(), 2u);
    EXPECT_EQ(unitRows[0].cardNo, u"ZM0001");
    EXPECT_EQ(unitRows[0].name, U("蒼の機兵"));
    EXPECT_EQ(unitRows[0].copies, U("×３"));
    EXPECT_EQ(unitRows[0].points, u"");
    EXPECT_EQ(unitRows[1].name, U("ﾃｽﾄ偵察機"));
    EXPECT_EQ(unitRows[1].copies, U("×１"));

    // A mission's points stand in their own column, not after its name.
    ASSERT_EQ(sheet.sections[1].rows.size(), 1u);
    EXPECT_EQ(sheet.sections[1].rows[0].name, U("辺境防衛"));
    EXPECT_EQ(sheet.sections[1].rows[0].copies, U("×２"));
    EXPECT_EQ(sheet.sections[1].rows[0].points, u"3");
    EXPECT_EQ(sheet.sections[1].columnTitles.back(), U("獲得戦果"));
    EXPECT_TRUE(sheet.sections[2].rows.empty());
}

TEST(DeckSheet, CountersAreMarkedOnlyOutsideTheirRules) {
    const DeckSheet empty = SheetOf({}, {}, {});
    EXPECT_EQ(Texts(empty.sections[0].tallies),
              std::vector<std::u16string>{U("ユニット数：0（規定外）")});
    EXPECT_EQ(Texts(empty.sections[1].tallies),
              (std::vector<std::u16string>{U("ミッション数：0"), U("合計戦果：0（規定外）")}));
    EXPECT_EQ(Texts(empty.sections[2].tallies),
              (std::vector<std::u16string>{U("キャラクター数：0"),
                                           U("ミッション＋キャラクター数：0（規定外）")}));
    // The empty sections still stand on the one page.
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_EQ(empty.pages[0].size(), 3u);

    const std::vector<DeckEntry> units(20, Unit(u"ZM0001", u"A"));
    const std::vector<DeckEntry> missions(5, MissionEntry(u"MI00001", u"B", 2));
    const std::vector<DeckEntry> characters(5, DeckEntry(CardKind::Character, u"CH0001", u"C"));
    const DeckSheet legal = SheetOf(units, missions, characters);
    EXPECT_EQ(legal.sections[0].tallies[0].Text(), U("ユニット数：20"));
    EXPECT_EQ(legal.sections[1].tallies[1].Text(), U("合計戦果：10"));
    EXPECT_EQ(legal.sections[2].tallies[1].Text(), U("ミッション＋キャラクター数：10"));
}

TEST(DeckSheet, PagesHoldSixtyRowsAndSectionsContinue) {
    EXPECT_EQ(SheetOf(DistinctUnits(60), {}, {}).pages.size(), 1u);

    // 40 units, 15 missions and 6 characters: the sixth character opens page two.
    std::vector<DeckEntry> missions;
    for (int i = 0; i < 15; ++i)
        missions.push_back(MissionEntry(u"MI0000" + U(std::to_string(i)), u"M", 1));
    std::vector<DeckEntry> characters;
    for (int i = 0; i < 6; ++i)
        characters.emplace_back(CardKind::Character, u"CH000" + U(std::to_string(i)), u"C");
    const DeckSheet sheet = SheetOf(DistinctUnits(40), missions, characters);
    ASSERT_EQ(sheet.pages.size(), 2u);
    ASSERT_EQ(sheet.pages[0].size(), 3u);
    EXPECT_EQ(sheet.pages[0][2].rowCount, 5u);
    EXPECT_FALSE(sheet.pages[0][2].endsSection);
    ASSERT_EQ(sheet.pages[1].size(), 1u);
    EXPECT_EQ(sheet.pages[1][0].firstRow, 5u);
    EXPECT_TRUE(sheet.pages[1][0].endsSection);
    EXPECT_EQ(sheet.SliceHeading(sheet.pages[1][0]), U("キャラクター（続き）"));
    EXPECT_EQ(sheet.PageNumberText(0), u"1 / 2");

    // Sections without rows follow the last rows, on the last page.
    const DeckSheet long_ = SheetOf(DistinctUnits(130), {}, {});
    ASSERT_EQ(long_.pages.size(), 3u);
    ASSERT_EQ(long_.pages[2].size(), 3u);
    EXPECT_EQ(long_.pages[2][0].rowCount, 10u);
    EXPECT_EQ(long_.pages[2][1].rowCount, 0u);
}

TEST(DeckSheet, NamesAndFileNames) {
    EXPECT_EQ(SheetDateText(2026, 12, 7), U("2026年12月7日"));
    EXPECT_EQ(DeckNameOfFile(u"/decks/大会.v2.htm"), U("大会.v2"));
    EXPECT_EQ(DeckNameOfFile(u""), u"");
    EXPECT_EQ(SheetFileName(U(" 大会 "), 12, 7), U("大会"));
    EXPECT_EQ(SheetFileName(u"a/b", 12, 7), u"ZM1207");
    EXPECT_EQ(WithExtension(u"/d/sheet", u".pdf"), u"/d/sheet.pdf");
    EXPECT_EQ(WithExtension(u"/d/sheet.PDF", u".pdf"), u"/d/sheet.PDF");
    EXPECT_EQ(WithExtension(u"/d/sheet.txt", u".png"), u"/d/sheet.txt.png");
    EXPECT_EQ(
        SheetImagePaths(u"/d.x/sheet.png", 3),
        (std::vector<std::u16string>{u"/d.x/sheet.png", u"/d.x/sheet-2.png", u"/d.x/sheet-3.png"}));
}

}  // namespace
}  // namespace zemlo::test
