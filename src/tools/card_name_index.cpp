#include "tools/card_name_index.h"

namespace zemlo {
namespace {

constexpr CardKind kKinds[] = {CardKind::Unit, CardKind::Mission, CardKind::Character};

std::u16string_view TrimAnyBlanks(std::u16string_view text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\u3000' || c == u'\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

CardSuggestion CardNameIndex::SuggestionOf(CardKind kind, int record) const {
    const CardTable& table = db_.Table(kind);
    return CardSuggestion{kind, std::u16string(table.Cell(unit_field::CardNo, record)),
                          std::u16string(table.Cell(NameField(kind), record))};
}

std::vector<CardSuggestion> CardNameIndex::Suggest(std::u16string_view text,
                                                   std::size_t limit) const {
    std::vector<CardSuggestion> found;
    const std::u16string needle = fold_.Fold(TrimAnyBlanks(text));
    if (needle.empty() || limit == 0) return found;
    if (folded_.empty()) {
        for (CardKind kind : kKinds) {
            const CardTable& table = db_.Table(kind);
            for (int r = 0; r < table.Count(); ++r) {
                folded_.push_back(fold_.Fold(table.Cell(NameField(kind), r)));
            }
        }
    }
    std::size_t at = 0;
    for (CardKind kind : kKinds) {
        const int count = db_.Table(kind).Count();
        for (int r = 0; r < count; ++r, ++at) {
            if (at < folded_.size() && folded_[at].find(needle) != std::u16string::npos) {
                found.push_back(SuggestionOf(kind, r));
                if (found.size() == limit) return found;
            }
        }
    }
    return found;
}

std::optional<CardSuggestion> CardNameIndex::CardNumbered(std::u16string_view cardNo) const {
    const std::u16string_view number = TrimAnyBlanks(cardNo);
    if (number.empty()) return std::nullopt;
    for (CardKind kind : kKinds) {
        const int record = db_.Table(kind).FindCardNo(number);
        if (record >= 0) return SuggestionOf(kind, record);
    }
    if (foldedNumbers_.empty()) {
        for (CardKind kind : kKinds) {
            const CardTable& table = db_.Table(kind);
            for (int r = 0; r < table.Count(); ++r) {
                foldedNumbers_.try_emplace(fold_.Fold(table.Cell(unit_field::CardNo, r)), kind, r);
            }
        }
    }
    const auto found = foldedNumbers_.find(fold_.Fold(number));
    if (found == foldedNumbers_.end()) return std::nullopt;
    return SuggestionOf(found->second.first, found->second.second);
}

}  // namespace zemlo
