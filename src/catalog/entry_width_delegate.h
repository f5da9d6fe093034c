// Card lists lay their rows out as if every entry had the first one's size (uniform item
// sizes): a list of tens of thousands of entries is laid out at once instead of measuring
// every entry's text. This delegate widens that size to the widest entry, so every entry can
// still be scrolled into view.
#pragma once

#include <QStyledItemDelegate>
#include <functional>
#include <string_view>
#include <vector>

class QAbstractItemModel;
class QFontMetrics;

namespace zemlo {

class EntryWidthDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    int Width() const { return width_; }
    // Gives every row of model's lists this width; their views lay them out again.
    void SetWidth(int width, const QAbstractItemModel& model);

private:
    int width_ = 0;
};

// The width one entry's row needs in pixels, the row's padding included.
int EntryWidth(const QFontMetrics& metrics, std::u16string_view entry);

// The width of the widest of count entries in pixels, the row's padding included. Measuring
// every entry of a full list would take too long; the widest is among the few with the most
// display columns.
int WidestEntry(const QFontMetrics& metrics, int count,
                const std::function<std::u16string_view(int)>& entryAt);
// The width of the widest of the given entries, the candidates MostDisplayColumns chose.
int WidestOf(const QFontMetrics& metrics, const std::vector<int>& entries,
             const std::function<std::u16string_view(int)>& entryAt);

}  // namespace zemlo
