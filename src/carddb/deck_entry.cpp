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

DeckEntry::DeckEntry(CardKind kind, std::u16string_view cardNo, std::u16string_view name,
                     std::u16string_view pointsField)
    : numberLength_(static_cast<std::uint32_t>(cardNo.size())),
      nameLength_(static_cast<std::uint32_t>(name.size())),
      kind_(kind) {
    const bool mission = kind == CardKind::Mission;
    const std::size_t gap = NameStart() - cardNo.size();
    const std::size_t length =
        NameStart() + name.size() + (mission ? kPointsGap + pointsField.size() : 0);
    std::shared_ptr<char16_t[]> text = std::make_shared_for_overwrite<char16_t[]>(length);
    char16_t* end = std::copy(cardNo.begin(), cardNo.end(), text.get());
    end = std::fill_n(end, gap, u' ');
    end = std::copy(name.begin(), name.end(), end);
    if (mission) {
        end = std::fill_n(end, kPointsGap, u' ');
        std::copy(pointsField.begin(), pointsField.end(), end);
        points_ = ToInt16Clamped(LeadingNumber(pointsField));
    }
    text_ = std::move(text);
    length_ = static_cast<std::uint32_t>(length);
}

DeckEntry DeckEntry::OfRecord(const CardDatabase& db, CardKind kind, int record) {
    const CardTable& table = db.Table(kind);
    return DeckEntry(
        kind, table.Cell(1, record), table.Cell(NameField(kind), record),
        kind == CardKind::Mission ? table.Cell(mission_field::PointsGained, record) : u"");
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
