// Exact draw odds of a shuffled pile: for a card held in `copies` of the pile's `pileSize`
// entries, the chance of seeing it among the first `drawn` cards. The numbers are
// hypergeometric and computed as products of ratios, so piles of any size the card data
// allows keep full precision without large intermediate values.
#pragma once

#include <string>
#include <vector>

#include "carddb/card_database.h"

namespace zemlo {

// drawn is taken as at most pileSize and at least 0; copies as at most pileSize.
double ChanceOfAtLeastOne(int pileSize, int copies, int drawn);
double ChanceOfAtLeastTwo(int pileSize, int copies, int drawn);
double ExpectedCopies(int pileSize, int copies, int drawn);

// One distinct card of a pile.
struct OddsRow {
    std::u16string cardNo;
    std::u16string name;  // from the card tables; the entry's own text when not found
    int copies = 0;
};

// One row per distinct card number, in the order the cards first appear in the pile.
std::vector<OddsRow> PileOddsRows(const CardDatabase& db, const std::vector<std::u16string>& pile);

// A chance as a percentage with one decimal: "12.3%".
std::u16string PercentText(double chance);
// An expected count with two decimals: "0.45".
std::u16string ExpectedText(double expected);

}  // namespace zemlo
