// What the deck library says of a deck at a glance: its counters, computed as the counters
// under the deck lists compute them, and each deck rule it breaks with the count that breaks
// it ("ﾕﾆｯﾄ 19"), or "OK".
#pragma once

#include <array>
#include <string>
#include <vector>

#include "carddb/card_fields.h"

namespace zemlo {

// A deck as plain entry lists, by CardKind, each in list order.
using EntryLists = std::array<std::vector<std::u16string>, 3>;

struct DeckCounts {
    int units = 0;
    int missionsAndCharacters = 0;
    int points = 0;  // the missions' points

    friend bool operator==(const DeckCounts&, const DeckCounts&) = default;
};

DeckCounts CountDeck(const EntryLists& deck);

enum class DeckRule { Units, MissionsAndCharacters, Points };

struct BrokenRule {
    DeckRule rule;
    int count;  // the counter's value

    friend bool operator==(const BrokenRule&, const BrokenRule&) = default;
};

// The rules the counters show in red, in the counters' order.
std::vector<BrokenRule> BrokenRules(const DeckCounts& counts);

// "OK", or each broken rule and its count: "ﾕﾆｯﾄ 19、戦果 9".
std::u16string JudgementText(const std::vector<BrokenRule>& broken);

// A key whose text order is the judgements' order: decks that keep every rule first, then by
// the first rule broken (in the counters' order) and its count as a number ("ﾕﾆｯﾄ 9" before
// "ﾕﾆｯﾄ 16"), then by the next.
std::u16string JudgementSortKey(const std::vector<BrokenRule>& broken);

}  // namespace zemlo
