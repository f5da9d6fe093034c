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
    const std::u16string_view gap = cardNo.size() >= 7 ? u" " : u"   ";
    std::u16string_view name, points;
    switch (kind) {
        case CardKind::Unit:
            name = table.Cell(unit_field::UnitName, record);
            break;
        case CardKind::Mission:
            name = table.Cell(mission_field::MissionName, record);
            points = table.Cell(mission_field::PointsGained, record);
            break;
        case CardKind::Character:
            name = table.Cell(char_field::CharName, record);
            break;
    }
    const size_t pad = kind == CardKind::Mission ? 50 : 0;
    std::u16string entry;
    entry.reserve(cardNo.size() + gap.size() + name.size() + pad + points.size());
    entry.append(cardNo).append(gap).append(name).append(pad, u' ').append(points);
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
