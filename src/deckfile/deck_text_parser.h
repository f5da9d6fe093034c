// Reading deck text back as players pass it around: the text the deck-text command writes,
// after whatever their editors and boards did to it (LF or CR LF, blanks for the TAB, "x" or
// "X" for "×", ASCII digits, a count left out, blank lines, words before and after), and
// lines written count first as other card games' lists are ("2 NAME", "2x NAME", "２枚 NAME").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_fields.h"
#include "deck/entry_merge.h"

namespace zemlo {

enum class DeckTextPlace {
    BeforeBlocks,  // before the first heading: the poster's own words
    InBlock,       // under a heading
    AfterBlock,    // after two blank lines that end a block, before the next heading
};

// A name and the copies written with it.
struct CountedName {
    std::u16string name;         // blanks folded
    long long copies = 1;        // 1 when no count is written
    bool tooManyCopies = false;  // a count beyond kMaxImportCopies
};

struct DeckTextLine {
    DeckTextPlace place = DeckTextPlace::BeforeBlocks;
    CardKind kind = CardKind::Unit;  // the kind of the block it stands in or follows
    std::u16string text;             // the line without surrounding blanks
    std::u16string name;             // the text before the count, blanks folded
    std::u16string whole;            // the whole text, blanks folded
    bool countWritten = false;       // a "×" (or x, X) ended the line
    long long copies = 1;            // 1 when no count is written
    bool tooManyCopies = false;      // a count beyond kMaxImportCopies
    // The line read with its count first ("2 NAME"), where it begins so. It is the last
    // reading tried: a card whose own name begins with digits keeps its whole name.
    std::optional<CountedName> countFirst;
};

// More copies of one card than a deck list holds; such a line is not taken. Every count the
// deck text writes is within it.
inline constexpr long long kMaxImportCopies = static_cast<long long>(kMaxListEntries);

// Runs of blanks (space, TAB, ideographic space) as one space, none at either end.
std::u16string FoldBlanks(std::u16string_view text);

// The non-blank lines of a deck text that are not headings, each with its place.
std::vector<DeckTextLine> ParseDeckText(std::u16string_view text);

}  // namespace zemlo
