#include "collection/owned_marks_delegate.h"

#include <QAbstractItemView>
#include <QPainter>
#include <algorithm>

#include "collection/collection_colours.h"
#include "collection/collection_document.h"
#include "collection/deck_shortfall_watch.h"
#include "collection/owned_counts_option.h"

namespace zemlo {
namespace {

// Room between a mark and the visible right edge, and around the mark's text.
constexpr int kEdgeMargin = 3;
constexpr int kMarkPadding = 3;

}  // namespace

OwnedMarksDelegate::OwnedMarksDelegate(QAbstractItemView* view, Marks marks, CardNoOf cardNoOf,
                                       const CollectionDocument& document,
                                       const DeckShortfallWatch& watch,
                                       const OwnedCountsOption& option)
    : QStyledItemDelegate(view),
      view_(view),
      inner_(view->itemDelegate()),
      marks_(marks),
      cardNoOf_(std::move(cardNoOf)),
      document_(document),
      watch_(watch),
      option_(option) {
    // The list's own delegate keeps telling the view of its sizes and editors through this one.
    connect(inner_, &QAbstractItemDelegate::sizeHintChanged, this,
            &QAbstractItemDelegate::sizeHintChanged);
    connect(inner_, &QAbstractItemDelegate::commitData, this, &QAbstractItemDelegate::commitData);
    connect(inner_, &QAbstractItemDelegate::closeEditor, this, &QAbstractItemDelegate::closeEditor);
    view->setItemDelegate(this);
}

QString OwnedMarksDelegate::MarkOf(const QModelIndex& index) const {
    const std::u16string cardNo = cardNoOf_(index);
    if (marks_ == Marks::Owned) {
        return QStringLiteral("所持 ") + QString::number(document_.Current().Owned(cardNo));
    }
    return watch_.Missing(cardNo) > 0 ? QStringLiteral("不足") : QString();
}

void OwnedMarksDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    if (!option_.On()) {
        inner_->paint(painter, option, index);
        return;
    }
    const QString mark = MarkOf(index);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const bool missing = marks_ == Marks::Missing && !mark.isEmpty();
    QStyleOptionViewItem entry(option);
    if (missing && !selected) entry.palette.setColor(QPalette::Text, MissingColour());
    inner_->paint(painter, entry, index);
    if (mark.isEmpty()) return;

    // At the right edge of what the list shows, over a long entry scrolled beyond it.
    const int right = std::min(option.rect.right(), view_->viewport()->width() - 1) - kEdgeMargin;
    const int width = QFontMetrics(option.font).horizontalAdvance(mark) + 2 * kMarkPadding;
    QRect box(right - width + 1, option.rect.top(), width, option.rect.height());
    box = box.intersected(option.rect);
    if (box.isEmpty()) return;
    painter->save();
    painter->fillRect(box,
                      option.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->setFont(option.font);
    painter->setPen(selected  ? option.palette.color(group, QPalette::HighlightedText)
                    : missing ? MissingColour()
                              : OwnedGrey());
    painter->drawText(box.adjusted(kMarkPadding, 0, -kMarkPadding, 0),
                      Qt::AlignRight | Qt::AlignVCenter, mark);
    painter->restore();
}

QSize OwnedMarksDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return inner_->sizeHint(option, index);
}

QWidget* OwnedMarksDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    return inner_->createEditor(parent, option, index);
}

void OwnedMarksDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    inner_->setEditorData(editor, index);
}

void OwnedMarksDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    inner_->setModelData(editor, model, index);
}

void OwnedMarksDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const {
    inner_->updateEditorGeometry(editor, option, index);
}

bool OwnedMarksDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    return inner_->helpEvent(event, view, option, index);
}

bool OwnedMarksDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                     const QStyleOptionViewItem& option, const QModelIndex& index) {
    return inner_->editorEvent(event, model, option, index);
}

}  // namespace zemlo
