// Shuffling and drawing the draw test's piles.
#include "tools/draw_pile.h"

#include <gtest/gtest.h>

#include <deque>

namespace zemlo {
namespace {

std::vector<DeckEntry> Deck(int n) {
    std::vector<DeckEntry> entries;
    for (int i = 0; i < n; ++i) {
        entries.emplace_back(CardKind::Unit, u"ZM" + std::u16string(1, u'A' + i), u"");
    }
    return entries;
}

std::vector<std::u16string> Texts(const DrawPile& pile) {
    std::vector<std::u16string> texts;
    for (const DrawPile::Row& row : pile.Rows())
        texts.push_back(std::u16string(row.entry.CardNo()));
    return texts;
}

// Hands out the given numbers in order.
UniformSource Scripted(std::deque<double> numbers) {
    return [numbers]() mutable {
        const double next = numbers.front();
        numbers.pop_front();
        return next;
    };
}

TEST(DrawPileTest, KeysComeFromThreeNumbersPerEntryAndEqualKeysKeepDeckOrder) {
    EXPECT_EQ(ShuffleKey(0.999, 0.999, 0.999), 1107);
    // a, b, c per entry: keys 309, 520, 309, 520 (b weighs most, then a, then c).
    DrawPile pile;
    pile.ShufflePile(Deck(4),
                     Scripted({0.5, 0.25, 0.99, 0.2, 0.5, 0.0, 0.5, 0.25, 0.95, 0.2, 0.5, 0.05}));
    EXPECT_EQ(Texts(pile), (std::vector<std::u16string>{u"ZMB", u"ZMD", u"ZMA", u"ZMC"}));
}

TEST(DrawPileTest, TheSameActionsAfterAFreshStartGiveTheSamePiles) {
    auto run = [] {
        RandomSequence sequence;
        UniformSource next = [&sequence] { return sequence.Next(); };
        DrawPile first, second;
        first.ShufflePile(Deck(20), next);
        second.ShufflePile(Deck(20), next);
        return std::make_pair(Texts(first), Texts(second));
    };
    const auto once = run();
    EXPECT_EQ(once, run());
    // The sequence goes on: a second shuffle is a new order.
    EXPECT_NE(once.first, once.second);
}

TEST(DrawPileTest, DrawingTakesRowsFrontToBackUntilThePileIsExhausted) {
    DrawPile pile;
    pile.ShufflePile(Deck(2), Scripted({0, 0.1, 0, 0, 0.9, 0}));
    EXPECT_FALSE(pile.Exhausted());
    EXPECT_EQ(pile.Draw(), Deck(2)[1]);
    EXPECT_EQ(pile.Draw(), Deck(2)[0]);
    EXPECT_TRUE(pile.Exhausted());
    EXPECT_EQ(pile.Draw(), std::nullopt);
    EXPECT_EQ(pile.DrawnCount(), 2);

    DrawPile empty;
    empty.ShufflePile({}, Scripted({}));
    EXPECT_TRUE(empty.Exhausted());
}

TEST(DrawPileTest, ProgramNumbersStayInsideZeroToOne) {
    RandomSequence sequence;
    double low = 1, high = 0;
    for (int i = 0; i < 100000; ++i) {
        const double x = sequence.Next();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        low = std::min(low, x);
        high = std::max(high, x);
    }
    EXPECT_LT(low, 0.001);
    EXPECT_GT(high, 0.999);
}

}  // namespace
}  // namespace zemlo
