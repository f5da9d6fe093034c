#include "tools/deck_difference.h"

#include <cstdlib>
#include <map>

#include "carddb/text_width.h"

namespace zemlo {
namespace {

struct NumberedCard {
    std::u16string_view name;
    int copies = 0;
};
using CardsByNumber = std::map<std::u16string_view, NumberedCard>;

// One kind's cards of a summary by card number; entries that share a number count together
// under the first one's name.
CardsByNumber ByNumber(const DeckSummary& summary, CardKind kind) {
    CardsByNumber cards;
    for (const CardCopies& card : summary.Cards(kind)) {
        const auto [at, added] =
            cards.try_emplace(card.entry.CardNo(), NumberedCard{card.entry.Name(), 0});
        at->second.copies += card.copies;
    }
    return cards;
}

// Both decks' cards of one kind lined up by number.
void Merge(CardKind kind, const CardsByNumber& first, const CardsByNumber& second, bool withEqual,
           std::vector<CardDifference>& out) {
    auto a = first.begin();
    auto b = second.begin();
    const auto aEnd = first.end();
    const auto bEnd = second.end();
    while (a != aEnd || b != bEnd) {
        CardDifference row;
        row.kind = kind;
        if (b == bEnd || (a != aEnd && a->first < b->first)) {
            row.cardNo = a->first;
            row.name = a->second.name;
            row.first = a->second.copies;
            ++a;
        } else if (a == aEnd || b->first < a->first) {
            row.cardNo = b->first;
            row.name = b->second.name;
            row.second = b->second.copies;
            ++b;
        } else {
            row.cardNo = a->first;
            row.name = a->second.name;
            row.first = a->second.copies;
            row.second = b->second.copies;
            ++a;
            ++b;
        }
        if (withEqual || row.Change() != 0) out.push_back(std::move(row));
    }
}

}  // namespace

std::vector<CardDifference> CompareDecks(const DeckSummary& first, const DeckSummary& second,
                                         bool withEqual) {
    std::vector<CardDifference> out;
    for (CardKind kind : kDeckKinds) {
        Merge(kind, ByNumber(first, kind), ByNumber(second, kind), withEqual, out);
    }
    return out;
}

std::u16string ChangeText(int change) {
    if (change == 0) return u"0";
    return (change > 0 ? u"＋" : u"－") + DecimalText(std::abs(change));
}

std::u16string DifferenceText(const std::vector<CardDifference>& differences) {
    std::u16string text;
    for (const CardDifference& card : differences) {
        const int change = card.Change();
        if (change == 0) continue;
        text += change > 0 ? u"＋" : u"－";
        text += FullWidthNumber(std::abs(change));
        text += u'\t';
        text += card.name;
        text += u'\t';
        text += card.cardNo;
        text += u"\r\n";
    }
    return text;
}

}  // namespace zemlo
