#include "carddb/deck_entry.h"

#include <algorithm>

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

// Missions stand their points this far to the right of the name.
constexpr std::size_t kPointsGap = 50;
// The name search starts past this many columns, which hold any number of up to 8
// characters and the blanks after it.
constexpr std::size_t kNumberColumns = 8;

char16_t Fold(char16_t c) {
    if (c >= u'a' && c <= u'z') return c - u'a' + u'A';
    if (c >= 0xFF41 && c <= 0xFF5A) return c - 0xFF41 + 0xFF21;  // full-width a..z
    return c;
}

std::u16string_view TrimmedBlanks(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

}  // namespace

// The catalogs hold an entry for every card, about a hundred thousand at the largest pool.
static_assert(sizeof(DeckEntry) <= 32);

// The fields an entry is made of, and how its text lays them out.
struct DeckEntry::Parts {
    std::u16string_view cardNo, name, pointsField;
    bool mission = false;

    std::size_t Gap() const { return cardNo.size() >= 7 ? 1 : 3; }
    std::size_t Length() const {
        return cardNo.size() + Gap() + name.size() +
               (mission ? kPointsGap + pointsField.size() : 0);
    }
    void Write(char16_t* out) const {
        out = std::copy(cardNo.begin(), cardNo.end(), out);
        out = std::fill_n(out, Gap(), u' ');
        out = std::copy(name.begin(), name.end(), out);
        if (mission) {
            out = std::fill_n(out, kPointsGap, u' ');
            std::copy(pointsField.begin(), pointsField.end(), out);
        }
    }
    static Parts Of(const CardDatabase& db, CardKind kind, int record) {
        const CardTable& table = db.Table(kind);
        const bool mission = kind == CardKind::Mission;
        return {table.Cell(1, record), table.Cell(NameField(kind), record),
                mission ? table.Cell(mission_field::PointsGained, record) : u"", mission};
    }
};

DeckEntry::DeckEntry(CardKind kind, const Parts& parts, std::shared_ptr<const char16_t[]> text)
    : text_(std::move(text)),
      length_(static_cast<std::uint32_t>(parts.Length())),
      numberLength_(static_cast<std::uint32_t>(parts.cardNo.size())),
      nameLength_(static_cast<std::uint32_t>(parts.name.size())),
      kind_(kind) {}

DeckEntry::DeckEntry(CardKind kind, std::u16string_view cardNo, std::u16string_view name,
                     std::u16string_view pointsField) {
    const Parts parts{cardNo, name, pointsField, kind == CardKind::Mission};
    std::shared_ptr<char16_t[]> text = std::make_shared_for_overwrite<char16_t[]>(parts.Length());
    parts.Write(text.get());
    *this = DeckEntry(kind, parts, std::move(text));
}

DeckEntry DeckEntry::OfRecord(const CardDatabase& db, CardKind kind, int record) {
    const Parts parts = Parts::Of(db, kind, record);
    return DeckEntry(kind, parts.cardNo, parts.name, parts.pointsField);
}

std::vector<DeckEntry> DeckEntry::OfTable(const CardDatabase& db, CardKind kind) {
    const int count = db.Table(kind).Count();
    std::size_t length = 0;
    for (int r = 0; r < count; ++r) length += Parts::Of(db, kind, r).Length();
    const std::shared_ptr<char16_t[]> block = std::make_shared_for_overwrite<char16_t[]>(length);
    std::vector<DeckEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    std::size_t at = 0;
    for (int r = 0; r < count; ++r) {
        const Parts parts = Parts::Of(db, kind, r);
        parts.Write(block.get() + at);
        // Each entry points at its own text and keeps the whole block alive.
        entries.push_back(
            DeckEntry(kind, parts, std::shared_ptr<const char16_t[]>(block, block.get() + at)));
        at += parts.Length();
    }
    return entries;
}

// Read from the text when asked rather than kept: the catalogs hold an entry for every card,
// and a deck asks only as its cards come and go.
int DeckEntry::Points() const {
    if (kind_ != CardKind::Mission) return 0;
    return ToInt16Clamped(LeadingNumber(Text().substr(NameStart() + nameLength_ + kPointsGap)));
}

std::u16string DeckEntry::NamePart() const {
    return std::u16string(TrimmedBlanks(Text().substr(numberLength_)));
}

std::u16string_view DeckEntry::SearchedPart() const {
    const std::size_t from = std::max<std::size_t>(kNumberColumns, numberLength_);
    return from < length_ ? Text().substr(from) : std::u16string_view();
}

bool EntryTextLess(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return Fold(x) < Fold(y); });
}

}  // namespace zemlo
