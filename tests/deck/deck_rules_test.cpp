// The deck rules at their edges, and where an entry lands in a sorted deck list.
#include <gtest/gtest.h>

#include "deck/deck_summary.h"
#include "deck/entry_merge.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::TextsOf;

TEST(DeckRules, EachCounterKeepsItsRuleOnlyInsideItsRange) {
    const struct {
        DeckRule rule;
        long long value;
        bool kept;
    } kCases[] = {
        {DeckRule::Units, 0, false},
        {DeckRule::Units, 19, false},
        {DeckRule::Units, 20, true},
        {DeckRule::Units, 21, false},
        {DeckRule::MissionsAndCharacters, 9, false},
        {DeckRule::MissionsAndCharacters, 10, true},
        {DeckRule::MissionsAndCharacters, 8 + 7, true},
        {DeckRule::MissionsAndCharacters, 16, false},
        {DeckRule::Points, 9, false},
        {DeckRule::Points, 10, true},
        {DeckRule::Points, 1LL << 40, true},
        {DeckRule::Points, -3, false},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(KeepsRule(c.rule, c.value), c.kept)
            << "rule " << static_cast<int>(c.rule) << ", value " << c.value;
    }
}

DeckEntry Ranked(std::u16string_view no, std::u16string_view name) {
    return DeckEntry(CardKind::Unit, no, name);
}

TEST(SortedList, InsertionKeepsCopiesSideBySide) {
    std::vector<DeckEntry> list;
    auto add = [&list](DeckEntry entry) {
        list.insert(list.begin() + SortedInsertPosition(list, entry), std::move(entry));
    };
    add(Ranked(u"ZM0003", u"Beta"));
    add(Ranked(u"ZM0001", u"Alpha"));
    add(Ranked(u"ZM0003", u"Beta"));
    add(Ranked(u"ZM0002", u"Gamma"));
    const std::vector<std::u16string> expected = {u"ZM0001   Alpha", u"ZM0002   Gamma",
                                                  u"ZM0003   Beta", u"ZM0003   Beta"};
    EXPECT_EQ(TextsOf(list), expected);
}

TEST(SortedList, InsertionIgnoresLetterCaseAndGoesAfterEqualTexts) {
    const std::vector<DeckEntry> list = {Ranked(u"ZM0001", u"alpha"), Ranked(u"ZM0001", u"ALPHA"),
                                         Ranked(u"ZM0009", u"z")};
    // Equal but for case: after both, before the larger number.
    EXPECT_EQ(SortedInsertPosition(list, Ranked(u"ZM0001", u"Alpha")), 2u);
    EXPECT_EQ(SortedInsertPosition(list, Ranked(u"zm0005", u"x")), 2u);
    EXPECT_EQ(SortedInsertPosition(list, Ranked(u"ZM0000", u"x")), 0u);
    EXPECT_EQ(SortedInsertPosition(list, Ranked(u"ZM0010", u"x")), 3u);
    EXPECT_EQ(SortedInsertPosition({}, Ranked(u"ZM0001", u"")), 0u);
}

TEST(SortedList, MergingManyGivesTheListThatAddingEachInTurnGivesWithinTheLimit) {
    // Entries that sort alike (equal, or equal but for letter case) among the list's own.
    const std::vector<DeckEntry> list = {Ranked(u"ZM0001", u"alpha"), Ranked(u"ZM0003", u"b"),
                                         Ranked(u"ZM0005", u"c")};
    std::vector<DeckEntry> added;
    for (int i = 0; i < 40; ++i) {
        const DeckEntry entries[] = {Ranked(u"ZM0003", u"B"), Ranked(u"ZM0001", u"ALPHA"),
                                     Ranked(u"ZM0009", u"z"), Ranked(u"ZM0000", u"a"),
                                     Ranked(u"ZM0003", u"b"), Ranked(u"zm0001", u"alpha")};
        const DeckEntry& entry = entries[(i * 7) % 6];
        added.push_back(i % 2 ? entry
                              : Ranked(entry.CardNo(), std::u16string(entry.Name()) + u" "));
    }
    std::vector<DeckEntry> oneByOne = list;
    for (const DeckEntry& entry : added) {
        oneByOne.insert(oneByOne.begin() + SortedInsertPosition(oneByOne, entry), entry);
    }
    std::vector<DeckEntry> merged = list;
    EXPECT_EQ(MergeEntries(merged, added), 0u);
    EXPECT_EQ(merged, oneByOne);

    // A full list takes the first entries in their given order and counts the rest.
    std::vector<DeckEntry> nearlyFull(kMaxListEntries - 2, Ranked(u"ZM0005", u"c"));
    EXPECT_EQ(MergeEntries(nearlyFull, {Ranked(u"ZM0009", u"z"), Ranked(u"ZM0000", u"a"),
                                        Ranked(u"ZM0001", u"x")}),
              1u);
    ASSERT_EQ(nearlyFull.size(), kMaxListEntries);
    EXPECT_EQ(nearlyFull.front(), Ranked(u"ZM0000", u"a"));
    EXPECT_EQ(nearlyFull.back(), Ranked(u"ZM0009", u"z"));
    EXPECT_EQ(MergeEntries(nearlyFull, {Ranked(u"ZM0000", u"a")}), 1u);
    EXPECT_EQ(nearlyFull.size(), kMaxListEntries);
}

}  // namespace
}  // namespace zemlo
