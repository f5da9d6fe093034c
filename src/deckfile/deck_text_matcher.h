// Turning deck text back into a deck: each line is matched to a card of its block's kind by
// the name part the deck text writes for that card (for missions that part ends with the
// points; a mission's name alone names it too), or, when the line begins with a card number
// the tables know, by that number.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "deck/entry_merge.h"
#include "deckfile/deck_text_parser.h"

namespace zemlo {

struct DeckTextImport {
    // The cards the text names, as the catalog writes their entries, each list at most
    // kMaxListEntries long; where a list is full, the lines first in the text are taken.
    Deck deck;
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
    // The index of every card's name is built at the first match, once for the matcher's
    // whole life: a program keeps one matcher per card database, so the cost falls on the
    // first import, not on start-up and not on every import.
    explicit DeckTextMatcher(const CardDatabase& db) : db_(db) {}

    DeckTextImport Match(const std::vector<DeckTextLine>& lines) const;
    DeckTextImport Match(std::u16string_view text) const { return Match(ParseDeckText(text)); }

private:
    struct NameKey {
        int record = -1;
        int cards = 0;
    };
    // The card a line begins with by number, searching the line's own kind first.
    bool FindByNumber(const DeckTextLine& line, CardKind& kind, int& record) const;
    // The card named by the name part the deck text writes, or a mission by its name alone.
    const NameKey* FindByName(CardKind kind, const std::u16string& name) const;
    using NameMap = std::unordered_map<std::u16string, NameKey>;
    struct NameIndex {
        std::array<NameMap, 3> nameParts;
        NameMap missionNames;  // without the points
    };
    const NameIndex& Names() const;

    const CardDatabase& db_;
    mutable std::optional<NameIndex> names_;
};

}  // namespace zemlo
