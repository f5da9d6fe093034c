#include "catalog/catalog_list_model.h"

#include "carddb/entry_roles.h"
#include "catalog/catalog_order.h"

namespace zemlo {

CatalogListModel::CatalogListModel(QObject* parent) : QAbstractListModel(parent) {}

void CatalogListModel::SetEntries(const CatalogOrder& order) {
    beginResetModel();
    records_.clear();
    order_ = &order;
    endResetModel();
}

void CatalogListModel::SetRecords(std::vector<int> records) {
    beginResetModel();
    records_ = std::move(records);
    endResetModel();
}

const DeckEntry& CatalogListModel::EntryAt(int row) const {
    return order_->Entry(records_[row]);
}

int CatalogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

QVariant CatalogListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    if (role == Qt::DisplayRole) return QStringView(EntryAt(index.row()).Text()).toString();
    if (role == kCardNoRole) return QStringView(EntryAt(index.row()).CardNo()).toString();
    return {};
}

}  // namespace zemlo
