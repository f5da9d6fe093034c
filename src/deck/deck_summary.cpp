#include "deck/deck_summary.h"

#include <unordered_map>

namespace zemlo {
namespace {

std::vector<CardCopies> CopiesOf(const std::vector<DeckEntry>& entries) {
    std::vector<CardCopies> cards;
    for (const DeckEntry& entry : entries) {
        if (!cards.empty() && cards.back().entry == entry) {
            ++cards.back().copies;
        } else {
            cards.push_back(CardCopies{entry, 1});
        }
    }
    return cards;
}

}  // namespace

long long DeckCounters::Of(DeckRule rule) const {
    switch (rule) {
        case DeckRule::Units:
            return units;
        case DeckRule::MissionsAndCharacters:
            return MissionsAndCharacters();
        case DeckRule::Points:
            break;
    }
    return points;
}

bool KeepsRule(DeckRule rule, long long value) {
    switch (rule) {
        case DeckRule::Units:
            return value == 20;
        case DeckRule::MissionsAndCharacters:
            return value >= 10 && value <= 15;
        case DeckRule::Points:
            break;
    }
    return value >= 10;
}

std::vector<BrokenRule> BrokenRules(const DeckCounters& counters) {
    std::vector<BrokenRule> broken;
    for (DeckRule rule : kDeckRules) {
        if (!KeepsRule(rule, counters.Of(rule))) broken.push_back({rule, counters.Of(rule)});
    }
    return broken;
}

DeckCounters CountDeck(const Deck& deck) {
    DeckCounters counters;
    counters.units = static_cast<long long>(deck.Size(CardKind::Unit));
    counters.missions = static_cast<long long>(deck.Size(CardKind::Mission));
    counters.characters = static_cast<long long>(deck.Size(CardKind::Character));
    counters.points = deck.TotalPoints();
    return counters;
}

DeckSummary SummarizeDeck(const Deck& deck) {
    DeckSummary summary;
    summary.counters = CountDeck(deck);
    summary.broken = BrokenRules(summary.counters);
    for (CardKind kind : kDeckKinds) {
        summary.cards[static_cast<std::size_t>(kind)] = CopiesOf(deck.Entries(kind));
    }
    return summary;
}

std::vector<CardCopies> CardsOnce(const std::vector<CardCopies>& cards) {
    std::vector<CardCopies> once;
    once.reserve(cards.size());
    // A sorted list breaks a card's run only with entries that differ from it in letter
    // case alone; the texts tell which rows are one card.
    std::unordered_map<std::u16string_view, std::size_t> rowOf;
    for (const CardCopies& card : cards) {
        const auto [at, added] = rowOf.try_emplace(card.entry.Text(), once.size());
        if (added) {
            once.push_back(card);
        } else {
            once[at->second].copies += card.copies;
        }
    }
    return once;
}

}  // namespace zemlo
