#include "collection/deck_shortfall_watch.h"

#include "collection/collection_document.h"

namespace zemlo {

DeckShortfallWatch::DeckShortfallWatch(const Deck& deck, const CollectionDocument& document,
                                       QObject* parent)
    : QObject(parent), deck_(deck), tally_(deck, document.Current()) {
    tally_.onChanged = [this] { emit changed(); };
    connect(&document, &CollectionDocument::collectionChanged, this, [this] {
        tally_.CollectionChanged();
        emit changed();
    });
}

std::vector<DeckCard> DeckShortfallWatch::Cards() const {
    return CardsOfDeck(deck_);
}

}  // namespace zemlo
