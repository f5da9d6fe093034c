// The comparison of two decks: for units, missions and characters, every card whose copies
// differ, with both decks' copies and the change from the first to the second ("＋2": the
// second has two more), by card number; the cards both hold equally on request. Above each
// table both decks' counters in the deck rules' colours. The difference goes to the
// clipboard as text.
#pragma once

#include <QString>
#include <QWidget>

#include "tools/deck_judgement.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace zemlo {

struct ComparedDeck {
    QString name;
    EntryLists lists;
};

class FrmCompare : public QWidget {
    Q_OBJECT
public:
    explicit FrmCompare(QWidget* parent = nullptr);

    // Shows first against second and brings the window up.
    void Compare(ComparedDeck first, ComparedDeck second);

    void chkEqual_Click();
    void cmdCopy_Click();

    // The table of one kind; its rows are the cards shown.
    QStandardItemModel* Table(CardKind kind) const { return models_[static_cast<int>(kind)]; }

    QLabel* lblFirst;
    QLabel* lblSecond;
    QCheckBox* chkEqual;
    QLabel* lblCounters[3];
    QTableView* grdDifference[3];
    QPushButton* cmdCopy;
    QPushButton* cmdClose;

private:
    void Refill();
    void ShowCounters();

    ComparedDeck first_;
    ComparedDeck second_;
    QStandardItemModel* models_[3];
};

}  // namespace zemlo
