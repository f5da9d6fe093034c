// The comparison of two decks: for units, missions and characters, every card whose copies
// differ, with both decks' copies and the change from the first to the second ("＋2": the
// second has two more), by card number; the cards both hold equally on request. Above each
// table both decks' counters in the deck rules' colours. The difference goes to the
// clipboard as text.
#pragma once

#include <QString>
#include <QWidget>

#include "deck/deck_summary.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace zemlo {

class DeckComparisonWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeckComparisonWindow(QWidget* parent = nullptr);

    // Shows the first deck against the second, each named as given, and brings the window up.
    void Compare(const QString& firstName, DeckSummary first, const QString& secondName,
                 DeckSummary second);

    void ShowEqualToggled();
    void CopyDifference();

    // The table of one kind; its rows are the cards shown.
    QStandardItemModel* Table(CardKind kind) const { return models_[static_cast<int>(kind)]; }

    QLabel* firstDeckLabel;
    QLabel* secondDeckLabel;
    QCheckBox* showEqualBox;
    QLabel* counterLabels[3];
    QTableView* differenceTables[3];
    QPushButton* copyButton;
    QPushButton* closeButton;

private:
    void Refill();
    void ShowCounters();

    DeckSummary first_;
    DeckSummary second_;
    QStandardItemModel* models_[3];
};

}  // namespace zemlo
