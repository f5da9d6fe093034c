#include "deckfile/deck_text.h"

#include "carddb/text_width.h"

namespace zemlo {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

std::u16string_view BlockHeading(CardKind kind) {
    switch (kind) {
        case CardKind::Unit:
            return u"ユニットカード";
        case CardKind::Mission:
            return u"ミッションカード";
        case CardKind::Character:
            break;
    }
    return u"キャラクターカード";
}

void AppendLine(std::u16string& text, const DeckEntry& entry, long long copies) {
    text += kLineEnd;
    text += entry.NamePart();
    text += u"\t ";
    text += CopiesText(copies);
}

}  // namespace

std::u16string CopiesText(long long copies) {
    return u"×" + FullWidthNumber(copies);
}

std::u16string DeckText(const DeckSummary& summary) {
    std::u16string text;
    for (CardKind kind : kDeckKinds) {
        const std::vector<CardCopies>& cards = summary.Cards(kind);
        if (cards.empty()) continue;
        text += BlockHeading(kind);
        for (const CardCopies& card : cards) AppendLine(text, card.entry, card.copies);
        for (int n = 0; n < 3; ++n) text += kLineEnd;
    }
    return text;
}

}  // namespace zemlo
