// The small dialog before a deck sheet: the player's name, the deck's name and the date the
// sheet will carry.
#pragma once

#include <QDialog>

#include "deckfile/deck_sheet.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zemlo {

class SheetHeadingDialog : public QDialog {
    Q_OBJECT
public:
    // date is shown as it will be printed ("2026年12月7日").
    SheetHeadingDialog(const QString& player, const QString& deckName, const QString& date,
                       QWidget* parent = nullptr);

    // The texts as the sheet will carry them, each one line.
    SheetHeading Heading() const;

    QLabel* playerLabel;
    QLineEdit* playerBox;
    QLabel* deckNameLabel;
    QLineEdit* deckNameBox;
    QLabel* dateCaption;
    QLabel* dateLabel;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace zemlo
