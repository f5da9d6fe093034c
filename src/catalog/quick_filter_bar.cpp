#include "catalog/quick_filter_bar.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>

#include "carddb/qt_normaliser.h"
#include "catalog/catalog_list_model.h"
#include "catalog/catalog_page.h"
#include "catalog/highlight_colors.h"
#include "catalog/highlight_state.h"
#include "catalog/quick_filter.h"
#include "platform/control_name.h"

namespace zemlo {
namespace {

bool IsUndoKey(const QKeyEvent* key) {
    return key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Z;
}
bool IsRedoKey(const QKeyEvent* key) {
    return (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Y) ||
           (key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
            key->key() == Qt::Key_Z);
}

}  // namespace

QuickFilterBar::QuickFilterBar(const CardDatabase& db, std::array<CatalogPage*, 3> pages,
                               const HighlightState& highlight, QWidget* parent)
    : QWidget(parent),
      pages_(pages),
      highlight_(highlight),
      filter_(std::make_unique<QuickFilter>(db, SearchFold(NfkcThroughQt))),
      closeButton_(new QToolButton(this)),
      textBox_(new QLineEdit(this)),
      textsBox_(new QCheckBox(QStringLiteral("ﾃｷｽﾄも検索"), this)),
      countLabel_(new QLabel(this)),
      outsideLabel_(new QLabel(this)) {
    setObjectName("fraQuickFilter");
    closeButton_->setObjectName("cmdQuickFilterClose");
    closeButton_->setText(QStringLiteral("✕"));
    closeButton_->setToolTip(QStringLiteral("絞り込みを解除"));
    closeButton_->setAccessibleName(QStringLiteral("絞り込みを閉じる"));
    closeButton_->setAutoRaise(true);
    textBox_->setObjectName("txtQuickFilter");
    textBox_->setAccessibleName(QStringLiteral("絞り込み"));
    textBox_->setClearButtonEnabled(false);
    textBox_->installEventFilter(this);
    textsBox_->setObjectName("chkQuickFilterText");
    textsBox_->setAccessibleName(textsBox_->text());
    countLabel_->setObjectName("lblQuickFilterCount");
    countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    outsideLabel_->setObjectName("lblQuickFilterOutside");
    outsideLabel_->setToolTip(
        QStringLiteral("検索条件で隠れているｶｰﾄﾞの数です。「検索条件のｸﾘｱ」で表示されます。"));
    outsideLabel_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    outsideLabel_->hide();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 0);
    row->setSpacing(4);
    row->addWidget(closeButton_);
    row->addWidget(textBox_, 1);
    row->addWidget(textsBox_);
    row->addWidget(countLabel_);
    row->addWidget(outsideLabel_);
    setFocusProxy(textBox_);
    hide();

    connect(closeButton_, &QToolButton::clicked, this, &QuickFilterBar::Close);
    connect(textBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        words_ = filter_->Words(text.toStdU16String());
        NarrowFront();
        FollowHighlight();
    });
    connect(textsBox_, &QCheckBox::toggled, this, [this] { NarrowFront(); });
    for (CatalogPage* page : pages_) {
        connect(page, &CatalogPage::shownChanged, this, [this, page] {
            if (open_ && page == pages_[front_]) ShowCount();
        });
    }
    connect(&highlight_, &HighlightState::changed, this, &QuickFilterBar::FollowHighlight);
}

QuickFilterBar::~QuickFilterBar() = default;

void QuickFilterBar::Toggle() {
    if (open_) {
        Close();
        return;
    }
    open_ = true;
    PlaceUnderFront();
    show();
    ShowCount();
    textBox_->setFocus(Qt::ShortcutFocusReason);
}

void QuickFilterBar::Close() {
    open_ = false;
    textBox_->clear();  // narrows the front catalog back to all
    hide();
    for (size_t k = 0; k < pages_.size(); ++k) {
        pages_[k]->SetListBottomReserve(0);
        if (!applied_[k].words.empty()) {
            applied_[k] = Applied{};
            pages_[k]->SetNarrowing({});
        }
    }
    FollowHighlight();
    pages_[front_]->List()->setFocus();
}

void QuickFilterBar::FollowTab(int tab) {
    if (tab < 0 || tab >= static_cast<int>(pages_.size())) return;
    front_ = tab;
    if (!open_) return;
    PlaceUnderFront();
    NarrowFront();
    ShowCount();
}

void QuickFilterBar::FollowLayout() {
    if (open_) PlaceUnderFront();
}

void QuickFilterBar::FollowHighlight() {
    const bool yellow = highlight_.On() && open_ && !words_.empty();
    QPalette palette = textBox_->palette();
    palette.setColor(QPalette::Base, yellow ? HighlightYellow() : HighlightWhite());
    textBox_->setPalette(palette);
}

bool QuickFilterBar::IsTextField(const QObject* widget) const {
    return widget == textBox_;
}

void QuickFilterBar::NarrowFront() {
    Applied wanted{words_, textsBox_->isChecked()};
    Applied& applied = applied_[front_];
    if (applied.words == wanted.words && (wanted.words.empty() || applied.texts == wanted.texts)) {
        ShowCount();
        return;
    }
    applied = wanted;
    CatalogPage* page = pages_[front_];
    if (wanted.words.empty()) {
        page->SetNarrowing({});
    } else {
        QuickFilter* filter = filter_.get();
        const CardKind kind = page->Kind();
        page->SetNarrowing([filter, kind, wanted](const std::vector<int>& passing) {
            return filter->Narrow(kind, passing, wanted.words, wanted.texts);
        });
    }
}

void QuickFilterBar::ShowCount() {
    const CatalogPage* page = pages_[front_];
    const QString count =
        QStringLiteral("%1 / %2").arg(page->ShownCount()).arg(page->PassingCount());
    countLabel_->setText(count);
    // A label is heard by its name alone: what the count counts, then the count.
    countLabel_->setAccessibleName(QStringLiteral("表示件数 ") + count);
    // A card the conditions hide is simply not found: the player is told it is there.
    const Applied& applied = applied_[front_];
    const size_t outside =
        filter_->CountOutside(page->Kind(), page->PassingRecords(), applied.words, applied.texts);
    outsideLabel_->setText(outside == 0 ? QString() : QStringLiteral("条件外 %1").arg(outside));
    outsideLabel_->setAccessibleName(QStringLiteral("検索条件で隠れている件数 %1").arg(outside));
    outsideLabel_->setVisible(outside > 0);
}

void QuickFilterBar::PlaceUnderFront() {
    CatalogPage* page = pages_[front_];
    if (parentWidget() != page) {
        const bool focused = textBox_->hasFocus();
        setParent(page);
        if (open_) show();
        if (focused) textBox_->setFocus();
    }
    const int height = sizeHint().height();
    for (CatalogPage* each : pages_) each->SetListBottomReserve(height);
    const QRect list = page->ListGeometry();
    setGeometry(list.left(), list.bottom() + 1, list.width(), height);
    raise();
    // The keyboard reaches the bar right after the catalog above it.
    QWidget::setTabOrder(page->List(), closeButton_);
    QWidget::setTabOrder(closeButton_, textBox_);
    QWidget::setTabOrder(textBox_, textsBox_);
}

bool QuickFilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != textBox_) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Undo and redo keys edit the text here, never the deck.
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsUndoKey(key) || IsRedoKey(key)) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsUndoKey(key)) {
            textBox_->undo();
            return true;
        }
        if (IsRedoKey(key)) {
            textBox_->redo();
            return true;
        }
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter) {
            // Down or Enter goes on to the catalog's first entry.
            QListView* list = pages_[front_]->List();
            list->setFocus(Qt::TabFocusReason);
            if (list->model()->rowCount() > 0) list->setCurrentIndex(list->model()->index(0, 0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zemlo
