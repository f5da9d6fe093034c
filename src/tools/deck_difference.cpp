#include "tools/deck_difference.h"

#include <cstdlib>

#include "carddb/text_width.h"
#include "tools/deck_cards.h"

namespace zemlo {
namespace {

// Both decks' cards of one kind lined up by number: each list is ordered by number already.
void Merge(std::vector<DeckCard>::const_iterator a, std::vector<DeckCard>::const_iterator aEnd,
           std::vector<DeckCard>::const_iterator b, std::vector<DeckCard>::const_iterator bEnd,
           bool withEqual, std::vector<CardDifference>& out) {
    while (a != aEnd || b != bEnd) {
        CardDifference row;
        if (b == bEnd || (a != aEnd && a->cardNo < b->cardNo)) {
            row = {a->kind, a->cardNo, a->name, a->copies, 0};
            ++a;
        } else if (a == aEnd || b->cardNo < a->cardNo) {
            row = {b->kind, b->cardNo, b->name, 0, b->copies};
            ++b;
        } else {
            row = {a->kind, a->cardNo, a->name, a->copies, b->copies};
            ++a;
            ++b;
        }
        if (withEqual || row.Change() != 0) out.push_back(std::move(row));
    }
}

}  // namespace

std::vector<CardDifference> CompareDecks(const EntryLists& first, const EntryLists& second,
                                         bool withEqual) {
    const std::vector<DeckCard> a = DistinctCards(first);
    const std::vector<DeckCard> b = DistinctCards(second);
    std::vector<CardDifference> out;
    auto aFrom = a.begin();
    auto bFrom = b.begin();
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        auto aTo = aFrom;
        while (aTo != a.end() && aTo->kind == kind) ++aTo;
        auto bTo = bFrom;
        while (bTo != b.end() && bTo->kind == kind) ++bTo;
        Merge(aFrom, aTo, bFrom, bTo, withEqual, out);
        aFrom = aTo;
        bFrom = bTo;
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
