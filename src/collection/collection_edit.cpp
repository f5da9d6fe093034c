#include "collection/collection_edit.h"

#include <algorithm>

namespace zemlo {
namespace {

std::optional<OwnedCard> RowOf(const Collection& collection, std::u16string_view cardNo) {
    const OwnedCard* card = collection.Find(cardNo);
    return card ? std::optional<OwnedCard>(*card) : std::nullopt;
}

// The row of a card after its count becomes count.
std::optional<OwnedCard> WithCount(std::optional<OwnedCard> row, int count) {
    if (!row) {
        if (count == 0) return std::nullopt;
        row.emplace();
    }
    row->count = count;
    if (count == 0 && row->HoldsOnlyItsCount()) return std::nullopt;
    return row;
}

}  // namespace

void ApplyCollectionEdit(Collection& collection, const CollectionEdit& edit, bool forward) {
    std::vector<std::pair<std::u16string, std::optional<OwnedCard>>> rows;
    rows.reserve(edit.cards.size());
    for (const CardChange& change : edit.cards) {
        rows.emplace_back(change.cardNo, forward ? change.after : change.before);
    }
    collection.PutAll(std::move(rows));
    if (edit.rest) collection.SetRest(forward ? edit.rest->second : edit.rest->first);
}

CollectionEdit SetOwnedEdit(const Collection& collection, std::u16string_view cardNo, int count) {
    CollectionEdit edit;
    count = std::clamp(count, 0, kMaxOwned);
    std::optional<OwnedCard> before = RowOf(collection, cardNo);
    std::optional<OwnedCard> after = WithCount(before, count);
    if (before != after) {
        edit.cards.push_back({std::u16string(cardNo), std::move(before), std::move(after)});
    }
    return edit;
}

CollectionEdit AddCopiesEdit(const Collection& collection,
                             const std::vector<std::pair<std::u16string, int>>& copies) {
    CollectionEdit edit;
    for (const auto& [cardNo, more] : copies) {
        if (more <= 0) continue;
        std::optional<OwnedCard> before = RowOf(collection, cardNo);
        const int owned = before ? before->count : 0;
        if (owned + more > kMaxOwned) ++edit.capped;
        std::optional<OwnedCard> after = WithCount(before, std::min(owned + more, kMaxOwned));
        if (before != after) edit.cards.push_back({cardNo, std::move(before), std::move(after)});
    }
    return edit;
}

CollectionEdit ImportEdit(const Collection& collection, const Collection& imported,
                          ImportMode mode) {
    CollectionEdit edit;
    if (mode == ImportMode::Add) {
        for (const auto& [cardNo, card] : imported.Rows()) {
            std::optional<OwnedCard> before = RowOf(collection, cardNo);
            std::optional<OwnedCard> after = before ? before : card;
            if (before) {
                if (before->count + card.count > kMaxOwned) ++edit.capped;
                after->count = std::min(before->count + card.count, kMaxOwned);
            }
            if (before != after)
                edit.cards.push_back({cardNo, std::move(before), std::move(after)});
        }
        return edit;
    }
    for (const auto& [cardNo, card] : collection.Rows()) {
        std::optional<OwnedCard> after = RowOf(imported, cardNo);
        if (after != card) edit.cards.push_back({cardNo, card, std::move(after)});
    }
    for (const auto& [cardNo, card] : imported.Rows()) {
        if (collection.Find(cardNo) == nullptr) edit.cards.push_back({cardNo, std::nullopt, card});
    }
    if (collection.Rest() != imported.Rest()) {
        edit.rest.emplace(collection.Rest(), imported.Rest());
    }
    return edit;
}

}  // namespace zemlo
