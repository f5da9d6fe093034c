#include "collection/deck_shortfall.h"

#include "carddb/text_width.h"

namespace zemlo {

std::vector<DeckCard> CardsOfDeck(const DeckSummary& summary) {
    std::vector<DeckCard> cards;
    // The summary's rows by card number: a number met again further down (copies split by
    // an entry differing in letter case alone, or one number in two lists) joins its first
    // row.
    std::unordered_map<std::u16string_view, std::size_t> rowOf;
    for (const CardKind kind : kDeckKinds) {
        for (const CardCopies& card : summary.Cards(kind)) {
            const auto [found, added] = rowOf.emplace(card.entry.CardNo(), cards.size());
            if (added) {
                cards.push_back({kind, std::u16string(card.entry.CardNo()), card.copies});
            } else {
                cards[found->second].copies += card.copies;
            }
        }
    }
    return cards;
}

std::vector<DeckCard> CardsOfDeck(const Deck& deck) {
    return CardsOfDeck(SummarizeDeck(deck));
}

CopiesByCard CopiesOf(const std::vector<DeckCard>& cards) {
    CopiesByCard copies;
    copies.reserve(cards.size());
    for (const DeckCard& card : cards) copies[card.cardNo] += card.copies;
    return copies;
}

long long TotalMissing(const Collection& collection, const std::vector<DeckCard>& cards) {
    long long missing = 0;
    for (const DeckCard& card : cards) {
        missing += MissingCopies(card.copies, collection.Owned(card.cardNo));
    }
    return missing;
}

std::vector<DeckCard> MissingCards(const Collection& collection,
                                   const std::vector<DeckCard>& cards) {
    std::vector<DeckCard> missing;
    for (const DeckCard& card : cards) {
        const int lacking = MissingCopies(card.copies, collection.Owned(card.cardNo));
        if (lacking > 0) missing.push_back({card.kind, card.cardNo, lacking});
    }
    return missing;
}

std::u16string ShoppingListText(const CardDatabase& db, const std::vector<DeckCard>& missing) {
    std::u16string text;
    for (const DeckCard& card : missing) {
        const CardTable& table = db.Table(card.kind);
        const int record = table.FindCardNo(card.cardNo);
        const std::u16string_view name =
            record < 0 ? std::u16string_view() : table.Cell(NameField(card.kind), record);
        text += FullWidthNumber(card.copies);
        text += u'\t';
        text += name;
        text += u'\t';
        text += card.cardNo;
        text += u"\r\n";
    }
    return text;
}

std::vector<std::pair<std::u16string, int>> CopiesToAdd(const std::vector<DeckCard>& cards) {
    std::vector<std::pair<std::u16string, int>> copies;
    copies.reserve(cards.size());
    for (const DeckCard& card : cards) copies.emplace_back(card.cardNo, card.copies);
    return copies;
}

}  // namespace zemlo
