// Comparing two decks and finding a card by a part of its name.
#include "tools/deck_difference.h"

#include <gtest/gtest.h>

#include "library_decks.h"
#include "support/card_builder.h"
#include "support/temp_dir.h"
#include "tools/card_name_index.h"

namespace zemlo::test {
namespace {

TEST(DeckDifference, ChangedCardsByKindAndNumberTheEqualOnesOnlyWhenAsked) {
    const CardDatabase db = LibraryCards();
    // Entries out of number order, as a hand-edited file may hold them.
    const DeckSummary first = SummarizeDeck(MakeDeck(db, {4, 0, 0, 1}, {2, 2}, {0}));
    const DeckSummary second = SummarizeDeck(MakeDeck(db, {1, 0, 3, 3, 3}, {2, 2}, {}));
    const std::vector<CardDifference> changed = CompareDecks(first, second, false);
    EXPECT_EQ(changed, (std::vector<CardDifference>{
                           {CardKind::Unit, u"ZM0001", u"試作機1", 2, 1},
                           {CardKind::Unit, u"ZM0004", u"試作機4", 0, 3},
                           {CardKind::Unit, u"ZM0005", u"試作機5", 1, 0},
                           {CardKind::Character, u"CH0001", u"隊長1", 1, 0},
                       }));
    const std::vector<CardDifference> all = CompareDecks(first, second, true);
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[1], (CardDifference{CardKind::Unit, u"ZM0002", u"試作機2", 1, 1}));
    // A mission's name comes without the blanks and points that end its entry.
    EXPECT_EQ(all[4], (CardDifference{CardKind::Mission, u"MI0003", u"作戦3", 2, 2}));
    EXPECT_TRUE(CompareDecks(first, first, false).empty());
}

TEST(DeckDifference, TextWritesSignAndCountFullWidthThenNameAndNumberWithCrLf) {
    const std::vector<CardDifference> cards = {
        {CardKind::Unit, u"ZM0001", u"試作機1", 0, 2},
        {CardKind::Unit, u"ZM0002", u"試作機2", 1, 1},
        {CardKind::Mission, u"MI0010", u"作戦10", 12, 1},
    };
    EXPECT_EQ(DifferenceText(cards), u"＋２\t試作機1\tZM0001\r\n－１１\t作戦10\tMI0010\r\n");
    EXPECT_EQ(DifferenceText({}), u"");
    EXPECT_EQ(ChangeText(2), u"＋2");
    EXPECT_EQ(ChangeText(-11), u"－11");
    EXPECT_EQ(ChangeText(0), u"0");
}

TEST(CardNameIndex, SuggestsEveryCardWhoseFoldedNameHoldsTheTextWithItsNumber) {
    const CardDatabase db = LibraryCards();
    // Without a normaliser the fold still joins hiragana with katakana and ignores case.
    const SearchFold fold(nullptr);
    const CardNameIndex names(db, fold);
    const std::vector<CardSuggestion> found = names.Suggest(u"機2", 10);
    ASSERT_EQ(found.size(), 7u);  // 2, 20-25
    EXPECT_EQ(found[0], (CardSuggestion{CardKind::Unit, u"ZM0002", u"試作機2"}));
    EXPECT_EQ(found[1].cardNo, u"ZM0020");
    EXPECT_EQ(names.Suggest(u"機2", 3).size(), 3u);
    EXPECT_EQ(names.Suggest(u" しーるど ", 10).back(),
              (CardSuggestion{CardKind::Unit, u"ZM0027", u"シールド改"}));
    // Matched anywhere in the name, in every kind.
    EXPECT_EQ(names.Suggest(u"1", 100).size(), 12u + 4u + 1u);
    EXPECT_TRUE(names.Suggest(u"  ", 10).empty());
    EXPECT_TRUE(names.Suggest(u"ZM0001", 10).empty());

    EXPECT_EQ(names.CardNumbered(u" MI0004 "),
              (CardSuggestion{CardKind::Mission, u"MI0004", u"作戦4"}));
    EXPECT_FALSE(names.CardNumbered(u"MI004").has_value());
    // Typed numbers fold as names do: case, and width through the normaliser (here one
    // that narrows full-width Latin letters and digits, as NFKC does).
    EXPECT_EQ(names.CardNumbered(u"mi0004").value().cardNo, u"MI0004");
    const SearchFold narrowing([](std::u16string_view text) {
        std::u16string narrow(text);
        for (char16_t& c : narrow) {
            if (c >= u'！' && c <= u'～') c = static_cast<char16_t>(c - u'！' + u'!');
        }
        return narrow;
    });
    EXPECT_EQ(CardNameIndex(db, narrowing).CardNumbered(u"ＺＭ０００２").value().cardNo, u"ZM0002");
    EXPECT_FALSE(names.CardNumbered(u"").has_value());
}

}  // namespace
}  // namespace zemlo::test
