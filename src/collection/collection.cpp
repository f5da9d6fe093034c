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

int Collection::Owned(std::u16string_view cardNo) const {
    const auto found = cards_.find(cardNo);
    return found == cards_.end() ? 0 : found->second.count;
}

const OwnedCard* Collection::Find(std::u16string_view cardNo) const {
    const auto found = cards_.find(cardNo);
    return found == cards_.end() ? nullptr : &found->second;
}

void Collection::Put(std::u16string_view cardNo, std::optional<OwnedCard> card) {
    const auto found = cards_.find(cardNo);
    if (!card) {
        if (found != cards_.end()) cards_.erase(found);
    } else if (found != cards_.end()) {
        found->second = std::move(*card);
    } else {
        cards_.emplace(std::u16string(cardNo), std::move(*card));
    }
}

std::vector<std::u16string_view> Collection::SortedCardNos() const {
    std::vector<std::u16string_view> numbers;
    numbers.reserve(cards_.size());
    for (const auto& [number, card] : cards_) numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace zemlo
