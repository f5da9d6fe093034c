// One card as the card lists show it: a catalog line, and a deck entry once the card is in
// the deck. The value is made once, from a record of the card tables, where a card enters a
// list (the catalogs, a deck file, deck text); everything after passes the value along and
// asks it for its kind, its whole card number, its name and points, or the text the lists
// show. That text is made from the fields, never read back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"

namespace zemlo {

class DeckEntry {
public:
    DeckEntry() = default;
    // The card numbered cardNo of the kind, named name; for a mission pointsField is its
    // PointsGained field as the card data holds it ("3", "－", "").
    DeckEntry(CardKind kind, std::u16string_view cardNo, std::u16string_view name,
              std::u16string_view pointsField = {});

    // The card of record `record` of the kind's table.
    static DeckEntry OfRecord(const CardDatabase& db, CardKind kind, int record);
    // The cards of every record of the kind's table, in record order; their texts share one
    // block, made at once, rather than one each.
    static std::vector<DeckEntry> OfTable(const CardDatabase& db, CardKind kind);

    CardKind Kind() const { return kind_; }
    // The whole card number, however long.
    std::u16string_view CardNo() const { return Text().substr(0, numberLength_); }
    // The card's name as the card data holds it.
    std::u16string_view Name() const { return Text().substr(NameStart(), nameLength_); }
    // A mission's points: its PointsGained read as its leading number (0 for "－", "" or
    // any text that does not begin with a number); 0 for the other kinds.
    int Points() const;

    // The line a card list shows: the card number, three blanks (one when the number has 7
    // or more characters), the name; a mission goes on with 50 blanks and PointsGained.
    std::u16string_view Text() const { return {text_.get(), length_}; }
    // What the deck text writes for the card: the text after the card number and its
    // blanks, with trailing blanks removed (for a mission the 50 blanks and the points
    // stay between).
    std::u16string NamePart() const;
    // What the name search looks at: the text from its 9th character on, past any card
    // number of up to 8 characters, or past the whole of a longer number.
    std::u16string_view SearchedPart() const;

    // Equal entries are copies of one card: the same kind, number, name and points.
    friend bool operator==(const DeckEntry& a, const DeckEntry& b) {
        return a.kind_ == b.kind_ && a.numberLength_ == b.numberLength_ &&
               a.nameLength_ == b.nameLength_ && (a.text_ == b.text_ || a.Text() == b.Text());
    }

private:
    struct Parts;
    DeckEntry(CardKind kind, const Parts& parts, std::shared_ptr<const char16_t[]> text);

    std::size_t NameStart() const { return numberLength_ + (numberLength_ >= 7 ? 1 : 3); }

    // The text, made once and shared by the copies of the entry: the lists, the history's
    // steps and the summaries copy entries freely.
    std::shared_ptr<const char16_t[]> text_;
    std::uint32_t length_ = 0;
    std::uint32_t numberLength_ = 0;
    std::uint32_t nameLength_ = 0;
    CardKind kind_ = CardKind::Unit;
};

// The order of the sorted card lists: ascending text, case-insensitive (ASCII and full-width
// Latin letters fold together); equal texts stand side by side.
bool EntryTextLess(std::u16string_view a, std::u16string_view b);
inline bool EntryLess(const DeckEntry& a, const DeckEntry& b) {
    return EntryTextLess(a.Text(), b.Text());
}

}  // namespace zemlo
