// What the deck library says of a deck's rules at a glance: each deck rule it breaks with
// the count that breaks it ("ﾕﾆｯﾄ 19"), or "OK". The judgement itself is the deck summary's.
#pragma once

#include <string>
#include <vector>

#include "deck/deck_summary.h"

namespace zemlo {

// "OK", or each broken rule and its count: "ﾕﾆｯﾄ 19、戦果 9".
std::u16string JudgementText(const std::vector<BrokenRule>& broken);

// A key whose text order is the judgements' order: decks that keep every rule first, then by
// the first rule broken (in the counters' order) and its count as a number ("ﾕﾆｯﾄ 9" before
// "ﾕﾆｯﾄ 16"), then by the next.
std::u16string JudgementSortKey(const std::vector<BrokenRule>& broken);

}  // namespace zemlo
