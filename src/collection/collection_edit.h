// One change of the collection, as the collection window's undo records it: the rows of the
// cards it changed, before and after, and for an import that replaced the collection also
// what the file held besides its counts. Applied forward it makes the change; backward it
// takes it back exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "collection/collection.h"

namespace zemlo {

struct CardChange {
    std::u16string cardNo;
    std::optional<OwnedCard> before;  // nothing: the card was not listed
    std::optional<OwnedCard> after;

    friend bool operator==(const CardChange&, const CardChange&) = default;
};

struct CollectionEdit {
    std::vector<CardChange> cards;
    // Before and after, when the edit replaces them.
    std::optional<std::pair<CollectionRest, CollectionRest>> rest;
    // Cards whose count would have passed 999 and stopped there.
    long long capped = 0;

    bool Empty() const { return cards.empty() && !rest; }
};

void ApplyCollectionEdit(Collection& collection, const CollectionEdit& edit, bool forward);

// Owning count copies of cardNo (0 to 999). A row that held nothing but its count goes at 0.
// Empty when the count is already so.
CollectionEdit SetOwnedEdit(const Collection& collection, std::u16string_view cardNo, int count);

// Owning copies more of each card (a bought deck), at most 999 each.
CollectionEdit AddCopiesEdit(const Collection& collection,
                             const std::vector<std::pair<std::u16string, int>>& copies);

enum class ImportMode {
    Add,      // imported counts are added to those owned
    Replace,  // the imported collection takes the place of the one owned
};

// Taking in a collection read from another file. Adding takes its counted rows (a new card
// with its name and further columns); replacing takes all of it.
CollectionEdit ImportEdit(const Collection& collection, const Collection& imported,
                          ImportMode mode);

}  // namespace zemlo
