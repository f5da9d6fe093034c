// The comparison of two decks: for units, missions and characters, every card whose copies
// differ, with both decks' copies and the change from the first to the second ("＋2": the
// second has two more), by card number; the cards both hold equally on request. Above each
// table both decks' counters in the deck rules' colours. The difference goes to the
// clipboard as text. Each deck read from a file is named with its folder and can be opened
// in the main window from here.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "deck/deck_summary.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace zemlo {

// A deck as the comparison shows it: its summary and where it came from.
struct ComparedDeck {
    QString name;
    QString path;  // the deck file, "" for the deck in the main window
    DeckSummary summary;
};

class DeckComparisonWindow : public QWidget {
    Q_OBJECT
public:
    // openDeck opens a deck file in the main window, after the question about an unsaved
    // deck there.
    explicit DeckComparisonWindow(std::function<void(const QString& path)> openDeck = {},
                                  QWidget* parent = nullptr);

    // Shows first against second and brings the window up.
    void Compare(ComparedDeck first, ComparedDeck second);

    void ShowEqualToggled();
    void CopyDifference();

    // The table of one kind; its rows are the cards shown.
    QStandardItemModel* Table(CardKind kind) const { return models_[static_cast<int>(kind)]; }

    QLabel* firstDeckLabel;
    QLabel* secondDeckLabel;
    QPushButton* openFirstButton;
    QPushButton* openSecondButton;
    QCheckBox* showEqualBox;
    QLabel* counterLabels[3];
    QTableView* differenceTables[3];
    QPushButton* copyButton;
    QPushButton* closeButton;

private:
    void Refill();
    void ShowCounters();

    // "1: name（folder）".
    void Name(QLabel* label, QPushButton* open, const QString& number, const ComparedDeck& deck);

    std::function<void(const QString&)> openDeck_;
    ComparedDeck first_;
    ComparedDeck second_;
    QStandardItemModel* models_[3];
};

}  // namespace zemlo
