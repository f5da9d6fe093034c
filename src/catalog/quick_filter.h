// The catalogs' quick filter: the words the player types under a catalog, matched against
// each card's number and name, or against every text the card information shows. Both the
// typed text and the cards' texts are folded as the forgiving name search folds them (kana,
// width, case), so "がるど", "ｶﾞﾙﾄﾞ" and "ガルド" find one another.
//
// The folded texts of a kind are made on the first narrowing that needs them and kept for
// the card database's life: the card tables do not change after loading.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"
#include "carddb/search_fold.h"

namespace zemlo {

class QuickFilter {
public:
    // db outlives the filter and is not changed after loading.
    QuickFilter(const CardDatabase& db, SearchFold fold);

    // The folded words of a typed text: split at blanks and ideographic spaces after
    // folding; empty words left out. No word: the text narrows nothing.
    std::vector<std::u16string> Words(std::u16string_view text) const;

    // The records of `records`, in their order, in which every word occurs: within the
    // card number or the name, or, with `texts`, within any one field the card information
    // shows (an empty field's mark "－" counts as no text).
    std::vector<int> Narrow(CardKind kind, const std::vector<int>& records,
                            const std::vector<std::u16string>& words, bool texts);

    // How many records of the kind outside `passing` (those the condition panel hides) every
    // word occurs in, as Narrow matches them: what clearing the conditions would show more.
    size_t CountOutside(CardKind kind, const std::vector<int>& passing,
                        const std::vector<std::u16string>& words, bool texts);

    // Characters of folded text held, for the memory figures.
    size_t FoldedSize() const;

private:
    // One kind's folded texts: record r's fields stand in text[start[r], start[r + 1]),
    // each followed by a line feed, which no word holds.
    struct Folded {
        bool made = false;
        std::u16string text;
        std::vector<uint32_t> start;
    };

    const Folded& Prepared(CardKind kind, bool texts);

    const CardDatabase& db_;
    SearchFold fold_;
    // By kind: the number and name, and every text.
    std::array<Folded, 3> names_;
    std::array<Folded, 3> texts_;
};

// Where word occurs in text from position from on, or npos; a word of one or more
// characters. Looks for the word's first character a block at a time.
size_t FindWord(std::u16string_view text, std::u16string_view word, size_t from = 0);

}  // namespace zemlo
