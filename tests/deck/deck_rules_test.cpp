// The deck counters' colours at the edges of the rules, mission points read from entries,
// and where an entry lands in a sorted deck list.
#include <gtest/gtest.h>

#include "deck/deck_counters.h"
#include "deck/deck_entries.h"
#include "deck/entry_merge.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::U;

TEST(DeckCounters, UnitDeckIsBlackOnlyAtExactlyTwenty) {
    EXPECT_EQ(UnitCountColour(0), CounterColour::Red);
    EXPECT_EQ(UnitCountColour(19), CounterColour::Red);
    EXPECT_EQ(UnitCountColour(20), CounterColour::Black);
    EXPECT_EQ(UnitCountColour(21), CounterColour::Red);
}

TEST(DeckCounters, MissionsPlusCharactersAreBlackFromTenToFifteen) {
    EXPECT_EQ(MissionCharCountColour(0), CounterColour::Red);
    EXPECT_EQ(MissionCharCountColour(9), CounterColour::Red);
    EXPECT_EQ(MissionCharCountColour(10), CounterColour::Black);
    EXPECT_EQ(MissionCharCountColour(8 + 7), CounterColour::Black);
    EXPECT_EQ(MissionCharCountColour(16), CounterColour::Red);
}

TEST(DeckCounters, PointsAreBlackFromTen) {
    EXPECT_EQ(TotalPointsColour(0), CounterColour::Red);
    EXPECT_EQ(TotalPointsColour(9), CounterColour::Red);
    EXPECT_EQ(TotalPointsColour(10), CounterColour::Black);
    EXPECT_EQ(TotalPointsColour(31), CounterColour::Black);
}

// A mission catalog line: number, gap, name, 50 blanks, points.
std::u16string MissionEntry(std::string_view no, std::string_view name, std::string_view pts) {
    return U(no) + u"   " + U(name) + std::u16string(50, u' ') + U(pts);
}

TEST(DeckEntries, PointsComeFromTheLastTwoCharacters) {
    EXPECT_EQ(EntryPoints(MissionEntry("MI0001", "砂丘の監視", "3")), 3);
    EXPECT_EQ(EntryPoints(MissionEntry("MI0002", "夜明けの補給線", "12")), 12);
    // A third digit lies outside the last two characters.
    EXPECT_EQ(EntryPoints(MissionEntry("MI0003", "氷原突破", "105")), 5);
    EXPECT_EQ(EntryPoints(MissionEntry("MI0004", "霧の港", "－")), 0);
    EXPECT_EQ(EntryPoints(MissionEntry("MI0005", "無名の任務", "")), 0);
    EXPECT_EQ(EntryPoints(u"7"), 7);
    EXPECT_EQ(EntryPoints(u""), 0);
}

TEST(DeckEntries, TotalAddsEveryMissionInTheList) {
    EXPECT_EQ(TotalPoints({}), 0);
    const std::vector<std::u16string> nine = {MissionEntry("MI0001", "甲", "4"),
                                              MissionEntry("MI0002", "乙", "5")};
    EXPECT_EQ(TotalPoints(nine), 9);
    std::vector<std::u16string> ten = nine;
    ten.push_back(MissionEntry("MI0003", "丙", "1"));
    EXPECT_EQ(TotalPoints(ten), 10);
    // A duplicate counts again.
    ten.push_back(ten.back());
    EXPECT_EQ(TotalPoints(ten), 11);
}

TEST(DeckEntries, SortedInsertionKeepsCopiesSideBySide) {
    std::vector<std::u16string> list;
    auto add = [&list](std::u16string entry) {
        list.insert(list.begin() + SortedInsertPosition(list, entry), std::move(entry));
    };
    add(u"ZM0003   Beta");
    add(u"ZM0001   Alpha");
    add(u"ZM0003   Beta");
    add(u"ZM0002   Gamma");
    const std::vector<std::u16string> expected = {u"ZM0001   Alpha", u"ZM0002   Gamma",
                                                  u"ZM0003   Beta", u"ZM0003   Beta"};
    EXPECT_EQ(list, expected);
}

TEST(DeckEntries, SortedInsertionIgnoresLetterCaseAndGoesAfterEqualTexts) {
    const std::vector<std::u16string> list = {u"ZM0001   alpha", u"ZM0001   ALPHA", u"ZM0009   z"};
    // Equal but for case: after both, before the larger number.
    EXPECT_EQ(SortedInsertPosition(list, u"ZM0001   Alpha"), 2u);
    EXPECT_EQ(SortedInsertPosition(list, u"zm0005   x"), 2u);
    EXPECT_EQ(SortedInsertPosition(list, u"ZM0000   x"), 0u);
    EXPECT_EQ(SortedInsertPosition(list, u"ZM0010   x"), 3u);
    EXPECT_EQ(SortedInsertPosition({}, u"ZM0001"), 0u);
}

TEST(DeckEntries, MergingManyGivesTheListThatAddingEachInTurnGivesWithinTheLimit) {
    // Entries that sort alike (equal, or equal but for letter case) among the list's own.
    const std::vector<std::u16string> list = {u"ZM0001   alpha", u"ZM0003   b", u"ZM0005   c"};
    std::vector<std::u16string> added;
    for (int i = 0; i < 40; ++i) {
        const char16_t* names[] = {u"ZM0003   B", u"ZM0001   ALPHA", u"ZM0009   z",
                                   u"ZM0000   a", u"ZM0003   b",     u"zm0001   alpha"};
        added.push_back(std::u16string(names[(i * 7) % 6]) + (i % 2 ? u"" : u" "));
    }
    std::vector<std::u16string> oneByOne = list;
    for (const std::u16string& entry : added) {
        oneByOne.insert(oneByOne.begin() + SortedInsertPosition(oneByOne, entry), entry);
    }
    std::vector<std::u16string> merged = list;
    EXPECT_EQ(MergeEntries(merged, added), 0u);
    EXPECT_EQ(merged, oneByOne);

    // A full list takes the first entries in their given order and counts the rest.
    std::vector<std::u16string> nearlyFull(kMaxListEntries - 2, u"ZM0005   c");
    EXPECT_EQ(MergeEntries(nearlyFull, {u"ZM0009   z", u"ZM0000   a", u"ZM0001   x"}), 1u);
    ASSERT_EQ(nearlyFull.size(), kMaxListEntries);
    EXPECT_EQ(nearlyFull.front(), u"ZM0000   a");
    EXPECT_EQ(nearlyFull.back(), u"ZM0009   z");
    EXPECT_EQ(MergeEntries(nearlyFull, {u"ZM0000   a"}), 1u);
    EXPECT_EQ(nearlyFull.size(), kMaxListEntries);
}

}  // namespace
}  // namespace zemlo
