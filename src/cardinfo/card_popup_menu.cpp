#include "cardinfo/card_popup_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "carddb/deck_entry.h"
#include "cardinfo/card_clip_text.h"

namespace zemlo {

CardPopupMenu::CardPopupMenu(const CardDatabase& db, QWidget* parent)
    : QObject(parent), menu(new QMenu(QStringLiteral("POPUP"), parent)), db_(db) {
    menu->setObjectName("mnuPopup");
    copyCardItem = menu->addAction(QStringLiteral("ｶｰﾄﾞ情報をｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力"));
    copyCardItem->setObjectName("mnuClip");
    connect(copyCardItem, &QAction::triggered, this, &CardPopupMenu::CopyCard);
}

void CardPopupMenu::SetCard(const DeckEntry& entry) {
    cardNo_ = entry.CardNo();
}

void CardPopupMenu::Open(const QPoint& globalPos) {
    menu->popup(globalPos);
}

void CardPopupMenu::CopyCard() {
    if (cardNo_.empty()) return;
    const std::u16string text = CardClipText(db_, cardNo_);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdU16String(text));
    // The command acts once per popup.
    cardNo_.clear();
}

}  // namespace zemlo
