// "所持ｶｰﾄﾞ": the cards a player owns, beside the main window. One table per card kind lists
// every card of the card data with the copies owned, in the deck and missing; the copies
// owned are edited in place (a number typed, "+" and "-"), each change one step of this
// window's own undo (Ctrl+Z, Ctrl+Y). The deck's copies are added to the collection after
// buying it, the missing cards copied as a shopping list, another CSV file imported or the
// collection exported, and the file the collection is kept in chosen.
#pragma once

#include <QWidget>
#include <array>

#include "carddb/card_database.h"
#include "carddb/search_fold.h"
#include "catalog/quick_filter.h"
#include "collection/collection_edit.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QUndoStack;

namespace zemlo {

class CollectionDocument;
class CollectionTableModel;
class DeckShortfallWatch;

class CollectionWindow : public QWidget {
    Q_OBJECT
public:
    // Everything given outlives the window.
    CollectionWindow(const CardDatabase& db, CollectionDocument& document,
                     const DeckShortfallWatch& watch, QWidget* parent = nullptr);
    ~CollectionWindow() override;

    QUndoStack* UndoStack() const { return undo_; }
    CollectionTableModel* Model(CardKind kind) const { return models_[static_cast<int>(kind)]; }

    // One step of this window's undo: the edit applied and saved.
    void ApplyEdit(CollectionEdit edit, const QString& what);
    // The copies owned of a card set to count (0 to 999).
    void SetOwned(const QString& cardNo, int count);
    // One copy more or fewer of every selected card of the table shown, as one step.
    void ChangeSelected(int delta);
    void AddDeck();
    void CopyMissing();
    void ImportCsv();
    void ExportCsv();
    void ChooseFile();

    QTabWidget* kindTabs;
    std::array<QTableView*, 3> tables{};
    QLineEdit* filterBox;
    QCheckBox* missingOnlyBox;
    QPushButton* moreButton;
    QPushButton* fewerButton;
    QPushButton* undoButton;
    QPushButton* redoButton;
    QPushButton* addDeckButton;
    QPushButton* copyMissingButton;
    QPushButton* importButton;
    QPushButton* exportButton;
    QPushButton* chooseFileButton;
    QLabel* totalsLabel;
    QLabel* fileLabel;
    QLabel* problemLabel;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Renarrow();
    void Refresh();
    void ShowFileState();
    QTableView* ShownTable() const;

    const CardDatabase& db_;
    CollectionDocument& document_;
    const DeckShortfallWatch& watch_;
    SearchFold fold_;
    QuickFilter filter_;
    std::array<CollectionTableModel*, 3> models_{};
    std::array<QSortFilterProxyModel*, 3> sorted_{};
    QUndoStack* undo_;
};

}  // namespace zemlo
