#include "catalog/catalog_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "carddb/leading_number.h"
#include "catalog/affiliation_boxes.h"
#include "catalog/catalog_list_model.h"
#include "catalog/entry_width_delegate.h"
#include "catalog/highlight_colors.h"
#include "platform/control_name.h"
#include "platform/twips.h"

namespace zemlo {
namespace {

constexpr int kAffiliationColumns = 4;

}  // namespace

CatalogPage::CatalogPage(CardKind kind, const CardDatabase& db, bool& filtersSuspended,
                         const bool& highlightOn, QWidget* parent)
    : QWidget(parent),
      db_(db),
      kind_(kind),
      filtersSuspended_(filtersSuspended),
      highlightOn_(highlightOn),
      model_(new CatalogListModel(this)),
      list_(new QListView(this)),
      delegate_(new EntryWidthDelegate(this)) {
    QFont pageFont = font();
    pageFont.setPointSize(9);
    setFont(pageFont);

    list_->setModel(model_);
    list_->setItemDelegate(delegate_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setToolTip(QStringLiteral("ダブルクリックまたは[Enter]キーでアイテム追加"));
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);

    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit entryActivated(kind_, model_->EntryAt(index.row()));
    });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { EmitSelection(); });
    // A click on the entry already selected changes no selection, yet shows its card again,
    // as when a card of another list was shown in between.
    connect(list_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() == rowSelectedAtPress_) EmitSelection();
    });
}

CatalogPage::~CatalogPage() = default;

void CatalogPage::PrepareCatalog(const CatalogChoices& choices) {
    order_ = CatalogOrder(db_, kind_);
    model_->SetEntries(order_);
    UpdateScrollExtent();
    FillChoices(choices);
}

void CatalogPage::SetMinimumScrollExtent(int pixels) {
    minimumExtent_ = pixels;
    UpdateScrollExtent();
}

int CatalogPage::ScrollExtent() const {
    return delegate_->Width();
}

void CatalogPage::UpdateScrollExtent() {
    const int widest = WidestEntry(QFontMetrics(list_->font()), order_.Count(),
                                   [this](int r) { return std::u16string_view(order_.Entry(r)); });
    delegate_->SetWidth(std::max(minimumExtent_, widest), *model_);
}

void CatalogPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) UpdateScrollExtent();
    QWidget::changeEvent(event);
}

void CatalogPage::ShowRecords(const std::vector<int>& passing) {
    model_->SetRecords(order_.InCatalogOrder(passing));
    list_->clearSelection();
    list_->scrollToTop();
}

void CatalogPage::EmitSelection() {
    if (model_->rowCount() == 0) return;
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    emit entrySelected(kind_, model_->EntryAt(selected.first().row()));
}

bool CatalogPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
            if (!selected.isEmpty()) {
                emit entryActivated(kind_, model_->EntryAt(selected.first().row()));
            }
            return true;
        }
    } else if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            // The right button opens the card menu for the entry already selected; it does
            // not move the selection.
            const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
            if (selected.size() == 1) {
                emit popupRequested(kind_, model_->EntryAt(selected.first().row()),
                                    mouse->globalPosition().toPoint());
            }
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
            rowSelectedAtPress_ = selected.size() == 1 ? selected.first().row() : -1;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        for (size_t i = 0; i < frames_.size(); ++i) {
            if (watched == frames_[i]) {
                FrameDoubleClicked(static_cast<int>(i));
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QList<QCheckBox*> CatalogPage::CheckBoxes() const {
    return findChildren<QCheckBox*>();
}
QList<QComboBox*> CatalogPage::ComboBoxes() const {
    return findChildren<QComboBox*>();
}

QGroupBox* CatalogPage::NewFrame(const char* name, int index, const QString& caption) {
    auto* frame = new QGroupBox(caption, this);
    NameControl(frame, name, index);
    frame->installEventFilter(this);
    if (static_cast<int>(frames_.size()) <= index) frames_.resize(index + 1, nullptr);
    frames_[index] = frame;
    return frame;
}

QCheckBox* CatalogPage::NewCheckBox(QWidget* parent, const char* name, int index,
                                    const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    NameControl(box, name, index);
    SetCheckBoxBackground(box, ButtonFaceColor());
    return box;
}

QRadioButton* CatalogPage::NewOption(QWidget* parent, const char* name, int index,
                                     const QString& caption) {
    auto* option = new QRadioButton(caption, parent);
    NameControl(option, name, index);
    return option;
}

QComboBox* CatalogPage::NewComboBox(QWidget* parent, const char* name, int index) {
    auto* box = new QComboBox(parent);
    NameControl(box, name, index);
    box->setEditable(false);
    box->setMaxVisibleItems(16);
    SetComboBoxBackground(box, HighlightWhite());
    return box;
}

QLabel* CatalogPage::NewRangeLabel(QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("～"), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void CatalogPage::NameList(const char* name) {
    NameControl(list_, name);
}

void CatalogPage::PlaceRange(QComboBox* low, QLabel* tilde, QComboBox* high, bool compact) {
    if (compact) {
        PlaceTwips(low, 75, 225, 600, 300);
        PlaceTwips(tilde, 675, 225, 180, 300);
        PlaceTwips(high, 855, 225, 600, 300);
    } else {
        PlaceTwips(low, 120, 300, 900, 330);
        PlaceTwips(tilde, 1035, 300, 300, 300);
        PlaceTwips(high, 1350, 300, 900, 330);
    }
}

void CatalogPage::PlaceList(int left, int top, int width, int height) {
    PlaceTwips(list_, left, top, width, height);
}

void CatalogPage::BuildAffiliationBoxes(QGroupBox* frame, const char* name,
                                        std::array<QCheckBox*, 17>& boxes) {
    boxes[0] = nullptr;
    for (int k = 1; k <= kAffiliationBoxCount; ++k) {
        const AffiliationBoxText& text = AffiliationBoxTexts()[k - 1];
        QCheckBox* box = NewCheckBox(
            frame, name, k,
            QString::fromUtf16(text.caption.data(), static_cast<int>(text.caption.size())));
        // The box carries the Team text it stands for; its caption is only an abbreviation.
        box->setProperty("compared", QString::fromUtf16(text.compared.data(),
                                                        static_cast<int>(text.compared.size())));
        box->setToolTip(
            QString::fromUtf16(text.toolTip.data(), static_cast<int>(text.toolTip.size())));
        box->setChecked(true);
        boxes[k] = box;
    }
}

void CatalogPage::PlaceAffiliationBoxes(const std::array<QCheckBox*, 17>& boxes, int frameWidth,
                                        bool compact) {
    const int margin = compact ? 75 : 120;
    const int firstRow = compact ? 195 : 250;
    const int rowStep = compact ? 225 : 250;
    const int height = compact ? 225 : 240;
    const int columnWidth = (frameWidth - 2 * margin) / kAffiliationColumns;
    for (int k = 1; k <= kAffiliationBoxCount; ++k) {
        const int column = (k - 1) % kAffiliationColumns;
        const int row = (k - 1) / kAffiliationColumns;
        PlaceTwips(boxes[k], margin + column * columnWidth, firstRow + row * rowStep,
                   columnWidth - 60, height);
    }
}

std::array<AffiliationBox, kAffiliationBoxCount> CatalogPage::ReadAffiliations(
    const std::array<QCheckBox*, 17>& boxes) {
    std::array<AffiliationBox, kAffiliationBoxCount> teams;
    for (int k = 1; k <= kAffiliationBoxCount; ++k) {
        // A greyed box imposes nothing, like a checked one.
        teams[k - 1].checked = boxes[k]->checkState() != Qt::Unchecked;
        teams[k - 1].compared = boxes[k]->property("compared").toString().toStdU16String();
    }
    return teams;
}

void CatalogPage::CheckOrClearAll(const std::array<QCheckBox*, 17>& boxes) {
    filtersSuspended_ = true;
    int checked = 0;
    for (int k = 1; k <= kAffiliationBoxCount; ++k) {
        if (boxes[k]->checkState() == Qt::Checked) ++checked;
    }
    const bool check = checked < 8;
    for (int k = 1; k <= kAffiliationBoxCount; ++k) boxes[k]->setChecked(check);
    filtersSuspended_ = false;
    Refilter();
}

RangeCondition CatalogPage::ReadRange(const QComboBox* low, const QComboBox* high) {
    RangeCondition range;
    range.lowPosition = low->currentIndex();
    range.highPosition = high->currentIndex();
    range.highLast = high->count() - 1;
    range.lowText = low->currentText().toStdU16String();
    range.highText = high->currentText().toStdU16String();
    return range;
}

ChoiceCondition CatalogPage::ReadChoice(const QComboBox* box) {
    return ChoiceCondition{box->currentIndex(), box->currentText().toStdU16String()};
}

void CatalogPage::FillCombo(QComboBox* box, const std::vector<std::u16string>& entries) {
    QStringList items;
    items.reserve(static_cast<int>(entries.size()));
    for (const std::u16string& entry : entries) items << QString::fromStdU16String(entry);
    box->clear();
    box->addItems(items);
}

void CatalogPage::ColourCheckBox(QCheckBox* box) {
    if (highlightOn_) HighlightCheckBox(box);
}

void CatalogPage::ColourPair(QComboBox* low, QComboBox* high) {
    if (!highlightOn_) return;
    HighlightLowerCombo(low);
    HighlightUpperCombo(high);
}

void CatalogPage::ColourSingle(QComboBox* box) {
    if (highlightOn_) HighlightLowerCombo(box);
}

}  // namespace zemlo
