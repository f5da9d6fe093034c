#include "deckfile/deck_sheet.h"

#include <gtest/gtest.h>

#include <set>

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
    EXPECT_EQ(sheet.sections[1].columnTitles.back(), U("獲得戦果（1枚）"));
    EXPECT_EQ(sheet.TotalText(), U("合計枚数：6"));
    EXPECT_TRUE(sheet.sections[2].rows.empty());

    // Copies that an entry differing in letter case alone stands between are one row.
    const DeckSheet split =
        SheetOf({Unit(u"ZM0009", u"ab"), Unit(u"ZM0009", u"AB"), Unit(u"ZM0009", u"ab")}, {}, {});
    ASSERT_EQ(split.sections[0].rows.size(), 2u);
    EXPECT_EQ(split.sections[0].rows[0].name, u"ab");
    EXPECT_EQ(split.sections[0].rows[0].copies, U("×２"));
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

// The rows a page's slices take, signature included on the last page.
double RowsOnPage(const DeckSheet& sheet, std::size_t page) {
    using namespace sheet_layout;
    double rows = sheet.HeaderRows() + kPageNumberRows;
    for (const SheetSlice& slice : sheet.pages[page]) {
        rows +=
            kHeadingRows + kColumnTitleRows + kSectionGapRows + static_cast<double>(slice.rowCount);
        if (slice.endsSection) rows += kTallyRows;
    }
    if (page + 1 == sheet.pages.size()) rows += kSignatureRows;
    return rows;
}

TEST(DeckSheet, PagesBreakWhereTheirRowsRunOutAndEveryRowStandsOnce) {
    // Any deck within the rules, all 35 cards different, is one page, with an event too.
    SheetHeading withEvent;
    withEvent.event = U("冬季大会");
    std::vector<DeckEntry> missions;
    for (int i = 0; i < 10; ++i)
        missions.push_back(MissionEntry(u"MI0000" + U(std::to_string(i)), u"M", 1));
    std::vector<DeckEntry> characters;
    for (int i = 0; i < 5; ++i)
        characters.emplace_back(CardKind::Character, u"CH000" + U(std::to_string(i)), u"C");
    const DeckSheet legal =
        BuildDeckSheet(SummarizeDeck(DeckOf(DistinctUnits(20), missions, characters)), withEvent);
    EXPECT_EQ(legal.pages.size(), 1u);
    EXPECT_EQ(legal.totalCards, 35);

    for (const int units : {0, 1, 40, 47, 48, 49, 50, 51, 120, 400}) {
        for (const bool event : {false, true}) {
            SCOPED_TRACE(std::to_string(units) + (event ? " with event" : ""));
            const DeckSheet sheet =
                BuildDeckSheet(SummarizeDeck(DeckOf(DistinctUnits(units), missions, characters)),
                               event ? withEvent : SheetHeading{});
            std::array<std::size_t, 3> next{};
            for (std::size_t page = 0; page < sheet.pages.size(); ++page) {
                EXPECT_LE(RowsOnPage(sheet, page), sheet_layout::kPageRows) << "page " << page;
                for (const SheetSlice& slice : sheet.pages[page]) {
                    // Each section's rows in order, each once; its counters with its last.
                    EXPECT_EQ(slice.firstRow, next[slice.section]);
                    EXPECT_EQ(slice.continued, slice.firstRow > 0);
                    next[slice.section] += slice.rowCount;
                    EXPECT_EQ(slice.endsSection,
                              next[slice.section] == sheet.sections[slice.section].rows.size());
                    // A continued section's counters never stand alone on a page.
                    if (slice.continued && slice.endsSection) {
                        EXPECT_GT(slice.rowCount, 0u);
                    }
                }
            }
            for (std::size_t s = 0; s < 3; ++s) EXPECT_EQ(next[s], sheet.sections[s].rows.size());
        }
    }

    const DeckSheet twoPages = SheetOf(DistinctUnits(80), {}, {});
    ASSERT_EQ(twoPages.pages.size(), 2u);
    EXPECT_EQ(twoPages.SliceHeading(twoPages.pages[1][0]), U("ユニット（続き）"));
    EXPECT_EQ(twoPages.PageNumberText(0), u"1 / 2");
}

TEST(DeckSheet, TheFurtherPagesOfALongerEarlierSheetAreFoundWhileTheyLast) {
    const std::set<std::u16string> there = {u"/d/s.png", u"/d/s-2.png", u"/d/s-3.png",
                                            u"/d/s-5.png"};
    const auto isPage = [&](const std::u16string& path) { return there.count(path) > 0; };
    EXPECT_EQ(LeftOverSheetPages(u"/d/s.png", 1, isPage),
              (std::vector<std::u16string>{u"/d/s-2.png", u"/d/s-3.png"}));
    EXPECT_TRUE(LeftOverSheetPages(u"/d/s.png", 3, isPage).empty());
    EXPECT_TRUE(LeftOverSheetPages(u"/d/t.png", 1, isPage).empty());
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
