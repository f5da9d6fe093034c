#include "collection/collection_table_model.h"

#include <algorithm>
#include <unordered_set>

#include "catalog/quick_filter.h"
#include "collection/collection_colours.h"
#include "collection/collection_document.h"
#include "collection/deck_shortfall_watch.h"

namespace zemlo {

CollectionTableModel::CollectionTableModel(CardKind kind, const CardDatabase& db,
                                           const CollectionDocument& document,
                                           const DeckShortfallWatch& watch, QuickFilter& filter,
                                           QObject* parent)
    : QAbstractTableModel(parent),
      kind_(kind),
      db_(db),
      document_(document),
      watch_(watch),
      filter_(filter) {
    const CardTable& table = db_.Table(kind_);
    std::unordered_set<std::u16string_view> seen;
    for (int record = 0; record < table.Count(); ++record) {
        if (seen.insert(table.Cell(unit_field::CardNo, record)).second) all_.push_back(record);
    }
    std::stable_sort(all_.begin(), all_.end(), [&table](int a, int b) {
        return table.Cell(unit_field::CardNo, a) < table.Cell(unit_field::CardNo, b);
    });
    rows_ = all_;
}

std::vector<int> CollectionTableModel::Listed() const {
    std::vector<int> listed = words_.empty() ? all_ : filter_.Narrow(kind_, all_, words_, false);
    if (missingOnly_) {
        const CardTable& table = db_.Table(kind_);
        std::erase_if(listed, [&](int record) {
            return watch_.Missing(table.Cell(unit_field::CardNo, record)) == 0;
        });
    }
    return listed;
}

void CollectionTableModel::Narrow(const std::vector<std::u16string>& words, bool missingOnly) {
    words_ = words;
    missingOnly_ = missingOnly;
    std::vector<int> listed = Listed();
    if (listed == rows_) return;
    beginResetModel();
    rows_ = std::move(listed);
    endResetModel();
}

void CollectionTableModel::Refresh() {
    // Only the cards missing depend on the counts; every other narrowing stays.
    if (missingOnly_) {
        std::vector<int> listed = Listed();
        if (listed != rows_) {
            beginResetModel();
            rows_ = std::move(listed);
            endResetModel();
            return;
        }
    }
    if (!rows_.empty()) emit dataChanged(index(0, Owned), index(rowCount() - 1, Missing));
}

std::u16string_view CollectionTableModel::CardNoAt(int row) const {
    return db_.Table(kind_).Cell(unit_field::CardNo, rows_[static_cast<std::size_t>(row)]);
}

int CollectionTableModel::RowOf(std::u16string_view cardNo) const {
    const CardTable& table = db_.Table(kind_);
    const auto at = std::lower_bound(rows_.begin(), rows_.end(), cardNo,
                                     [&table](int record, std::u16string_view number) {
                                         return table.Cell(unit_field::CardNo, record) < number;
                                     });
    if (at == rows_.end() || table.Cell(unit_field::CardNo, *at) != cardNo) return -1;
    return static_cast<int>(at - rows_.begin());
}

int CollectionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CollectionTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant CollectionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int column = index.column();
    const int record = rows_[static_cast<std::size_t>(index.row())];
    const CardTable& table = db_.Table(kind_);
    const std::u16string_view cardNo = table.Cell(unit_field::CardNo, record);
    if (role == Qt::TextAlignmentRole) {
        const bool number = column >= Owned;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role == Qt::ForegroundRole) {
        return column == Missing && watch_.Missing(cardNo) > 0 ? QVariant(MissingColour())
                                                               : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != kSortRole) return {};
    switch (column) {
        case CardNo:
            return QString::fromUtf16(cardNo.data(), static_cast<qsizetype>(cardNo.size()));
        case Name: {
            const std::u16string_view name = table.Cell(NameField(kind_), record);
            return QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
        }
        case Owned:
            return document_.Current().Owned(cardNo);
        case InDeck:
            return watch_.CopiesInDeck(cardNo);
        case Missing:
            return watch_.Missing(cardNo);
        default:
            return {};
    }
}

QVariant CollectionTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[kColumns] = {"No", "名称", "所持", "ﾃﾞｯｷ", "不足"};
    if (section < 0 || section >= kColumns) return {};
    return QString::fromUtf8(kTitles[section]);
}

Qt::ItemFlags CollectionTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Owned) flags |= Qt::ItemIsEditable;
    return flags;
}

bool CollectionTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != Owned) return false;
    bool number = false;
    const int count = value.toInt(&number);
    if (!number) return false;
    const std::u16string_view cardNo = CardNoAt(index.row());
    emit ownedEdited(QString::fromUtf16(cardNo.data(), static_cast<qsizetype>(cardNo.size())),
                     count);
    return true;
}

}  // namespace zemlo
