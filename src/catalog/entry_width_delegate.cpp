#include "catalog/entry_width_delegate.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <algorithm>

#include "catalog/catalog_entry.h"

namespace zemlo {
namespace {

// The delegate's padding around an entry's text, in pixels.
constexpr int kEntryPadding = 8;

}  // namespace

QSize EntryWidthDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), width_));
    return size;
}

void EntryWidthDelegate::SetWidth(int width, const QAbstractItemModel& model) {
    width_ = width;
    if (model.rowCount() > 0) emit sizeHintChanged(model.index(0, 0));
}

int EntryWidth(const QFontMetrics& metrics, std::u16string_view entry) {
    return metrics.horizontalAdvance(
               QString::fromUtf16(entry.data(), static_cast<qsizetype>(entry.size()))) +
           kEntryPadding;
}

int WidestEntry(const QFontMetrics& metrics, int count,
                const std::function<std::u16string_view(int)>& entryAt) {
    return WidestOf(metrics, MostDisplayColumns(count, entryAt), entryAt);
}

int WidestOf(const QFontMetrics& metrics, const std::vector<int>& entries,
             const std::function<std::u16string_view(int)>& entryAt) {
    int widest = kEntryPadding;
    for (const int i : entries) widest = std::max(widest, EntryWidth(metrics, entryAt(i)));
    return widest;
}

}  // namespace zemlo
