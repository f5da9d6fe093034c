// What a deck lacks from the collection: the copies of each of its cards, the copies the
// collection does not hold, and the shopping list of them.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "carddb/card_database.h"
#include "collection/collection.h"
#include "deck/deck.h"
#include "deck/deck_summary.h"

namespace zemlo {

// One card of a deck and its copies there.
struct DeckCard {
    CardKind kind = CardKind::Unit;
    std::u16string cardNo;
    int copies = 0;

    friend bool operator==(const DeckCard&, const DeckCard&) = default;
};

// Every card of a deck once, by card number, in the order of the deck lists (units, missions,
// characters), from the deck's summary.
std::vector<DeckCard> CardsOfDeck(const DeckSummary& summary);
std::vector<DeckCard> CardsOfDeck(const Deck& deck);

// Copies of each card of a deck, by card number.
struct CardNoHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view s) const {
        return std::hash<std::u16string_view>{}(s);
    }
};
using CopiesByCard = std::unordered_map<std::u16string, int, CardNoHash, std::equal_to<>>;
CopiesByCard CopiesOf(const std::vector<DeckCard>& cards);

// The copies missing to build the deck whose cards these are from the collection.
long long TotalMissing(const Collection& collection, const std::vector<DeckCard>& cards);

// The cards of which the collection holds fewer copies than the deck, each with the copies
// missing, in the deck's order.
std::vector<DeckCard> MissingCards(const Collection& collection,
                                   const std::vector<DeckCard>& cards);

// The shopping list: one line per missing card, "２" (the copies in full-width digits), TAB,
// the card's name in the card data, TAB, its number, CR LF.
std::u16string ShoppingListText(const CardDatabase& db, const std::vector<DeckCard>& missing);

// The pairs AddCopiesEdit takes: every card of the deck with its copies.
std::vector<std::pair<std::u16string, int>> CopiesToAdd(const std::vector<DeckCard>& cards);

}  // namespace zemlo
