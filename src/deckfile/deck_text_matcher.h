// Turning deck text back into a deck: each line is matched to a card of its block's kind by
// the name part the deck text writes for that card (for missions that part ends with the
// points), or, when the line begins with a card number the tables know, by that number.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "carddb/card_database.h"
#include "deckfile/deck_lists.h"
#include "deckfile/deck_text_parser.h"

namespace zemlo {

struct DeckTextImport {
    // Entries in the order of the text, as the catalog writes them, each list at most
    // kMaxListEntries long.
    DeckLists deck;
    // Copies named beyond that, by kind.
    LeftOutCounts leftOut{};
    int matchedLines = 0;
    // Lines under a heading that named no card (or too many copies), as written.
    std::vector<std::u16string> unmatchedLines;
    // Names shared by several cards, once each; the first card in table order was taken.
    std::vector<std::u16string> ambiguousNames;
};

class DeckTextMatcher {
public:
    explicit DeckTextMatcher(const CardDatabase& db);

    DeckTextImport Match(const std::vector<DeckTextLine>& lines) const;
    DeckTextImport Match(std::u16string_view text) const { return Match(ParseDeckText(text)); }

private:
    struct NameKey {
        int record = -1;
        int cards = 0;
    };
    // The card a line begins with by number, searching the line's own kind first.
    bool FindByNumber(const DeckTextLine& line, CardKind& kind, int& record) const;
    const NameKey* FindByName(CardKind kind, const std::u16string& name) const;

    const CardDatabase& db_;
    std::array<std::unordered_map<std::u16string, NameKey>, 3> names_;
};

}  // namespace zemlo
