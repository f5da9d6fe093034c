// The entry texts of one catalog and their sorted order. Entry texts never change after
// the cards are loaded, so they are made and sorted once; a refilter then only picks the
// passing records out of this order. Made from the tables alone, without Qt, so start-up
// makes it beside the loading.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"

namespace zemlo {

class CatalogOrder {
public:
    CatalogOrder() = default;
    CatalogOrder(const CardDatabase& db, CardKind kind);

    int Count() const { return static_cast<int>(sorted_.size()); }
    std::u16string_view Entry(int record) const {
        return std::u16string_view(text_).substr(starts_[record], starts_[record + 1] - starts_[record]);
    }
    // Every record, in the order the sorted catalog shows them.
    const std::vector<int>& Sorted() const { return sorted_; }
    // The records whose entries have the most display columns: the widest entry in any font
    // is among them.
    const std::vector<int>& WidthCandidates() const { return widthCandidates_; }

    // The given records (any order, each once) in the catalog's order.
    std::vector<int> InCatalogOrder(const std::vector<int>& records) const;

private:
    // Every entry, one after the other, in record order, and where each one starts (with the
    // end of the last): tens of thousands of entries are one block, not a string each.
    std::u16string text_;
    std::vector<uint32_t> starts_;
    std::vector<int> sorted_;
    std::vector<int> widthCandidates_;
};

}  // namespace zemlo
