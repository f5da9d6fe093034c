// The deck on screen: the three deck lists with their counters, and the player's actions on
// them. The lists and counters show the Deck and follow its every change, whoever made it;
// the actions go to the deck's history as edits.
#pragma once

#include <QWidget>
#include <optional>

#include "carddb/card_fields.h"
#include "deck/deck.h"

class QLabel;
class QListView;
class QMenu;

namespace zemlo {

class DeckHistory;
class DeckListModel;
class EntryWidthDelegate;

class DeckPanel : public QWidget, private DeckObserver {
    Q_OBJECT
public:
    // Shows history's deck; every action goes to history as one step.
    explicit DeckPanel(DeckHistory& history, QWidget* parent = nullptr);
    ~DeckPanel() override;

    // The user's addition from a catalog: the entry joins its kind's list, and cardAdded asks
    // for the card to be shown, as one step. A full list takes nothing and says so.
    void AddCard(const DeckEntry& entry);
    // Removes the selected entry of the kind's list, if any; the information panel stays.
    void RemoveSelected(CardKind kind);
    // "+" and "-" in a deck list: one more copy of the selected card, or one fewer; each is
    // one step to undo, and the selection stays on the card while a copy is left.
    void AddCopyOfSelected(CardKind kind);
    void RemoveCopyOfSelected(CardKind kind);
    // The clear commands: empty one list (or all).
    void ClearList(CardKind kind);
    void ClearAllLists();
    // Adds the submenu "選択ﾃﾞｰﾀのｸﾘｱ" (mnuClaer) with the clear commands to menu.
    void AddClearListsMenu(QMenu* menu);

    // Places the lists and counters for the normal view (2700 x 10275 twips) or the compact
    // one (3300 x 7875).
    void LayOut(bool compact);

    // Places a line of another feature (made as a child of this panel) under the lists, in the
    // room the counters leave: beside the mission+character count in the normal view, between
    // the points caption and count in the compact one; every layout places it again.
    void SetStatusLine(QLabel* line);

    // Recolours the unit and mission+character counters; captions stay as they are.
    void CheckDeckCount();
    // Sums the missions' points into the points counter and colours it.
    void ShowTotalPoint();

    QListView* List(CardKind kind) const { return lists_[static_cast<int>(kind)]; }
    DeckListModel* Model(CardKind kind) const { return models_[static_cast<int>(kind)]; }
    // The selected entry of a kind's list, or nothing when none is selected.
    std::optional<DeckEntry> SelectedEntry(CardKind kind) const;

    QListView* unitList;
    QListView* missionList;
    QListView* characterList;
    QLabel* counts[3];
    QLabel* countCaptions[3];

signals:
    // The menu's 選択したﾃﾞｰﾀの全ｸﾘｱ emptied every list: the deck is no longer its file's.
    void allListsCleared();
    // Every change of selection in a deck list that leaves an entry selected.
    void entrySelected(const zemlo::DeckEntry& entry);
    // Right button on a list while exactly one entry is selected.
    void popupRequested(const zemlo::DeckEntry& entry, const QPoint& globalPos);
    // After a user's addition, as part of its step.
    void cardAdded(const zemlo::DeckEntry& entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The panel watches the deck before its lists' models do, so it hears of a change before
    // they do and of its end after them.
    void DeckRowsAboutToChange(const DeckRows& rows) override;
    void DeckRowsChanged(const DeckRows& rows) override;
    void DeckChanged() override;
    // Sets the count captions from the deck.
    void ShowCounts();
    // Shows value in counter (0 units, 1 missions and characters, 2 points).
    void ShowCount(int counter, qint64 value);

    QListView* MakeList(CardKind kind, const char* name);
    int KindOfWidget(const QObject* watched) const;
    // Widens the kind's rows to its widest entry after every change of the list.
    void UpdateScrollExtent(CardKind kind);
    // The widest of the rows first to last of list k (of the likely widest, for many rows).
    int RowsWidth(int k, int first, int last) const;

    DeckHistory& history_;
    const Deck& deck_;
    QListView* lists_[3] = {};
    DeckListModel* models_[3] = {};
    EntryWidthDelegate* delegates_[3] = {};
    QLabel* statusLine_ = nullptr;
    bool compact_ = false;
    // The row selected when a left press began; a click on it changes no selection.
    int rowSelectedAtPress_ = -1;
    // While the deck changes rows, a view's own moves of its selection show no card.
    bool rowsChanging_ = false;
    // The list whose selected entry the change removes, or -1.
    int selectionRemoved_ = -1;
    // The rows being removed include the widest: the rest is measured afresh.
    bool widestRemoved_ = false;
};

}  // namespace zemlo
