// One catalog's entries behind its list view: the entry texts of every record, made once,
// and the records that passed the last filter run in the catalog's sorted order.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <vector>

namespace zemlo {

class CatalogOrder;

class CatalogListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit CatalogListModel(QObject* parent = nullptr);

    // Takes the entry texts of every record; the catalog shows nothing until SetRecords.
    void SetEntries(const CatalogOrder& order);
    // Shows these records, in this order, in one reset.
    void SetRecords(std::vector<int> records);

    QString EntryAt(int row) const { return texts_[records_[row]]; }
    // The entry text of every record, shown or not.
    const std::vector<QString>& AllEntries() const { return texts_; }
    int RecordAt(int row) const { return records_[row]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<QString> texts_;
    std::vector<int> records_;
};

}  // namespace zemlo
