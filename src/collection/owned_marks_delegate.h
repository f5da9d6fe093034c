// The collection's marks over a card list, painted on top of what the list's own delegate
// paints, which it wraps: beside a catalog entry the copies owned, in grey at the visible
// right edge; on a deck entry whose card the deck holds more often than owned, the text in
// the missing colour and "不足" at the right edge. While the option is off, or the list is
// not marked, the list's own delegate alone paints, and sizes are always its own.
#pragma once

#include <QStyledItemDelegate>
#include <functional>
#include <string>

#include "collection/owned_counts_option.h"

class QAbstractItemView;

namespace zemlo {

class CollectionDocument;
class DeckShortfallWatch;

class OwnedMarksDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Marks { Owned, Missing };
    using CardNoOf = std::function<std::u16string(const QModelIndex&)>;

    // Puts itself in place of view's delegate, which it keeps painting first and asks for
    // sizes; everything given outlives the view.
    OwnedMarksDelegate(QAbstractItemView* view, Marks marks, CardNoOf cardNoOf,
                       const CollectionDocument& document, const DeckShortfallWatch& watch,
                       const OwnedCountsOption& option);

    // The text painted at the right edge of an entry, "" for none.
    QString MarkOf(const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QAbstractItemView* view_;
    QAbstractItemDelegate* inner_;
    Marks marks_;
    CardNoOf cardNoOf_;
    const CollectionDocument& document_;
    const DeckShortfallWatch& watch_;
    const OwnedCountsOption& option_;
};

}  // namespace zemlo
