// One card kind in the collection window: every card of the card data once (the first record
// of a number), by card number, with its name, the copies owned, the copies in the deck and
// those missing. The copies owned are edited in place; the edit goes out as ownedEdited for
// the window's undo to apply. Narrowed by the words typed (the quick filter's forgiving
// match on number and name) and to the cards missing.
#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "carddb/card_database.h"

namespace zemlo {

class CollectionDocument;
class DeckShortfallWatch;
class QuickFilter;

class CollectionTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CardNo = 0, Name, Owned, InDeck, Missing, kColumns };
    // Numbers as numbers, for sorting.
    static constexpr int kSortRole = Qt::UserRole;

    // Everything given outlives the model.
    CollectionTableModel(CardKind kind, const CardDatabase& db, const CollectionDocument& document,
                         const DeckShortfallWatch& watch, QuickFilter& filter,
                         QObject* parent = nullptr);

    // Lists only the cards holding every word (none: every card), and only those missing.
    void Narrow(const std::vector<std::u16string>& words, bool missingOnly);
    // The copies owned or in the deck changed.
    void Refresh();

    std::u16string_view CardNoAt(int row) const;
    // The row of a card number, or -1 when it is not listed.
    int RowOf(std::u16string_view cardNo) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The player typed count for the card numbered cardNo.
    void ownedEdited(const QString& cardNo, int count);

private:
    std::vector<int> Listed() const;

    const CardKind kind_;
    const CardDatabase& db_;
    const CollectionDocument& document_;
    const DeckShortfallWatch& watch_;
    QuickFilter& filter_;
    // The first record of every number, by number.
    std::vector<int> all_;
    std::vector<std::u16string> words_;
    bool missingOnly_ = false;
    std::vector<int> rows_;
};

}  // namespace zemlo
