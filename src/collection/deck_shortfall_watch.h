// The deck being built against the collection, for the windows: the copies of each card in
// the deck and those the collection lacks (kept row by row as the deck changes), and the
// deck's cards in list order when asked. changed comes after every change of the deck or of
// the collection.
#pragma once

#include <QObject>
#include <string_view>
#include <vector>

#include "collection/deck_copies_tally.h"
#include "collection/deck_shortfall.h"
#include "deck/deck.h"

namespace zemlo {

class CollectionDocument;

class DeckShortfallWatch : public QObject {
    Q_OBJECT
public:
    // deck and document outlive the watch.
    DeckShortfallWatch(const Deck& deck, const CollectionDocument& document,
                       QObject* parent = nullptr);

    // Every card of the deck once, in list order, with its copies.
    std::vector<DeckCard> Cards() const;
    int CopiesInDeck(std::u16string_view cardNo) const { return tally_.Copies(cardNo); }
    int Missing(std::u16string_view cardNo) const { return tally_.Missing(cardNo); }
    long long TotalMissing() const { return tally_.TotalMissing(); }

signals:
    void changed();

private:
    const Deck& deck_;
    DeckCopiesTally tally_;
};

}  // namespace zemlo
