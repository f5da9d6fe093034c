#include "catalog/catalog_page.h"

#include <QAbstractButton>
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
#include "catalog/highlight_colors.h"
#include "catalog/highlight_state.h"
#include "platform/control_name.h"
#include "platform/entry_width_delegate.h"
#include "platform/twips.h"

namespace zemlo {
namespace {

constexpr int kAffiliationColumns = 4;

// What a screen reader calls a catalog: its tab's caption and "一覧".
QString CatalogName(CardKind kind) {
    switch (kind) {
        case CardKind::Unit:
            return QStringLiteral("ユニット一覧");
        case CardKind::Mission:
            return QStringLiteral("ミッション一覧");
        case CardKind::Character:
            return QStringLiteral("キャラクター一覧");
    }
    return {};
}

}  // namespace

CatalogPage::CatalogPage(CardKind kind, const CardDatabase& db, FilterSuspension& suspension,
                         const HighlightState& highlight, QWidget* parent)
    : QWidget(parent),
      db_(db),
      kind_(kind),
      suspension_(suspension),
      highlight_(highlight),
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
    list_->setAccessibleName(CatalogName(kind));
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);

    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit entryActivated(model_->EntryAt(index.row()));
    });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { EmitSelection(); });
    // A click on the entry already selected changes no selection, yet shows its card again,
    // as when a card of another list was shown in between.
    connect(list_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() == rowSelectedAtPress_) EmitSelection();
    });
    connect(&highlight_, &HighlightState::changed, this, &CatalogPage::FollowHighlight);
}

CatalogPage::~CatalogPage() = default;

void CatalogPage::FollowHighlight(bool on) {
    for (QCheckBox* box : CheckBoxes()) {
        if (on) {
            HighlightCheckBox(box);
        } else {
            SetCheckBoxBackground(box, ButtonFaceColor());
        }
    }
    if (on) {
        ColourComboBoxesByRule();
    } else {
        for (QComboBox* box : ComboBoxes()) SetComboBoxBackground(box, HighlightWhite());
    }
}

void CatalogPage::PrepareCatalog(const CatalogChoices& choices, CatalogOrder order) {
    order_ = std::move(order);
    model_->SetEntries(order_);
    UpdateScrollExtent();
    // Every list first filled, then selected: the start-up selection of a range's upper box
    // is its last entry.
    for (PanelControl& control : controls_) {
        if (!control.choices) continue;
        const std::vector<std::u16string>& entries = choices.*control.choices;
        QStringList items;
        items.reserve(static_cast<int>(entries.size()));
        for (const std::u16string& entry : entries) items << QString::fromStdU16String(entry);
        for (QComboBox* box : {static_cast<QComboBox*>(control.widget), control.high}) {
            if (!box) continue;
            box->clear();
            box->addItems(items);
        }
    }
    for (PanelControl& control : controls_) {
        if (!control.choices) continue;
        static_cast<QComboBox*>(control.widget)->setCurrentIndex(0);
        if (control.high) control.high->setCurrentIndex(control.high->count() - 1);
    }
}

void CatalogPage::SetMinimumScrollExtent(int pixels) {
    minimumExtent_ = pixels;
    UpdateScrollExtent();
}

int CatalogPage::ScrollExtent() const {
    return delegate_->Width();
}

void CatalogPage::UpdateScrollExtent() {
    const int widest = WidestOf(QFontMetrics(list_->font()), order_.WidthCandidates(),
                                [this](int r) { return order_.Entry(r).Text(); });
    delegate_->SetWidth(std::max(minimumExtent_, widest), *model_);
}

void CatalogPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) UpdateScrollExtent();
    QWidget::changeEvent(event);
}

void CatalogPage::ShowRecords(const std::vector<int>& passing) {
    passing_ = order_.InCatalogOrder(passing);
    ShowNarrowed();
}

void CatalogPage::SetNarrowing(Narrowing narrowing) {
    narrowing_ = std::move(narrowing);
    ShowNarrowed();
}

void CatalogPage::ShowNarrowed() {
    model_->SetRecords(narrowing_ ? narrowing_(passing_) : passing_);
    list_->clearSelection();
    list_->scrollToTop();
    emit shownChanged();
}

int CatalogPage::ShownCount() const {
    return model_->rowCount();
}

void CatalogPage::SetListBottomReserve(int pixels) {
    listBottomReserve_ = pixels;
    for (PanelControl& control : controls_) {
        if (control.kind == ControlKind::List) Place(control, compact_);
    }
}

QRect CatalogPage::ListGeometry() const {
    return list_->geometry();
}

void CatalogPage::EmitSelection() {
    if (model_->rowCount() == 0) return;
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    emit entrySelected(model_->EntryAt(selected.first().row()));
}

bool CatalogPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
            if (!selected.isEmpty()) {
                emit entryActivated(model_->EntryAt(selected.first().row()));
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
                emit popupRequested(model_->EntryAt(selected.first().row()),
                                    mouse->globalPosition().toPoint());
            }
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
            rowSelectedAtPress_ = selected.size() == 1 ? selected.first().row() : -1;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        for (const PanelControl& control : controls_) {
            if (control.kind != ControlKind::Frame || watched != control.widget) continue;
            // A double click on the affiliations' frame checks or clears them all.
            for (const PanelControl& inside : controls_) {
                if (inside.kind == ControlKind::Affiliations && inside.frame == control.index) {
                    CheckOrClearAll(inside);
                }
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The panel's own boxes, from its table: the quick filter bar, which may stand on the page,
// is no search condition.
QList<QCheckBox*> CatalogPage::CheckBoxes() const {
    QList<QCheckBox*> boxes;
    for (const PanelControl& control : controls_) {
        if (control.kind == ControlKind::Affiliations) {
            for (QCheckBox* box : control.boxes) boxes << box;
        } else if (control.kind == ControlKind::CheckBox) {
            boxes << static_cast<QCheckBox*>(control.widget);
        }
    }
    return boxes;
}
QList<QComboBox*> CatalogPage::ComboBoxes() const {
    QList<QComboBox*> boxes;
    for (const PanelControl& control : controls_) {
        if (control.kind == ControlKind::Range || control.kind == ControlKind::Choice) {
            boxes << static_cast<QComboBox*>(control.widget);
        }
        if (control.high) boxes << control.high;
    }
    return boxes;
}

void CatalogPage::BuildPanel(std::vector<PanelControl> controls) {
    controls_ = std::move(controls);
    for (PanelControl& control : controls_) Build(control);
    LayOut(false);
    for (PanelControl& control : controls_) Connect(control);
}

void CatalogPage::Build(PanelControl& control) {
    QWidget* parent = this;
    if (control.frame >= 0) {
        for (const PanelControl& frame : controls_) {
            if (frame.kind == ControlKind::Frame && frame.index == control.frame) {
                parent = frame.widget;
            }
        }
    }
    const QString caption = QString::fromUtf8(control.caption);
    // A combo box shows only its value; a screen reader speaks its frame's caption.
    QString frameCaption;
    for (const PanelControl& frame : controls_) {
        if (frame.kind == ControlKind::Frame && frame.index == control.frame) {
            frameCaption = QString::fromUtf8(frame.caption);
        }
    }
    auto newComboBox = [&](int index) {
        auto* box = new QComboBox(parent);
        NameControl(box, control.name, index);
        box->setEditable(false);
        box->setMaxVisibleItems(16);
        SetComboBoxBackground(box, HighlightWhite());
        return box;
    };
    switch (control.kind) {
        case ControlKind::Frame:
            control.widget = new QGroupBox(caption, this);
            control.widget->installEventFilter(this);
            break;
        case ControlKind::Affiliations:
            for (int k = 1; k <= kAffiliationBoxCount; ++k) {
                const AffiliationBoxText& text = AffiliationBoxTexts()[k - 1];
                auto* box =
                    new QCheckBox(QString::fromStdU16String(std::u16string(text.caption)), parent);
                NameControl(box, control.name, k);
                SetCheckBoxBackground(box, ButtonFaceColor());
                // The box carries the Team text it stands for; its caption is only an
                // abbreviation.
                box->setProperty("compared",
                                 QString::fromStdU16String(std::u16string(text.compared)));
                box->setToolTip(QString::fromStdU16String(std::u16string(text.toolTip)));
                box->setChecked(true);
                control.boxes[k - 1] = box;
            }
            return;
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(caption, parent);
            SetCheckBoxBackground(box, ButtonFaceColor());
            box->setChecked(control.startsChecked);
            control.widget = box;
            break;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(caption, parent);
            if (control.startsChecked) option->setChecked(true);
            control.widget = option;
            break;
        }
        case ControlKind::Range:
            control.widget = newComboBox(0);
            control.widget->setAccessibleName(frameCaption + QStringLiteral(" 下限"));
            control.tilde = new QLabel(QStringLiteral("～"), parent);
            control.tilde->setAlignment(Qt::AlignCenter);
            control.high = newComboBox(1);
            control.high->setAccessibleName(frameCaption + QStringLiteral(" 上限"));
            return;
        case ControlKind::Choice:
            control.widget = newComboBox(control.index);
            // Alternatives on one list are told apart by their number, as the card panel's
            // captions do ("開発系統1").
            control.widget->setAccessibleName(
                control.index >= 0 ? frameCaption + QString::number(control.index + 1)
                                   : frameCaption);
            return;
        case ControlKind::List:
            control.widget = list_;
            break;
    }
    NameControl(control.widget, control.name, control.index);
    if (*control.toolTip) control.widget->setToolTip(QString::fromUtf8(control.toolTip));
}

void CatalogPage::Connect(PanelControl& control) {
    const size_t row = &control - controls_.data();
    auto changed = [this, row](QWidget* widget) { ConditionChanged(controls_[row], widget); };
    switch (control.kind) {
        case ControlKind::Affiliations:
            for (QCheckBox* box : control.boxes) {
                connect(box, &QCheckBox::toggled, this, [changed, box] { changed(box); });
            }
            break;
        case ControlKind::CheckBox:
            connect(static_cast<QCheckBox*>(control.widget), &QCheckBox::toggled, this,
                    [changed, box = control.widget] { changed(box); });
            break;
        case ControlKind::Option:
            // Of a group, only the option turned on reports.
            connect(static_cast<QRadioButton*>(control.widget), &QRadioButton::toggled, this,
                    [changed, option = control.widget](bool on) {
                        if (on) changed(option);
                    });
            break;
        case ControlKind::Range:
            for (QComboBox* box : {static_cast<QComboBox*>(control.widget), control.high}) {
                connect(box, &QComboBox::currentIndexChanged, this,
                        [changed, box] { changed(box); });
            }
            break;
        case ControlKind::Choice:
            connect(static_cast<QComboBox*>(control.widget), &QComboBox::currentIndexChanged, this,
                    [changed, box = control.widget] { changed(box); });
            break;
        case ControlKind::Frame:
        case ControlKind::List:
            break;
    }
}

void CatalogPage::ConditionChanged(const PanelControl& control, QWidget* changed) {
    if (highlight_.On()) {
        switch (control.kind) {
            case ControlKind::Affiliations:
            case ControlKind::CheckBox:
                HighlightCheckBox(static_cast<QCheckBox*>(changed));
                break;
            case ControlKind::Range:
                HighlightLowerCombo(static_cast<QComboBox*>(control.widget));
                HighlightUpperCombo(control.high);
                break;
            case ControlKind::Choice:
                HighlightLowerCombo(static_cast<QComboBox*>(control.widget));
                break;
            case ControlKind::Option:
            case ControlKind::Frame:
            case ControlKind::List:
                break;
        }
    }
    Refilter();
}

void CatalogPage::LayOut(bool compact) {
    compact_ = compact;
    for (PanelControl& control : controls_) Place(control, compact);
    OrderTabs();
}

namespace {

// Rectangles in reading order: rows from top to bottom, each from left to right. Two
// rectangles share a row when their tops lie closer than half the lower one's height.
template <typename T>
void SortIntoRows(std::vector<T>& items, QRect (*place)(const T&)) {
    std::stable_sort(items.begin(), items.end(),
                     [place](const T& a, const T& b) { return place(a).top() < place(b).top(); });
    size_t rowStart = 0;
    for (size_t i = 1; i <= items.size(); ++i) {
        const bool newRow =
            i == items.size() ||
            place(items[i]).top() - place(items[rowStart]).top() >
                std::min(place(items[i]).height(), place(items[rowStart]).height()) / 2;
        if (!newRow) continue;
        std::stable_sort(
            items.begin() + static_cast<std::ptrdiff_t>(rowStart),
            items.begin() + static_cast<std::ptrdiff_t>(i),
            [place](const T& a, const T& b) { return place(a).left() < place(b).left(); });
        rowStart = i;
    }
}

}  // namespace

void CatalogPage::OrderTabs() {
    // The frames (and the catalog, which stands alone) in reading order, and the controls
    // of each frame in reading order within it.
    struct Group {
        QRect place;
        std::vector<QWidget*> widgets;
    };
    std::vector<Group> groups;
    auto groupOf = [&](const PanelControl& control) -> Group& {
        for (const PanelControl& frame : controls_) {
            if (frame.kind == ControlKind::Frame && frame.index == control.frame &&
                control.frame >= 0) {
                for (Group& group : groups) {
                    if (group.place == frame.widget->geometry()) return group;
                }
                groups.push_back({frame.widget->geometry(), {}});
                return groups.back();
            }
        }
        groups.push_back({control.widget->geometry(), {}});
        return groups.back();
    };
    for (const PanelControl& control : controls_) {
        switch (control.kind) {
            case ControlKind::Affiliations: {
                Group& group = groupOf(control);
                for (QCheckBox* box : control.boxes) group.widgets.push_back(box);
                break;
            }
            case ControlKind::Range: {
                Group& group = groupOf(control);
                group.widgets.push_back(control.widget);
                group.widgets.push_back(control.high);
                break;
            }
            case ControlKind::Frame:
                break;
            default:
                groupOf(control).widgets.push_back(control.widget);
                break;
        }
    }
    SortIntoRows<Group>(groups, [](const Group& g) { return g.place; });
    QWidget* previous = nullptr;
    for (Group& group : groups) {
        SortIntoRows<QWidget*>(group.widgets, [](QWidget* const& w) { return w->geometry(); });
        for (QWidget* widget : group.widgets) {
            if (previous) QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

void CatalogPage::Place(PanelControl& control, bool compact) {
    const TwipsBox& box = compact ? control.compact : control.normal;
    switch (control.kind) {
        case ControlKind::Affiliations: {
            // Four rows of four boxes across the frame.
            int frameWidth = 0;
            for (const PanelControl& frame : controls_) {
                if (frame.kind == ControlKind::Frame && frame.index == control.frame) {
                    frameWidth = compact ? frame.compact.width : frame.normal.width;
                }
            }
            const int margin = compact ? 75 : 120;
            const int firstRow = compact ? 195 : 250;
            const int rowStep = compact ? 225 : 250;
            const int height = compact ? 225 : 240;
            const int columnWidth = (frameWidth - 2 * margin) / kAffiliationColumns;
            for (int k = 0; k < kAffiliationBoxCount; ++k) {
                const int column = k % kAffiliationColumns;
                const int row = k / kAffiliationColumns;
                PlaceTwips(control.boxes[k], margin + column * columnWidth,
                           firstRow + row * rowStep, columnWidth - 60, height);
            }
            break;
        }
        case ControlKind::Range:
            // The compact view packs the two boxes closer, under a lower caption.
            if (compact) {
                PlaceTwips(control.widget, 75, 225, 600, 300);
                PlaceTwips(control.tilde, 675, 225, 180, 300);
                PlaceTwips(control.high, 855, 225, 600, 300);
            } else {
                PlaceTwips(control.widget, 120, 300, 900, 330);
                PlaceTwips(control.tilde, 1035, 300, 300, 300);
                PlaceTwips(control.high, 1350, 300, 900, 330);
            }
            break;
        case ControlKind::List:
            // The quick filter bar, while shown, takes the bottom of the catalog's place.
            PlaceTwips(control.widget, box.left, box.top, box.width, box.height);
            if (listBottomReserve_ > 0) {
                QRect place = control.widget->geometry();
                place.setHeight(std::max(0, place.height() - listBottomReserve_));
                control.widget->setGeometry(place);
            }
            break;
        default:
            PlaceTwips(control.widget, box.left, box.top, box.width, box.height);
            break;
    }
}

void CatalogPage::ClearConditions() {
    for (PanelControl& control : controls_) {
        switch (control.kind) {
            case ControlKind::Affiliations:
                for (QCheckBox* box : control.boxes) box->setChecked(true);
                break;
            case ControlKind::CheckBox:
                static_cast<QCheckBox*>(control.widget)->setChecked(control.startsChecked);
                break;
            case ControlKind::Option:
                // Turning one option of a group on turns the others off.
                if (control.startsChecked) {
                    static_cast<QRadioButton*>(control.widget)->setChecked(true);
                }
                break;
            case ControlKind::Range:
                static_cast<QComboBox*>(control.widget)->setCurrentIndex(0);
                control.high->setCurrentIndex(control.high->count() - 1);
                break;
            case ControlKind::Choice:
                static_cast<QComboBox*>(control.widget)->setCurrentIndex(0);
                break;
            case ControlKind::Frame:
            case ControlKind::List:
                break;
        }
    }
}

void CatalogPage::ColourComboBoxesByRule() {
    for (const PanelControl& control : controls_) {
        if (control.kind == ControlKind::Range || control.kind == ControlKind::Choice) {
            HighlightLowerCombo(static_cast<QComboBox*>(control.widget));
        }
        if (control.high) HighlightUpperCombo(control.high);
    }
}

void CatalogPage::CheckOrClearAll(const PanelControl& affiliations) {
    int checked = 0;
    for (const QCheckBox* box : affiliations.boxes) {
        if (box->checkState() == Qt::Checked) ++checked;
    }
    const bool check = checked < 8;
    {
        const FilterSuspension::Scope hold(suspension_);
        for (QCheckBox* box : affiliations.boxes) box->setChecked(check);
    }
    Refilter();
}

bool CatalogPage::IsChecked(const PanelControl& control) {
    return static_cast<const QAbstractButton*>(control.widget)->isChecked();
}

RangeCondition CatalogPage::ReadRange(const PanelControl& control) {
    const auto* low = static_cast<const QComboBox*>(control.widget);
    const QComboBox* high = control.high;
    RangeCondition range;
    range.lowPosition = low->currentIndex();
    range.highPosition = high->currentIndex();
    range.highLast = high->count() - 1;
    range.lowText = low->currentText().toStdU16String();
    range.highText = high->currentText().toStdU16String();
    return range;
}

ChoiceCondition CatalogPage::ReadChoice(const PanelControl& control) {
    const auto* box = static_cast<const QComboBox*>(control.widget);
    return ChoiceCondition{box->currentIndex(), box->currentText().toStdU16String()};
}

std::array<AffiliationBox, kAffiliationBoxCount> CatalogPage::ReadAffiliations(
    const PanelControl& control) {
    std::array<AffiliationBox, kAffiliationBoxCount> teams;
    for (int k = 0; k < kAffiliationBoxCount; ++k) {
        // A greyed box imposes nothing, like a checked one.
        teams[k].checked = control.boxes[k]->checkState() != Qt::Unchecked;
        teams[k].compared = control.boxes[k]->property("compared").toString().toStdU16String();
    }
    return teams;
}

}  // namespace zemlo
