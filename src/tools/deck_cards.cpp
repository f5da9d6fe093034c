#include "tools/deck_cards.h"

#include <algorithm>
#include <map>

#include "deckfile/deck_text.h"

namespace zemlo {

std::u16string_view EntryNumber(std::u16string_view entry) {
    size_t start = 0;
    while (start < entry.size() && entry[start] == u' ') ++start;
    size_t end = start;
    while (end < entry.size() && entry[end] != u' ') ++end;
    return entry.substr(start, end - start);
}

std::u16string EntryName(CardKind kind, std::u16string_view entry) {
    std::u16string name = DeckEntryName(entry);
    if (kind != CardKind::Mission) return name;
    const size_t gap = name.rfind(std::u16string(50, u' '));
    if (gap == std::u16string::npos) return name;
    name.resize(gap);
    while (!name.empty() && name.back() == u' ') name.pop_back();
    return name;
}

std::vector<DeckCard> DistinctCards(const EntryLists& deck) {
    std::vector<DeckCard> cards;
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        std::map<std::u16string_view, DeckCard> byNumber;
        for (const std::u16string& entry : deck[static_cast<size_t>(kind)]) {
            const std::u16string_view number = EntryNumber(entry);
            auto [at, added] = byNumber.try_emplace(number);
            if (added)
                at->second = DeckCard{kind, std::u16string(number), EntryName(kind, entry), 0};
            ++at->second.copies;
        }
        for (auto& [number, card] : byNumber) cards.push_back(std::move(card));
    }
    return cards;
}

}  // namespace zemlo
