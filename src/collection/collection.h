// The cards a player owns: copies per card number, and everything else the collection file
// held, so that opening and saving the file loses nothing. A card number the card data does
// not hold is kept like any other (a collection outlives a card data update); rows the
// reader could not count are kept as they were and written back.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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

class Collection {
public:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view s) const {
            return std::hash<std::u16string_view>{}(s);
        }
    };
    using Cards = std::unordered_map<std::u16string, OwnedCard, Hash, std::equal_to<>>;

    // The copies owned of the card numbered cardNo; 0 when the collection does not list it.
    int Owned(std::u16string_view cardNo) const;
    // The row of cardNo, or null.
    const OwnedCard* Find(std::u16string_view cardNo) const;
    // Lists cardNo with card, or no longer lists it.
    void Put(std::u16string_view cardNo, std::optional<OwnedCard> card);

    const Cards& AllCards() const { return cards_; }
    std::size_t Size() const { return cards_.size(); }
    // The card numbers listed, in the order they are written.
    std::vector<std::u16string_view> SortedCardNos() const;

    const CollectionRest& Rest() const { return rest_; }
    void SetRest(CollectionRest rest) { rest_ = std::move(rest); }

    friend bool operator==(const Collection& a, const Collection& b) {
        return a.cards_ == b.cards_ && a.rest_ == b.rest_;
    }

private:
    Cards cards_;
    CollectionRest rest_;
};

// Copies missing to hold `copies` of a card the collection holds `owned` of.
inline int MissingCopies(int copies, int owned) {
    return copies > owned ? copies - owned : 0;
}

}  // namespace zemlo
