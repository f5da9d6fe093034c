// What every reader of a deck says of it, computed in one place: the three counters under
// the deck lists and the missions' points, the deck rules' judgement of them, and the
// copies of each card. The deck panel, the sheet, the deck text, the graphs, the draw odds,
// the deck library and the comparison all take it from here, so a rule changes in one place.
#pragma once

#include <array>
#include <vector>

#include "carddb/deck_entry.h"
#include "deck/deck.h"

namespace zemlo {

// The deck rules. Nothing stops a deck outside them; only the counters' colour tells.
enum class DeckRule {
    Units,                  // the unit deck holds exactly 20 units
    MissionsAndCharacters,  // missions and characters together: 10 to 15
    Points,                 // the missions' points add up to 10 or more
};

inline constexpr DeckRule kDeckRules[] = {DeckRule::Units, DeckRule::MissionsAndCharacters,
                                          DeckRule::Points};

struct DeckCounters {
    long long units = 0;
    long long missions = 0;
    long long characters = 0;
    long long points = 0;  // the missions' points

    long long MissionsAndCharacters() const { return missions + characters; }
    // The counter a rule judges.
    long long Of(DeckRule rule) const;

    friend bool operator==(const DeckCounters&, const DeckCounters&) = default;
};

// Whether a counter's value keeps its rule (black under the deck lists) or not (red).
bool KeepsRule(DeckRule rule, long long value);

struct BrokenRule {
    DeckRule rule = DeckRule::Units;
    long long count = 0;  // the counter's value

    friend bool operator==(const BrokenRule&, const BrokenRule&) = default;
};

// The rules the counters show in red, in the counters' order.
std::vector<BrokenRule> BrokenRules(const DeckCounters& counters);

// One card of a list: an entry and the copies that stand with it.
struct CardCopies {
    DeckEntry entry;
    int copies = 0;

    friend bool operator==(const CardCopies&, const CardCopies&) = default;
};

struct DeckSummary {
    DeckCounters counters;
    std::vector<BrokenRule> broken;
    // By CardKind, in list order: one row per run of equal neighbouring entries. The sorted
    // lists keep the copies of a card side by side, so a card has one row; only copies of a
    // card with entries that differ from it in letter case alone between them make two.
    std::array<std::vector<CardCopies>, 3> cards;

    const std::vector<CardCopies>& Cards(CardKind kind) const {
        return cards[static_cast<std::size_t>(kind)];
    }
};

// The counters alone, without going through the lists: what the deck panel needs after
// every change.
DeckCounters CountDeck(const Deck& deck);

DeckSummary SummarizeDeck(const Deck& deck);

// The cards of a list with one row per card: a row whose entry equals an earlier row's is
// added to it. What the printed sheet lists, where a card stands once however its copies
// are split.
std::vector<CardCopies> CardsOnce(const std::vector<CardCopies>& cards);

}  // namespace zemlo
