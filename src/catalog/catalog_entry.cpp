#include "catalog/catalog_entry.h"

#include <algorithm>

namespace zemlo {
namespace {

char16_t Fold(char16_t c) {
    if (c >= u'a' && c <= u'z') return c - u'a' + u'A';
    if (c >= 0xFF41 && c <= 0xFF5A) return c - 0xFF41 + 0xFF21;  // full-width a..z
    return c;
}

}  // namespace

std::u16string CatalogEntry(const CardDatabase& db, CardKind kind, int record) {
    const CardTable& table = db.Table(kind);
    const std::u16string_view cardNo = table.Cell(1, record);
    std::u16string entry(cardNo);
    entry += cardNo.size() >= 7 ? u" " : u"   ";
    switch (kind) {
        case CardKind::Unit:
            entry += table.Cell(unit_field::UnitName, record);
            break;
        case CardKind::Mission:
            entry += table.Cell(mission_field::MissionName, record);
            entry.append(50, u' ');
            entry += table.Cell(mission_field::PointsGained, record);
            break;
        case CardKind::Character:
            entry += table.Cell(char_field::CharName, record);
            break;
    }
    return entry;
}

std::u16string EntryCardNo(std::u16string_view entry) {
    std::u16string_view head = entry.substr(0, 8);
    while (!head.empty() && head.front() == u' ') head.remove_prefix(1);
    while (!head.empty() && head.back() == u' ') head.remove_suffix(1);
    return std::u16string(head);
}

bool EntryLess(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return Fold(x) < Fold(y); });
}

}  // namespace zemlo
