// Finding a card by a part of its name, for a box that completes card names as the player
// types: every card of the three tables whose name holds the typed text, compared with the
// forgiving fold of the name search (kana, width and case do not matter). Cards may share a
// name, so each suggestion carries its card number.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "carddb/card_database.h"
#include "carddb/search_fold.h"

namespace zemlo {

struct CardSuggestion {
    CardKind kind = CardKind::Unit;
    std::u16string cardNo;
    std::u16string name;

    friend bool operator==(const CardSuggestion&, const CardSuggestion&) = default;
};

class CardNameIndex {
public:
    // Borrows both; the names are folded on the first search.
    CardNameIndex(const CardDatabase& db, const SearchFold& fold) : db_(db), fold_(fold) {}

    // At most limit cards whose name holds text, units first, then missions, then
    // characters, each kind in table order. Blank text suggests nothing.
    std::vector<CardSuggestion> Suggest(std::u16string_view text, std::size_t limit) const;

    // The card numbered cardNo (blanks around it ignored), the first of the three tables
    // that holds it: the number as written, else folded as names are ("mi0003",
    // "ＺＭ０２０１").
    std::optional<CardSuggestion> CardNumbered(std::u16string_view cardNo) const;

    // Call again when the tables were loaded anew.
    void Forget() {
        folded_.clear();
        foldedNumbers_.clear();
    }

private:
    CardSuggestion SuggestionOf(CardKind kind, int record) const;

    const CardDatabase& db_;
    const SearchFold& fold_;
    // Every card's folded name, by kind and record.
    mutable std::vector<std::u16string> folded_;
    // Every card's folded number and where it stands, the first card of a number only;
    // made on the first number not written as the tables write it.
    mutable std::unordered_map<std::u16string, std::pair<CardKind, int>> foldedNumbers_;
};

}  // namespace zemlo
