// The copies of each card in a deck and the copies the collection lacks, kept up to date row
// by row as the deck tells of its changes: an edit costs as much as the rows it changed, so
// the marks over the deck lists follow every edit without going through the whole deck.
#pragma once

#include <functional>
#include <string_view>

#include "collection/collection.h"
#include "collection/deck_shortfall.h"
#include "deck/deck.h"

namespace zemlo {

class DeckCopiesTally : private DeckObserver {
public:
    // Watches deck from now on; deck and collection outlive the tally.
    DeckCopiesTally(const Deck& deck, const Collection& collection);
    ~DeckCopiesTally();
    DeckCopiesTally(const DeckCopiesTally&) = delete;
    DeckCopiesTally& operator=(const DeckCopiesTally&) = delete;

    int Copies(std::u16string_view cardNo) const;
    int Missing(std::u16string_view cardNo) const;
    long long TotalMissing() const { return totalMissing_; }

    // The collection changed: the copies missing are counted again.
    void CollectionChanged();

    // Called after every whole change of the deck.
    std::function<void()> onChanged;

private:
    void DeckRowsAboutToChange(const DeckRows& rows) override;
    void DeckRowsChanged(const DeckRows& rows) override;
    void DeckChanged() override;
    void Count(const DeckRows& rows, int delta);

    const Deck& deck_;
    const Collection& collection_;
    CopiesByCard copies_;
    long long totalMissing_ = 0;
};

}  // namespace zemlo
