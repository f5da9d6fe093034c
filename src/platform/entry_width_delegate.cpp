#include "platform/entry_width_delegate.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <algorithm>
#include <utility>
#include <vector>

namespace zemlo {
namespace {

// How many of the entries with the most display columns are measured.
constexpr size_t kMeasuredEntries = 64;
// The delegate's padding around an entry's text, in pixels.
constexpr int kEntryPadding = 8;

int DisplayColumns(std::u16string_view text) {
    int columns = 0;
    for (const char16_t u : text) {
        columns += (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
    }
    return columns;
}

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
    std::vector<std::pair<int, int>> columns;  // (display columns, entry)
    columns.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) columns.emplace_back(DisplayColumns(entryAt(i)), i);
    const size_t measured = std::min(kMeasuredEntries, columns.size());
    std::partial_sort(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(measured),
                      columns.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    int widest = kEntryPadding;
    for (size_t i = 0; i < measured; ++i) {
        widest = std::max(widest, EntryWidth(metrics, entryAt(columns[i].second)));
    }
    return widest;
}

}  // namespace zemlo
