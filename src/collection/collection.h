// The cards a player owns: copies per card number, and everything else the collection file
// held, so that opening and saving the file loses nothing. A card number the card data does
// not hold is kept like any other (a collection outlives a card data update); rows the
// reader could not count are kept as they were and written back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zemlo {

// What a count can be: a whole number from 0 to kMaxOwned.
inline constexpr int kMaxOwned = 999;

// One counted row of the collection file.
struct OwnedCard {
    int count = 0;
    // The name the file gave; written back for a card number the card data lacks.
    std::u16string name;
    // The file's further columns, in the order the file had them.
    std::vector<std::u16string> extras;

    // A row that holds nothing but its count: it goes when the count becomes 0.
    bool HoldsOnlyItsCount() const;

    friend bool operator==(const OwnedCard&, const OwnedCard&) = default;
};

// A row the reader could not count (no card number, or a count that is no whole number from
// 0 to 999), its fields as they stood: written back as they were.
struct KeptRow {
    std::u16string number;  // untrimmed
    std::u16string name;
    std::u16string count;
    std::vector<std::u16string> extras;

    friend bool operator==(const KeptRow&, const KeptRow&) = default;
};

// The column headings beyond No, 名称 and 枚数, and the kept rows: what a collection file
// holds besides its counts.
struct CollectionRest {
    std::vector<std::u16string> extraHeadings;
    // Ordered as they are written: by trimmed card number, rows without one last.
    std::vector<KeptRow> keptRows;

    friend bool operator==(const CollectionRest&, const CollectionRest&) = default;
};

// A card number compared as the collection compares it: exactly, after the blanks around it
// are removed (half-width blanks, tabs and ideographic spaces).
std::u16string_view TrimmedCardNo(std::u16string_view field);

// The order rows are written in: by card number, rows without a number after all others.
bool CardNoLess(std::u16string_view a, std::u16string_view b);

// One listed card: its number (trimmed, never empty) and its row.
struct CollectionRow {
    std::u16string cardNo;
    OwnedCard card;

    friend bool operator==(const CollectionRow&, const CollectionRow&) = default;
};

// The cards are kept sorted by number, the order they are written in, so saving sorts
// nothing; looking a card up goes through a hash index of the numbers, built on the first
// look-up after the numbers changed.
class Collection {
public:
    Collection() = default;
    // rows: sorted by number, each number once.
    Collection(std::vector<CollectionRow> rows, CollectionRest rest);

    // The copies owned of the card numbered cardNo; 0 when the collection does not list it.
    int Owned(std::u16string_view cardNo) const;
    // The row of cardNo, or null; valid until the collection changes.
    const OwnedCard* Find(std::u16string_view cardNo) const;
    // Lists cardNo with card, or no longer lists it.
    void Put(std::u16string_view cardNo, std::optional<OwnedCard> card);
    // The same for many cards at once, in one pass over the rows.
    void PutAll(std::vector<std::pair<std::u16string, std::optional<OwnedCard>>> changes);

    // Sorted by card number.
    const std::vector<CollectionRow>& Rows() const { return rows_; }
    std::size_t Size() const { return rows_.size(); }

    const CollectionRest& Rest() const { return rest_; }
    void SetRest(CollectionRest rest) { rest_ = std::move(rest); }

    friend bool operator==(const Collection& a, const Collection& b) {
        return a.rows_ == b.rows_ && a.rest_ == b.rest_;
    }

private:
    // The row of cardNo, or -1.
    std::ptrdiff_t RowOf(std::u16string_view cardNo) const;
    void BuildIndex() const;

    std::vector<CollectionRow> rows_;
    CollectionRest rest_;
    // Open addressing over the rows' numbers: a slot holds a row or -1. Empty while stale.
    mutable std::vector<std::int32_t> slots_;
};

// Copies missing to hold `copies` of a card the collection holds `owned` of.
inline int MissingCopies(int copies, int owned) {
    return copies > owned ? copies - owned : 0;
}

}  // namespace zemlo
