// The one summary of a deck every reader shares: counters, the rules' judgement, the copies.
#include "deck/deck_summary.h"

#include <gtest/gtest.h>

#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::Entry;

TEST(DeckSummary, CountersJudgementAndCopiesOfEveryList) {
    Deck deck;
    const DeckEntry alba = Entry(CardKind::Unit, "ZM0001", "アルバ");
    const DeckEntry berna = Entry(CardKind::Unit, "ZM0002", "ベルナ");
    const DeckEntry mist = Entry(CardKind::Mission, "MI0001", "霧の峠", "4");
    const DeckEntry dune = Entry(CardKind::Mission, "MI0002", "砂丘", "105");
    const DeckEntry rose = Entry(CardKind::Character, "CH0001", "ロゼ");
    deck.Fill({berna, alba, berna, alba, alba, mist, dune, mist, rose});

    const DeckSummary summary = SummarizeDeck(deck);
    EXPECT_EQ(summary.counters, (DeckCounters{5, 3, 1, 4 + 105 + 4}));
    EXPECT_EQ(summary.counters.MissionsAndCharacters(), 4);
    EXPECT_EQ(summary.broken, (std::vector<BrokenRule>{{DeckRule::Units, 5},
                                                       {DeckRule::MissionsAndCharacters, 4}}));
    EXPECT_EQ(summary.Cards(CardKind::Unit), (std::vector<CardCopies>{{alba, 3}, {berna, 2}}));
    EXPECT_EQ(summary.Cards(CardKind::Mission), (std::vector<CardCopies>{{mist, 2}, {dune, 1}}));
    EXPECT_EQ(summary.Cards(CardKind::Character), (std::vector<CardCopies>{{rose, 1}}));
    EXPECT_EQ(CountDeck(deck), summary.counters);
}

TEST(DeckSummary, AnEmptyDeckBreaksEveryRule) {
    const DeckSummary summary = SummarizeDeck(Deck{});
    EXPECT_EQ(summary.broken, (std::vector<BrokenRule>{{DeckRule::Units, 0},
                                                       {DeckRule::MissionsAndCharacters, 0},
                                                       {DeckRule::Points, 0}}));
    for (CardKind kind : kDeckKinds) EXPECT_TRUE(summary.Cards(kind).empty());
}

TEST(DeckSummary, CopiesAreRunsOfNeighbouringEqualEntries) {
    // A card whose number differs only in letter case sorts among the copies of another.
    const DeckEntry upper = Entry(CardKind::Character, "CH0001", "X");
    const DeckEntry lower = Entry(CardKind::Character, "ch0001", "X");
    Deck deck;
    deck.Add(upper);
    deck.Add(lower);
    deck.Add(upper);
    EXPECT_EQ(SummarizeDeck(deck).Cards(CardKind::Character),
              (std::vector<CardCopies>{{upper, 1}, {lower, 1}, {upper, 1}}));
}

}  // namespace
}  // namespace zemlo
