// The deck being built: the three deck lists with their counters. The deck lives only here;
// the file reader and writer, the deck text and the tools reach it through DeckAccess.
#pragma once

#include <QWidget>
#include <functional>

#include "carddb/card_fields.h"
#include "deck/deck_access.h"

class QLabel;
class QListView;

namespace zemlo {

class DeckListModel;
class EntryWidthDelegate;

class DeckPanel : public QWidget, public DeckAccess {
    Q_OBJECT
public:
    explicit DeckPanel(QWidget* parent = nullptr);

    // DeckAccess
    std::vector<std::u16string> Entries(CardKind kind) const override;
    void AddEntry(CardKind kind, const std::u16string& entry) override;
    std::size_t AddEntries(CardKind kind, std::vector<std::u16string> entries) override;
    void ClearAll() override;
    void RefreshCounters() override;
    void RunAsOneChange(const std::function<void()>& change) override;

    // The deck's history, when there is one, receives every change of the deck as one call
    // that performs it.
    using ChangeRecorder = std::function<void(const std::function<void()>& change)>;
    void SetChangeRecorder(ChangeRecorder recorder) { recorder_ = std::move(recorder); }

    // The user's addition from a catalog: the entry joins its list, the count caption and
    // the colours follow, and cardAdded asks for the card to be shown.
    void AddCard(CardKind kind, const QString& entry);
    // Removes the selected entry of the kind's list, if any; the information panel stays.
    void RemoveSelected(CardKind kind);
    // The clear commands: empty one list (or all), then counters.
    void ClearList(CardKind kind);
    void ClearAllLists();

    // Places the lists and counters for the normal view (2700 x 10275 twips) or the compact
    // one (3300 x 7875).
    void LayOut(bool compact);

    // Recolours the unit and mission+character counters; captions stay as they are.
    void CheckDeckCount();
    // Sums the missions' points into the points counter and colours it.
    void ShowTotalPoint();

    QListView* List(CardKind kind) const { return lists_[static_cast<int>(kind)]; }
    DeckListModel* Model(CardKind kind) const { return models_[static_cast<int>(kind)]; }
    // The selected entry of a list, or an empty string when none is selected.
    static QString SelectedEntry(const QListView* list);

    QListView* lstSelUnit;
    QListView* lstSelMission;
    QListView* lstSelChar;
    QLabel* lblCnt[3];
    QLabel* lblCntCaption[3];

signals:
    // Every change of selection in a deck list that leaves an entry selected.
    void entrySelected(zemlo::CardKind kind, const QString& entry);
    // Right button on a list while exactly one entry is selected.
    void popupRequested(zemlo::CardKind kind, const QString& entry, const QPoint& globalPos);
    // After a user's addition, before the counters are recoloured.
    void cardAdded(zemlo::CardKind kind, const QString& entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QListView* MakeList(CardKind kind, const char* name);
    void SetCountCaptions(bool units, bool missionsAndCharacters);
    int KindOfWidget(const QObject* watched) const;
    // Widens the kind's rows to its widest entry after every change of the list.
    void UpdateScrollExtent(CardKind kind);
    // The widest of the rows first to last of list k.
    int RowsWidth(int k, int first, int last) const;

    QListView* lists_[3] = {};
    DeckListModel* models_[3] = {};
    EntryWidthDelegate* delegates_[3] = {};
    // The row selected when a left press began; a click on it changes no selection.
    int rowSelectedAtPress_ = -1;
    bool removing_ = false;
    // The rows being removed include the widest: the rest is measured afresh.
    bool widestRemoved_ = false;
    ChangeRecorder recorder_;
};

}  // namespace zemlo
