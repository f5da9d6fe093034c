#include "ui/card_extras.h"

#include "carddb/entry_roles.h"
#include "cardinfo/card_info_panel.h"
#include "catalog/catalog_page.h"
#include "collection/collection_actions.h"
#include "deck/deck_panel.h"
#include "images/card_images.h"

namespace zemlo {

CardExtras::CardExtras(ProgramState& state, const CardExtrasParts& parts, QWidget* mainWindow)
    : QObject(mainWindow),
      images_(new CardImages(state.db, state.document.CurrentDeck(), state.settings,
                             state.programDir, mainWindow)),
      collection_(new CollectionActions(state.db, state.settings, state.programDir,
                                        state.document.CurrentDeck(), mainWindow)) {
    // The proxy commands stand after the sheet's; the image window follows the card
    // information.
    images_->AddFileMenuItems(parts.fileMenu);
    connect(&parts.cardInfo, &CardInfoPanel::shownCardChanged, images_, &CardImages::FollowCard);
    // Both mark the six card lists, which hand them each entry's card number.
    for (CatalogPage* catalog : parts.catalogs) {
        images_->WatchList(catalog->List());
        collection_->MarkCatalog(catalog->List(), CardNoAt);
    }
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        images_->WatchList(parts.deckPanel.List(kind));
        collection_->MarkDeckList(parts.deckPanel.List(kind), CardNoAt);
    }
    parts.deckPanel.SetStatusLine(collection_->MakeMissingLine(&parts.deckPanel));
}

void CardExtras::AddShowOwnedItem(QMenu* viewMenu) {
    collection_->AddShowItem(viewMenu);
}

void CardExtras::AddCardImageItem(QMenu* viewMenu) {
    images_->AddViewMenuItem(viewMenu);
}

void CardExtras::AddCollectionItem(QMenu* toolMenu) {
    collection_->AddWindowItem(toolMenu);
}

CollectionDocument& CardExtras::Collection() const {
    return collection_->Document();
}

void CardExtras::FollowMainWindow(bool minimised) {
    images_->FollowMainWindow(minimised);
}

}  // namespace zemlo
