#include "deck/deck_list_model.h"

#include "carddb/entry_roles.h"

namespace zemlo {

DeckListModel::DeckListModel(const Deck& deck, CardKind kind, QObject* parent)
    : QAbstractListModel(parent), deck_(deck), kind_(kind) {
    deck_.AddObserver(this);
}

DeckListModel::~DeckListModel() {
    deck_.RemoveObserver(this);
}

int DeckListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(deck_.Size(kind_));
}

QVariant DeckListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return QStringView(EntryAt(index.row()).Text()).toString();
    if (role == kCardNoRole) return QStringView(EntryAt(index.row()).CardNo()).toString();
    return {};
}

const DeckEntry& DeckListModel::EntryAt(int row) const {
    return deck_.Entries(kind_)[static_cast<size_t>(row)];
}

void DeckListModel::DeckRowsAboutToChange(const DeckRows& rows) {
    if (rows.kind != kind_) return;
    const int first = static_cast<int>(rows.first);
    const int last = first + static_cast<int>(rows.count) - 1;
    if (rows.inserted) {
        beginInsertRows(QModelIndex(), first, last);
    } else {
        beginRemoveRows(QModelIndex(), first, last);
    }
}

void DeckListModel::DeckRowsChanged(const DeckRows& rows) {
    if (rows.kind != kind_) return;
    if (rows.inserted) {
        endInsertRows();
    } else {
        endRemoveRows();
    }
}

}  // namespace zemlo
