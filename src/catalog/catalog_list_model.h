// One catalog's entries behind its list view: the records that passed the last filter run,
// in the catalog's sorted order. The entry texts stay in the catalog's order object; the
// view asks only for the rows it shows, so only those become QStrings.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <string_view>
#include <vector>

namespace zemlo {

class CatalogOrder;

class CatalogListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit CatalogListModel(QObject* parent = nullptr);

    // Shows the entry texts of order, which outlives the model; the catalog shows nothing
    // until SetRecords.
    void SetEntries(const CatalogOrder& order);
    // Shows these records, in this order, in one reset.
    void SetRecords(std::vector<int> records);

    QString EntryAt(int row) const;
    // The same text without a copy; it stays valid as long as the catalog's order object.
    std::u16string_view EntryText(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const CatalogOrder* order_ = nullptr;
    std::vector<int> records_;
};

}  // namespace zemlo
