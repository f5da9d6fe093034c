// The card lists' right-button menu (mnuPopup, never in the menu bar) with its one command,
// "ｶｰﾄﾞ情報をｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力" (mnuClip): the text of the card it was opened for goes to the
// clipboard, once.
#pragma once

#include <QObject>
#include <string>

#include "carddb/card_database.h"

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace zemlo {

class DeckEntry;

class CardPopupMenu : public QObject {
    Q_OBJECT
public:
    CardPopupMenu(const CardDatabase& db, QWidget* parent);

    // The menu is about to open for entry's card (PopupCardNo).
    void SetCard(const DeckEntry& entry);
    // The card the menu was last opened for; "" once its text was copied.
    const std::u16string& CardNo() const { return cardNo_; }
    void Open(const QPoint& globalPos);
    // The command: the card's text replaces the clipboard's.
    void CopyCard();

    QMenu* menu;
    QAction* copyCardItem;

private:
    const CardDatabase& db_;
    std::u16string cardNo_;
};

}  // namespace zemlo
