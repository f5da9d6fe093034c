#include "deck/deck_list_model.h"

#include "deck/deck_entries.h"
#include "deck/entry_merge.h"

namespace zemlo {

DeckListModel::DeckListModel(QObject* parent) : QAbstractListModel(parent) {}

int DeckListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant DeckListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return EntryAt(index.row());
    return {};
}

int DeckListModel::AddEntry(const std::u16string& entry) {
    const int row = static_cast<int>(SortedInsertPosition(entries_, entry));
    beginInsertRows(QModelIndex(), row, row);
    entries_.insert(entries_.begin() + row, entry);
    endInsertRows();
    return row;
}

std::size_t DeckListModel::AddEntries(std::vector<std::u16string> entries) {
    if (entries.empty()) return 0;
    // One reset instead of an insertion per entry: the view lays the list out once.
    beginResetModel();
    const std::size_t leftOut = MergeEntries(entries_, std::move(entries));
    endResetModel();
    return leftOut;
}

void DeckListModel::RemoveEntry(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

void DeckListModel::Clear() {
    beginResetModel();
    entries_.clear();
    endResetModel();
}

void DeckListModel::SetEntries(std::vector<std::u16string> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

QString DeckListModel::EntryAt(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return QString::fromStdU16String(entries_[static_cast<size_t>(row)]);
}

}  // namespace zemlo
