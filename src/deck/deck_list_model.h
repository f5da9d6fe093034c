// One deck list on screen: a read-only view of one list of the Deck. The model turns the
// deck's row notices into its own row insertions and removals, never a reset, so a view of a
// long list keeps its selection and scroll position while the deck changes.
#pragma once

#include <QAbstractListModel>

#include "deck/deck.h"

namespace zemlo {

class DeckListModel : public QAbstractListModel, private DeckObserver {
    Q_OBJECT
public:
    DeckListModel(const Deck& deck, CardKind kind, QObject* parent = nullptr);
    ~DeckListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    CardKind Kind() const { return kind_; }
    // The entry of a row that exists.
    const DeckEntry& EntryAt(int row) const;

private:
    void DeckRowsAboutToChange(const DeckRows& rows) override;
    void DeckRowsChanged(const DeckRows& rows) override;

    const Deck& deck_;
    const CardKind kind_;
};

}  // namespace zemlo
