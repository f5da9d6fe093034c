// The collection file: comma-separated text, one row per owned card.
// - Written in UTF-8 with a byte-order mark (so spreadsheets open it), CR LF line ends, the
//   header line "No,名称,枚数" (and the headings of any further columns the file had), then
//   the rows sorted by card number, fields quoted as RFC 4180 says; rows that could not be
//   counted follow their number's row as they were.
// - Read forgivingly: UTF-8 with or without a byte-order mark, else CP932; blank lines
//   skipped; the header found by its "No" and "枚数" headings in any column order, or missing
//   (then the columns are number, name, count); further columns kept; a count that is no whole
//   number from 0 to 999 refused for its row (the row is kept); a card listed twice summed.
//   What the reader did beyond the plain case is in the report, to be told once.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "collection/collection.h"

namespace zemlo {

// A file read past this many bytes is refused before anything is allocated: far above the
// largest real collection (every card of the largest pool with long names is about 10 MB).
inline constexpr std::uint64_t kMaxCollectionFileBytes = 64ull << 20;

// One row the report names: its line and what it held (the count refused, the card number
// listed again).
struct RowNote {
    long long line = 0;
    std::u16string text;

    friend bool operator==(const RowNote&, const RowNote&) = default;
};

// Rows of one kind the reader told of: how many, and the first few.
struct RowNotes {
    static constexpr std::size_t kKept = 10;
    long long count = 0;
    std::vector<RowNote> first;

    void Add(long long line, std::u16string_view text);
};

struct CollectionReadReport {
    bool cp932 = false;
    // Bytes no code page holds were read as U+FFFD.
    bool replacementCharacters = false;
    bool headerMissing = false;
    // The most columns beyond No, 名称 and 枚数 a row had, in a file whose first three columns
    // are not these three under their headings.
    std::size_t extraColumns = 0;
    RowNotes refusedCounts;  // text: the count as it stood
    RowNotes withoutNumber;  // text: empty
    RowNotes listedAgain;    // text: the card number
    // Cards whose rows added up to more than 999: 999 kept.
    long long cappedSums = 0;
};

struct CollectionReadResult {
    // A file holding NUL bytes is no text file: nothing is read from it.
    bool text = true;
    Collection collection;
    CollectionReadReport report;
};

CollectionReadResult ReadCollectionCsv(std::string_view bytes);

// The name a card has in the card data, or "" for a number the card data lacks.
using CardNameLookup = std::function<std::u16string_view(std::u16string_view cardNo)>;

// The file's bytes. A listed card's name is the card data's (names, when given), else the one
// the file had.
std::string WriteCollectionCsv(const Collection& collection, const CardNameLookup& names = {});

// What the reader did, as lines to tell the player once; "" when the file was read plainly.
// unknownCards: how many card numbers the card data lacks.
std::u16string CollectionReadText(const CollectionReadReport& report, long long unknownCards);

// A count field as the reader takes it: blanks around it ignored, ASCII or full-width digits;
// false unless it is a whole number from 0 to 999.
bool ParseOwnedCount(std::u16string_view field, int& count);

}  // namespace zemlo
