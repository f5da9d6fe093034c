// The small dialog before a deck sheet: the player's name, the deck's name, the event's name
// and the date the sheet will carry (today offered).
#pragma once

#include <QDate>
#include <QDialog>

#include "deckfile/deck_sheet.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zemlo {

class SheetHeadingDialog : public QDialog {
    Q_OBJECT
public:
    // date is offered in the date box, shown as it will be printed ("2026年12月7日").
    SheetHeadingDialog(const QString& player, const QString& deckName, const QString& event,
                       const QDate& date, QWidget* parent = nullptr);

    // The texts as the sheet will carry them, each one line.
    SheetHeading Heading() const;

    QLabel* playerLabel;
    QLineEdit* playerBox;
    QLabel* deckNameLabel;
    QLineEdit* deckNameBox;
    QLabel* eventLabel;
    QLineEdit* eventBox;
    QLabel* dateLabel;
    QDateEdit* dateBox;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace zemlo
