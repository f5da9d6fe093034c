// One deck list: the entry texts in sorted order. Entries carry nothing but their text.
#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace zemlo {

class DeckListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit DeckListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Adds one entry at its sorted place, after any equal entries; returns its row.
    int AddEntry(const std::u16string& entry);
    // Adds many entries as one sorted merge within the list's limit (MergeEntries); returns
    // how many were left out.
    std::size_t AddEntries(std::vector<std::u16string> entries);
    void RemoveEntry(int row);
    void Clear();
    // Puts entries in place of the whole list, in the order given.
    void SetEntries(std::vector<std::u16string> entries);

    const std::vector<std::u16string>& Entries() const { return entries_; }
    QString EntryAt(int row) const;

private:
    std::vector<std::u16string> entries_;
};

}  // namespace zemlo
