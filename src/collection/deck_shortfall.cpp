#include "collection/deck_shortfall.h"

#include "carddb/text_width.h"

namespace zemlo {

std::vector<DeckCard> CardsOfDeck(const Deck& deck) {
    std::vector<DeckCard> cards;
    // Copies of a card stand side by side in the sorted lists; a number met again further down
    // (entries differing in letter case alone between, or one number in two lists) joins its
    // first row.
    std::unordered_map<std::u16string, std::size_t> rowOf;
    for (const CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        for (const DeckEntry& entry : deck.Entries(kind)) {
            std::u16string cardNo(entry.CardNo());
            if (!cards.empty() && cards.back().cardNo == cardNo) {
                ++cards.back().copies;
                continue;
            }
            const auto [found, added] = rowOf.emplace(cardNo, cards.size());
            if (!added) {
                ++cards[found->second].copies;
                continue;
            }
            cards.push_back({kind, std::move(cardNo), 1});
        }
    }
    return cards;
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
