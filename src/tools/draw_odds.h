// Exact draw odds of a shuffled pile: for a card held in `copies` of the pile's `pileSize`
// entries, the chance of seeing it among the first `drawn` cards. The numbers are
// hypergeometric and computed as products of ratios, so piles of any size the card data
// allows keep full precision without large intermediate values.
#pragma once

#include <string>
#include <vector>

#include "deck/deck_summary.h"

namespace zemlo {

// drawn is taken as at most pileSize and at least 0; copies as at most pileSize.
double ChanceOfAtLeastOne(int pileSize, int copies, int drawn);
double ChanceOfAtLeastTwo(int pileSize, int copies, int drawn);
double ExpectedCopies(int pileSize, int copies, int drawn);

// One distinct card of a pile.
struct OddsRow {
    std::u16string cardNo;
    std::u16string name;
    int copies = 0;
};

// One row per distinct card of the pile (its cards as DeckSummary::Cards gives them, kind
// after kind), in their order; entries of one kind that share a card number count together
// under the first one's name.
std::vector<OddsRow> PileOddsRows(const std::vector<CardCopies>& pile);

// A chance as a percentage with one decimal: "12.3%".
std::u16string PercentText(double chance);
// An expected count with two decimals: "0.45".
std::u16string ExpectedText(double expected);

}  // namespace zemlo
