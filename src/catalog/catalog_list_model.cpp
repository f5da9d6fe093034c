#include "catalog/catalog_list_model.h"

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

QString CatalogListModel::EntryAt(int row) const {
    const std::u16string_view text = EntryText(row);
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

std::u16string_view CatalogListModel::EntryText(int row) const {
    if (!order_) return {};
    return order_->Entry(records_[row]);
}

int CatalogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

QVariant CatalogListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    if (role == Qt::DisplayRole) return EntryAt(index.row());
    return {};
}

}  // namespace zemlo
