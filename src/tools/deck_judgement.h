// What the deck library says of a deck's rules at a glance: each deck rule it breaks with
// the count that breaks it ("ﾕﾆｯﾄ 19"), or "OK". The judgement itself is the deck summary's.
#pragma once

#include <string>
#include <vector>

#include "deck/deck_summary.h"

namespace zemlo {

// "OK", or each broken rule and its count: "ﾕﾆｯﾄ 19、戦果 9".
std::u16string JudgementText(const std::vector<BrokenRule>& broken);

}  // namespace zemlo
