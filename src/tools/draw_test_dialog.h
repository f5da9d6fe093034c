// frmDraw: the draw test. The unit deck and the mission-plus-character deck are shuffled
// into two piles, and cards are dealt one or three at a time into two lists of drawn cards,
// newest at the top. A drawn card can be shown in the card information panel or taken to
// the card popup menu; both belong to the main window and come in as callbacks.
#pragma once

#include <QDialog>
#include <functional>

#include "carddb/card_fields.h"
#include "deck/deck.h"
#include "tools/draw_pile.h"

class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace zemlo {

class DrawTestDialog : public QDialog {
    Q_OBJECT
public:
    // Shows a card in the main window's card panel.
    using ShowCard = std::function<void(const DeckEntry& entry)>;
    // The card popup menu for a list entry at a screen position.
    using CardPopup = std::function<void(const DeckEntry& entry, const QPoint& at)>;

    // Loading the dialog (Form_Load): both piles shuffled from the program's random numbers,
    // nothing drawn. random defaults to the process-wide sequence.
    DrawTestDialog(const Deck& deck, ShowCard showCard, CardPopup cardPopup,
                   QWidget* parent = nullptr, UniformSource random = NextProgramRandom);

    // The button of index 0-2, 4-6 or 8; other indexes do nothing.
    void ButtonClicked(int index);
    void UnitDrawnClicked();
    void MissionCharDrawnClicked();

    const DrawPile& UnitPile() const { return piles_[0]; }
    const DrawPile& MissionCharPile() const { return piles_[1]; }
    // The entries of a drawn list, top first.
    QStringList DrawnEntries(int which) const;

    QPushButton* buttons[9] = {};
    QListView* unitDrawnList;
    QListView* missionCharDrawnList;
    QLabel* pileCounts[2];

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<DeckEntry> PileEntries(int which) const;
    // The entry selected in a drawn list, if any: drawn lists show their pile's drawn rows,
    // the last drawn at the top.
    const DeckEntry* SelectedDrawnEntry(int which) const;
    void ShufflePile(int which);
    void DrawCard(int which);
    // The counter and the two draw buttons of one pile.
    void ShowPileState(int which);
    void ShowSelectedCard(int which);

    const Deck& deck_;
    ShowCard showCard_;
    CardPopup cardPopup_;
    UniformSource random_;
    DrawPile piles_[2];
    QListView* lists_[2];
    QStringListModel* drawn_[2];
    // The entry selected when the mouse button last went down, -1 for none.
    int rowSelectedAtPress_[2] = {-1, -1};
};

}  // namespace zemlo
