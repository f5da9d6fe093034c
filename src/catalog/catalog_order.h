// The entries of one catalog and their sorted order. Entries never change after the cards
// are loaded, so they are made and sorted once; a refilter then only picks the passing
// records out of this order. Made from the tables alone, without Qt, so start-up makes it
// beside the loading.
#pragma once

#include <vector>

#include "carddb/card_database.h"
#include "carddb/deck_entry.h"

namespace zemlo {

class CatalogOrder {
public:
    CatalogOrder() = default;
    CatalogOrder(const CardDatabase& db, CardKind kind);

    int Count() const { return static_cast<int>(entries_.size()); }
    const DeckEntry& Entry(int record) const { return entries_[record]; }
    // Every record, in the order the sorted catalog shows them.
    const std::vector<int>& Sorted() const { return sorted_; }
    // The records whose entries have the most display columns: the widest entry in any font
    // is among them.
    const std::vector<int>& WidthCandidates() const { return widthCandidates_; }

    // The given records (any order, each once) in the catalog's order.
    std::vector<int> InCatalogOrder(const std::vector<int>& records) const;

private:
    // In record order; their texts are one block, not a string each.
    std::vector<DeckEntry> entries_;
    std::vector<int> sorted_;
    std::vector<int> widthCandidates_;
};

}  // namespace zemlo
