#include "deckfile/deck_text.h"

#include <gtest/gtest.h>

#include "deck_test_cards.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

std::u16string TextOf(const Deck& deck) {
    return DeckText(SummarizeDeck(deck));
}

DeckEntry Unit(std::string_view no, std::string_view name) {
    return Entry(CardKind::Unit, no, name);
}

TEST(DeckText, EmptyDeckGivesEmptyText) {
    EXPECT_EQ(TextOf(Deck{}), u"");
}

TEST(DeckText, UnitsOnlyGiveOneBlockEndingInThreeLineBreaks) {
    const Deck deck =
        DeckOf({Unit("ZM0001", "NAME-A"), Unit("ZM0001", "NAME-A"), Unit("ZM0002", "NAME-B")});
    EXPECT_EQ(TextOf(deck), U("ユニットカード") + u"\r\nNAME-A\t ×２\r\nNAME-B\t ×１\r\n\r\n\r\n");
}

TEST(DeckText, BlocksComeInKindOrderAndSkipEmptyLists) {
    const CardDatabase db = NumberLengthCards();
    const Deck deck =
        DeckOf(EntriesOf(db, CardKind::Unit, {3}), {}, EntriesOf(db, CardKind::Character, {1}));
    EXPECT_EQ(TextOf(deck), U("ユニットカード\r\n機体3\t ×１\r\n\r\n\r\n"
                              "キャラクターカード\r\n隊員1\t ×１\r\n\r\n\r\n"));
}

TEST(DeckText, CopiesAreCountedInFullWidthDigits) {
    const Deck deck = DeckOf(std::vector<DeckEntry>(3, Unit("ZM0001", "A")),
                             std::vector<DeckEntry>(12, Entry(CardKind::Mission, "MI00001", "B")));
    const std::u16string text = TextOf(deck);
    EXPECT_NE(text.find(u"A\t ×３\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"B\t ×１２\r\n"), std::u16string::npos);
    EXPECT_EQ(text.find(u"×１\r"), std::u16string::npos);
}

TEST(DeckText, ACardWithoutANameIsALineWithItsCopiesOnly) {
    EXPECT_EQ(TextOf(DeckOf({Unit("ZM0001", "")})),
              U("ユニットカード") + u"\r\n\t ×１\r\n\r\n\r\n");
}

}  // namespace
}  // namespace zemlo::test
