// Exact draw odds against counting every possible draw, and the rows of a pile.
#include "tools/draw_odds.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::Entry;
using test::U8;

TEST(DrawOddsTest, FormulasMatchCountingEveryDrawOnSmallPiles) {
    for (int n = 1; n <= 9; ++n) {
        for (int copies = 0; copies <= n; ++copies) {
            // The copies are the first `copies` entries; a draw is a set of k entries.
            const uint32_t copyMask = (1u << copies) - 1;
            for (int k = 1; k <= n; ++k) {
                int draws = 0, atLeastOne = 0, atLeastTwo = 0, copiesSeen = 0;
                for (uint32_t draw = 0; draw < (1u << n); ++draw) {
                    if (std::popcount(draw) != k) continue;
                    const int seen = std::popcount(draw & copyMask);
                    ++draws;
                    atLeastOne += seen >= 1;
                    atLeastTwo += seen >= 2;
                    copiesSeen += seen;
                }
                SCOPED_TRACE(testing::Message() << n << " " << copies << " " << k);
                EXPECT_NEAR(ChanceOfAtLeastOne(n, copies, k), double(atLeastOne) / draws, 1e-12);
                EXPECT_NEAR(ChanceOfAtLeastTwo(n, copies, k), double(atLeastTwo) / draws, 1e-12);
                EXPECT_NEAR(ExpectedCopies(n, copies, k), double(copiesSeen) / draws, 1e-12);
            }
        }
    }
}

TEST(DrawOddsTest, TheLargestPileKeepsItsPrecision) {
    constexpr int kMax = 32767;
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastOne(kMax, 1, 1), 1.0 / kMax);
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastOne(kMax, 1, 40), 40.0 / kMax);
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastOne(kMax, 1, kMax), 1.0);
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastTwo(kMax, 1, kMax), 0.0);
    // Two copies among 32,767: both within the first k is k(k-1) / (N(N-1)).
    const double bothIn = 100.0 * 99 / (kMax * (kMax - 1.0));
    EXPECT_NEAR(ChanceOfAtLeastTwo(kMax, 2, 100), bothIn, bothIn * 1e-12);
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastOne(kMax, kMax, 1), 1.0);
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastTwo(kMax, kMax, 2), 1.0);
    EXPECT_DOUBLE_EQ(ExpectedCopies(kMax, kMax, 1234), 1234.0);
}

TEST(DrawOddsTest, DrawingMoreThanThePileDrawsThePile) {
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastOne(5, 1, 9), 1.0);
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastTwo(5, 2, 9), 1.0);
    EXPECT_DOUBLE_EQ(ExpectedCopies(5, 2, 9), 2.0);
    EXPECT_DOUBLE_EQ(ChanceOfAtLeastOne(0, 0, 3), 0.0);
    EXPECT_DOUBLE_EQ(ExpectedCopies(0, 0, 3), 0.0);
}

TEST(DrawOddsTest, PileRowsAreTheCardsByKindAndNumberWithTheirCopies) {
    const DeckEntry mist = Entry(CardKind::Mission, "MI0001", "霧の峠", "4");
    // A second record with the mist's number counts with it; a character of that number
    // is another card.
    const std::vector<CardCopies> pile = {{mist, 2},
                                          {Entry(CardKind::Mission, "MI0001", "別名"), 1},
                                          {Entry(CardKind::Character, "MI0001", "セルカ"), 1},
                                          {Entry(CardKind::Character, "CH0009", "ナナシ"), 3}};
    const std::vector<OddsRow> rows = PileOddsRows(pile);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(U8(rows[0].name), "霧の峠");
    EXPECT_EQ(rows[0].copies, 3);
    EXPECT_EQ(U8(rows[1].name), "セルカ");
    EXPECT_EQ(rows[2].cardNo, u"CH0009");
    EXPECT_EQ(rows[2].copies, 3);
    EXPECT_TRUE(PileOddsRows({}).empty());
    EXPECT_EQ(U8(PercentText(2.0 / 3)), "66.7%");
}

}  // namespace
}  // namespace zemlo
