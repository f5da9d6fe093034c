#include "tools/draw_odds_model.h"

namespace zemlo {

DrawOddsModel::DrawOddsModel(QObject* parent) : QAbstractTableModel(parent) {}

void DrawOddsModel::SetPile(std::vector<OddsRow> rows, int pileSize) {
    beginResetModel();
    rows_ = std::move(rows);
    pileSize_ = pileSize;
    endResetModel();
}

void DrawOddsModel::SetDrawn(int drawn) {
    drawn_ = drawn;
    if (!rows_.empty()) {
        emit dataChanged(index(0, AtLeastOne), index(rowCount() - 1, Expected));
    }
}

double DrawOddsModel::ChanceOfAnyOf(const std::vector<int>& rows) const {
    int copies = 0;
    for (int row : rows) copies += rows_[row].copies;
    return ChanceOfAtLeastOne(pileSize_, copies, drawn_);
}

int DrawOddsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DrawOddsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DrawOddsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const OddsRow& row = rows_[index.row()];
    if (role == Qt::TextAlignmentRole) {
        return index.column() <= Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case CardNo:
            return QString::fromStdU16String(row.cardNo);
        case Name:
            return QString::fromStdU16String(row.name);
        case Copies:
            return row.copies;
        case AtLeastOne:
            return QString::fromStdU16String(
                PercentText(ChanceOfAtLeastOne(pileSize_, row.copies, drawn_)));
        case AtLeastTwo:
            return QString::fromStdU16String(
                PercentText(ChanceOfAtLeastTwo(pileSize_, row.copies, drawn_)));
        case Expected:
            return QString::fromStdU16String(
                ExpectedText(ExpectedCopies(pileSize_, row.copies, drawn_)));
        default:
            return {};
    }
}

QVariant DrawOddsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static const char* const kHeaders[ColumnCount] = {"No",      "ｶｰﾄﾞ名",  "枚数",
                                                      "1枚以上", "2枚以上", "期待枚数"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(kHeaders[section])
                                                 : QVariant();
}

}  // namespace zemlo
