#include "catalog/catalog_order.h"

#include <algorithm>

namespace zemlo {

CatalogOrder::CatalogOrder(const CardDatabase& db, CardKind kind) {
    const int count = db.Table(kind).Count();
    entries_.reserve(count);
    for (int r = 0; r < count; ++r) entries_.push_back(DeckEntry::OfRecord(db, kind, r));
    sorted_.resize(count);
    for (int r = 0; r < count; ++r) sorted_[r] = r;
    // Equal texts keep the table order between them. Card data usually comes in card number
    // order, which is then the catalog's order already.
    const auto less = [this](int a, int b) { return EntryLess(entries_[a], entries_[b]); };
    if (!std::is_sorted(sorted_.begin(), sorted_.end(), less)) {
        std::stable_sort(sorted_.begin(), sorted_.end(), less);
    }
}

std::vector<int> CatalogOrder::InCatalogOrder(const std::vector<int>& records) const {
    std::vector<char> wanted(entries_.size(), 0);
    for (int r : records) wanted[r] = 1;
    std::vector<int> out;
    out.reserve(records.size());
    for (int r : sorted_) {
        if (wanted[r]) out.push_back(r);
    }
    return out;
}

}  // namespace zemlo
