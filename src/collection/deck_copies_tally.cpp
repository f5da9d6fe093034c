#include "collection/deck_copies_tally.h"

namespace zemlo {

DeckCopiesTally::DeckCopiesTally(const Deck& deck, const Collection& collection)
    : deck_(deck), collection_(collection) {
    for (const CardKind kind : kDeckKinds) {
        Count(DeckRows{kind, 0, deck_.Size(kind), true}, 1);
    }
    deck_.AddObserver(this);
}

DeckCopiesTally::~DeckCopiesTally() {
    deck_.RemoveObserver(this);
}

int DeckCopiesTally::Copies(std::u16string_view cardNo) const {
    const auto found = copies_.find(cardNo);
    return found == copies_.end() ? 0 : found->second;
}

int DeckCopiesTally::Missing(std::u16string_view cardNo) const {
    return MissingCopies(Copies(cardNo), collection_.Owned(cardNo));
}

void DeckCopiesTally::CollectionChanged() {
    totalMissing_ = 0;
    for (const auto& [cardNo, copies] : copies_) {
        totalMissing_ += MissingCopies(copies, collection_.Owned(cardNo));
    }
}

void DeckCopiesTally::Count(const DeckRows& rows, int delta) {
    const std::vector<DeckEntry>& entries = deck_.Entries(rows.kind);
    for (std::size_t row = rows.first; row < rows.first + rows.count && row < entries.size();
         ++row) {
        std::u16string cardNo(entries[row].CardNo());
        const int owned = collection_.Owned(cardNo);
        auto [at, added] = copies_.try_emplace(std::move(cardNo), 0);
        totalMissing_ -= MissingCopies(at->second, owned);
        at->second += delta;
        totalMissing_ += MissingCopies(at->second, owned);
        if (at->second <= 0) copies_.erase(at);
    }
}

// Removed rows are counted while the deck still holds them, inserted ones once it does.
void DeckCopiesTally::DeckRowsAboutToChange(const DeckRows& rows) {
    if (!rows.inserted) Count(rows, -1);
}

void DeckCopiesTally::DeckRowsChanged(const DeckRows& rows) {
    if (rows.inserted) Count(rows, 1);
}

void DeckCopiesTally::DeckChanged() {
    if (onChanged) onChanged();
}

}  // namespace zemlo
