// The main window's features of our own around the card lists, made and wired in one place:
// the card images (the image window that follows the card information, pictures over the
// card lists, the proxy sheet) and the cards the player owns (the marks over the lists, the
// line of copies the deck lacks, the collection window). With no folder of images and the
// owned copies not shown, the window looks and works as it does without them.
#pragma once

#include <QObject>
#include <array>

#include "ui/program_state.h"

class QMenu;
class QWidget;

namespace zemlo {

class CardImages;
class CardInfoPanel;
class CatalogPage;
class CollectionActions;
class CollectionDocument;
class DeckPanel;
class FileMenu;

// The parts of the main window the features watch.
struct CardExtrasParts {
    const std::array<CatalogPage*, 3>& catalogs;
    DeckPanel& deckPanel;
    CardInfoPanel& cardInfo;
    FileMenu& fileMenu;
};

class CardExtras : public QObject {
    Q_OBJECT
public:
    CardExtras(ProgramState& state, const CardExtrasParts& parts, QWidget* mainWindow);

    // 所持枚数を表示, appended to the view menu.
    void AddShowOwnedItem(QMenu* viewMenu);
    // ｶｰﾄﾞ画像, appended to the view menu.
    void AddCardImageItem(QMenu* viewMenu);
    // 所持ｶｰﾄﾞ after a separator, appended to the tools menu.
    void AddCollectionItem(QMenu* toolMenu);

    // The cards the player owns, which the deck library counts against.
    CollectionDocument& Collection() const;
    // The main window was minimised or restored: the image window follows it.
    void FollowMainWindow(bool minimised);

private:
    CardImages* images_;
    CollectionActions* collection_;
};

}  // namespace zemlo
