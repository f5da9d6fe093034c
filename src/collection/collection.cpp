#include "collection/collection.h"

#include <algorithm>

namespace zemlo {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

}  // namespace

bool OwnedCard::HoldsOnlyItsCount() const {
    return std::all_of(extras.begin(), extras.end(),
                       [](const std::u16string& field) { return field.empty(); });
}

std::u16string_view TrimmedCardNo(std::u16string_view field) {
    while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
    while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
    return field;
}

bool CardNoLess(std::u16string_view a, std::u16string_view b) {
    if (a.empty() != b.empty()) return b.empty();
    return a < b;
}

Collection::Collection(std::vector<CollectionRow> rows, CollectionRest rest)
    : rows_(std::move(rows)), rest_(std::move(rest)) {}

void Collection::BuildIndex() const {
    std::size_t slots = 16;
    while (slots < rows_.size() * 2) slots *= 2;
    slots_.assign(slots, -1);
    const std::hash<std::u16string_view> hash;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        for (std::size_t s = hash(rows_[row].cardNo) & (slots - 1);; s = (s + 1) & (slots - 1)) {
            if (slots_[s] < 0) {
                slots_[s] = static_cast<std::int32_t>(row);
                break;
            }
        }
    }
}

std::ptrdiff_t Collection::RowOf(std::u16string_view cardNo) const {
    if (rows_.empty()) return -1;
    if (slots_.empty()) BuildIndex();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t s = std::hash<std::u16string_view>()(cardNo) & mask;; s = (s + 1) & mask) {
        const std::int32_t row = slots_[s];
        if (row < 0) return -1;
        if (rows_[static_cast<std::size_t>(row)].cardNo == cardNo) return row;
    }
}

int Collection::Owned(std::u16string_view cardNo) const {
    const std::ptrdiff_t row = RowOf(cardNo);
    return row < 0 ? 0 : rows_[static_cast<std::size_t>(row)].card.count;
}

const OwnedCard* Collection::Find(std::u16string_view cardNo) const {
    const std::ptrdiff_t row = RowOf(cardNo);
    return row < 0 ? nullptr : &rows_[static_cast<std::size_t>(row)].card;
}

void Collection::Put(std::u16string_view cardNo, std::optional<OwnedCard> card) {
    const auto at = std::lower_bound(
        rows_.begin(), rows_.end(), cardNo,
        [](const CollectionRow& row, std::u16string_view number) { return row.cardNo < number; });
    const bool listed = at != rows_.end() && at->cardNo == cardNo;
    if (listed && card) {
        at->card = std::move(*card);
        return;  // the numbers stay as they were
    }
    if (listed) {
        rows_.erase(at);
    } else if (card) {
        rows_.insert(at, CollectionRow{std::u16string(cardNo), std::move(*card)});
    } else {
        return;
    }
    slots_.clear();
}

void Collection::PutAll(std::vector<std::pair<std::u16string, std::optional<OwnedCard>>> changes) {
    // A few changes go in place; many are merged with the rows in one pass.
    if (changes.size() <= 16) {
        for (auto& [cardNo, card] : changes) Put(cardNo, std::move(card));
        return;
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CollectionRow> merged;
    merged.reserve(rows_.size() + changes.size());
    auto row = rows_.begin();
    for (std::size_t i = 0; i < changes.size(); ++i) {
        // The last change of a number holds.
        if (i + 1 < changes.size() && changes[i + 1].first == changes[i].first) continue;
        auto& [cardNo, card] = changes[i];
        while (row != rows_.end() && row->cardNo < cardNo) merged.push_back(std::move(*row++));
        if (row != rows_.end() && row->cardNo == cardNo) ++row;
        if (card) merged.push_back(CollectionRow{std::move(cardNo), std::move(*card)});
    }
    while (row != rows_.end()) merged.push_back(std::move(*row++));
    rows_ = std::move(merged);
    slots_.clear();
}

}  // namespace zemlo
