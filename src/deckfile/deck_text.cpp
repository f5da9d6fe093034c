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

void AppendLine(std::u16string& text, std::u16string_view entry, long long copies) {
    text += kLineEnd;
    text += DeckEntryName(entry);
    text += u"\t ";
    text += CopiesText(copies);
}

}  // namespace

std::u16string DeckEntryName(std::u16string_view entry) {
    size_t i = 0;
    while (i < entry.size() && entry[i] == u' ') ++i;
    while (i < entry.size() && entry[i] != u' ') ++i;  // the card number
    while (i < entry.size() && entry[i] == u' ') ++i;
    std::u16string_view name = entry.substr(i);
    while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
    return std::u16string(name);
}

std::u16string CopiesText(long long copies) {
    return u"×" + FullWidthNumber(copies);
}

std::u16string DeckText(const Deck& deck) {
    std::u16string text;
    for (CardKind kind : kDeckKinds) {
        const auto& entries = deck.Entries(kind);
        if (entries.empty()) continue;
        text += BlockHeading(kind);
        size_t runStart = 0;
        for (size_t i = 1; i <= entries.size(); ++i) {
            if (i < entries.size() && entries[i] == entries[runStart]) continue;
            AppendLine(text, entries[runStart], static_cast<long long>(i - runStart));
            runStart = i;
        }
        for (int n = 0; n < 3; ++n) text += kLineEnd;
    }
    return text;
}

}  // namespace zemlo
