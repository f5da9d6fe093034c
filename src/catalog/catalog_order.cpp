#include "catalog/catalog_order.h"

#include <algorithm>

#include "catalog/catalog_entry.h"

namespace zemlo {

CatalogOrder::CatalogOrder(const CardDatabase& db, CardKind kind) {
    const int count = db.Table(kind).Count();
    starts_.reserve(static_cast<size_t>(count) + 1);
    starts_.push_back(0);
    // Measured first, so the block is made once at its size.
    size_t length = 0;
    for (int r = 0; r < count; ++r) length += CatalogEntryLength(db, kind, r);
    text_.reserve(length);
    for (int r = 0; r < count; ++r) {
        AppendCatalogEntry(db, kind, r, text_);
        starts_.push_back(static_cast<uint32_t>(text_.size()));
    }
    sorted_.resize(count);
    for (int r = 0; r < count; ++r) sorted_[r] = r;
    // Equal texts keep the table order between them. Card data usually comes in card number
    // order, which is then the catalog's order already.
    const auto less = [this](int a, int b) { return EntryLess(Entry(a), Entry(b)); };
    if (!std::is_sorted(sorted_.begin(), sorted_.end(), less)) {
        std::stable_sort(sorted_.begin(), sorted_.end(), less);
    }
    widthCandidates_ = MostDisplayColumns(count, [this](int r) { return Entry(r); });
}

std::vector<int> CatalogOrder::InCatalogOrder(const std::vector<int>& records) const {
    std::vector<char> wanted(sorted_.size(), 0);
    for (int r : records) wanted[r] = 1;
    std::vector<int> out;
    out.reserve(records.size());
    for (int r : sorted_) {
        if (wanted[r]) out.push_back(r);
    }
    return out;
}

}  // namespace zemlo
