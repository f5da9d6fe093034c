#include "catalog/catalog_entry.h"

#include <algorithm>
#include <utility>

namespace zemlo {
namespace {

char16_t Fold(char16_t c) {
    if (c >= u'a' && c <= u'z') return c - u'a' + u'A';
    if (c >= 0xFF41 && c <= 0xFF5A) return c - 0xFF41 + 0xFF21;  // full-width a..z
    return c;
}

}  // namespace

namespace {

// The pieces of an entry, in their order.
struct EntryParts {
    std::u16string_view cardNo, gap, name;
    size_t pad = 0;
    std::u16string_view points;

    size_t Length() const { return cardNo.size() + gap.size() + name.size() + pad + points.size(); }
};

EntryParts PartsOf(const CardDatabase& db, CardKind kind, int record) {
    const CardTable& table = db.Table(kind);
    EntryParts parts;
    parts.cardNo = table.Cell(1, record);
    parts.gap = parts.cardNo.size() >= 7 ? u" " : u"   ";
    switch (kind) {
        case CardKind::Unit:
            parts.name = table.Cell(unit_field::UnitName, record);
            break;
        case CardKind::Mission:
            parts.name = table.Cell(mission_field::MissionName, record);
            parts.pad = 50;
            parts.points = table.Cell(mission_field::PointsGained, record);
            break;
        case CardKind::Character:
            parts.name = table.Cell(char_field::CharName, record);
            break;
    }
    return parts;
}

}  // namespace

size_t CatalogEntryLength(const CardDatabase& db, CardKind kind, int record) {
    return PartsOf(db, kind, record).Length();
}

void AppendCatalogEntry(const CardDatabase& db, CardKind kind, int record, std::u16string& out) {
    const EntryParts parts = PartsOf(db, kind, record);
    out.append(parts.cardNo).append(parts.gap).append(parts.name).append(parts.pad, u' ');
    out.append(parts.points);
}

std::u16string CatalogEntry(const CardDatabase& db, CardKind kind, int record) {
    std::u16string entry;
    AppendCatalogEntry(db, kind, record, entry);
    return entry;
}

std::vector<int> MostDisplayColumns(int count,
                                    const std::function<std::u16string_view(int)>& entryAt,
                                    size_t most) {
    std::vector<std::pair<int, int>> columns;  // (display columns, entry)
    columns.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        int width = 0;
        for (const char16_t u : entryAt(i)) width += (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
        columns.emplace_back(width, i);
    }
    const size_t kept = std::min(most, columns.size());
    std::partial_sort(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(kept),
                      columns.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> entries(kept);
    for (size_t i = 0; i < kept; ++i) entries[i] = columns[i].second;
    return entries;
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
