// One catalog's entries behind its list view: the records that passed the last filter run,
// in the catalog's sorted order. The entries stay in the catalog's order object; the view
// asks only for the rows it shows, so only their texts become QStrings.
#pragma once

#include <QAbstractListModel>
#include <vector>

#include "carddb/deck_entry.h"

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

    // The entry of a row; it stays valid as long as the catalog's order object.
    const DeckEntry& EntryAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const CatalogOrder* order_ = nullptr;
    std::vector<int> records_;
};

}  // namespace zemlo
