#include "deckfile/deck_text.h"

#include <gtest/gtest.h>

#include "deck_test_cards.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

TEST(DeckText, EmptyDeckGivesEmptyText) {
    EXPECT_EQ(DeckText(Deck{}), u"");
}

TEST(DeckText, UnitsOnlyGiveOneBlockEndingInThreeLineBreaks) {
    const Deck deck = DeckOf({u"ZM0001   NAME-A", u"ZM0001   NAME-A", u"ZM0002   NAME-B"});
    EXPECT_EQ(DeckText(deck),
              U("ユニットカード") + u"\r\nNAME-A\t ×２\r\nNAME-B\t ×１\r\n\r\n\r\n");
}

TEST(DeckText, BlocksComeInKindOrderAndSkipEmptyLists) {
    const CardDatabase db = NumberLengthCards();
    const Deck deck =
        DeckOf(EntriesOf(db, CardKind::Unit, {3}), {}, EntriesOf(db, CardKind::Character, {1}));
    EXPECT_EQ(DeckText(deck), U("ユニットカード\r\n機体3\t ×１\r\n\r\n\r\n"
                                "キャラクターカード\r\n隊員1\t ×１\r\n\r\n\r\n"));
}

TEST(DeckText, CopiesAreCountedInFullWidthDigits) {
    const Deck deck = DeckOf(std::vector<std::u16string>(3, u"ZM0001   A"),
                             std::vector<std::u16string>(12, u"MI00001 B"));
    const std::u16string text = DeckText(deck);
    EXPECT_NE(text.find(u"A\t ×３\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"B\t ×１２\r\n"), std::u16string::npos);
    EXPECT_EQ(text.find(u"×１\r"), std::u16string::npos);
}

TEST(DeckText, OnlyNeighboursMerge) {
    // Entries that sort alike but differ in letter case stand side by side, not merged.
    const Deck deck = DeckOf({}, {}, {u"CH0001   X", u"ch0001   X", u"CH0001   X", u"CH0001   X"});
    EXPECT_EQ(DeckText(deck),
              U("キャラクターカード") + u"\r\nX\t ×１\r\nX\t ×１\r\nX\t ×２\r\n\r\n\r\n");
}

TEST(DeckText, EntriesThatDifferOnlyInBlanksAreDifferentRuns) {
    const Deck deck = DeckOf({u"ZM0001   A", u"ZM0001   A "});
    EXPECT_EQ(DeckText(deck), U("ユニットカード") + u"\r\nA\t ×１\r\nA\t ×１\r\n\r\n\r\n");
}

TEST(DeckEntryName, WholeNameForEveryNumberLength) {
    const CardDatabase db = NumberLengthCards();
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(DeckEntryName(EntriesOf(db, CardKind::Unit, {r})[0]),
                  U("機体") + U(std::to_string(r)))
            << r;
        EXPECT_EQ(DeckEntryName(EntriesOf(db, CardKind::Character, {r})[0]),
                  U("隊員") + U(std::to_string(r)))
            << r;
    }
}

TEST(DeckEntryName, MissionEntriesKeepTheirPointsAfterTheName) {
    const CardDatabase db = NumberLengthCards();
    EXPECT_EQ(DeckEntryName(EntriesOf(db, CardKind::Mission, {0})[0]),
              U("作戦0") + std::u16string(50, u' ') + u"1");
}

TEST(DeckEntryName, ShortEntries) {
    // Shorter than ten characters: a card with an empty name, a bare number, nothing at all.
    EXPECT_EQ(DeckEntryName(u"ZM0001   "), u"");
    EXPECT_EQ(DeckEntryName(u"ZM0001"), u"");
    EXPECT_EQ(DeckEntryName(u""), u"");
    // A five-character number leaves room for a short name within the first ten.
    EXPECT_EQ(DeckEntryName(u"ZM001   Q"), u"Q");
    const Deck deck = DeckOf({u"ZM0001   "});
    EXPECT_EQ(DeckText(deck), U("ユニットカード") + u"\r\n\t ×１\r\n\r\n\r\n");
}

TEST(DeckEntryName, BlanksInsideTheNameStay) {
    EXPECT_EQ(DeckEntryName(u"ZM0001   " + U("白 き 翼") + u"  "), U("白 き 翼"));
    // A full-width blank is part of the name, not a separator.
    EXPECT_EQ(DeckEntryName(u"ZM0001   " + U("　翼")), U("　翼"));
}

}  // namespace
}  // namespace zemlo::test
