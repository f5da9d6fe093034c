#include "deck/deck_panel.h"

#include <QColor>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>

#include "deck/deck_edit.h"
#include "deck/deck_history.h"
#include "deck/deck_list_model.h"
#include "deck/deck_summary.h"
#include "deck/entry_merge.h"
#include "platform/control_name.h"
#include "platform/dialog_service.h"
#include "platform/entry_width_delegate.h"
#include "platform/twips.h"

namespace zemlo {
namespace {

// Positions inside the panel, in twips, for the normal view (2700 wide) and the compact one
// (3300 wide, shorter).
struct PanelGeometry {
    int width;
    int listTop[3];
    int listHeight[3];
    int counterTop;
    int counterStep;
    int counterHeight;
    // Counter rows. In the normal view the mission+character caption is too wide to share
    // its row with the count, so that count stands on the row below it, in line with the
    // others; the wider compact panel keeps each caption and count on one row.
    int captionRow[3];
    int countRow[3];
    // Room for the largest counts: 32,767 entries, and 32,767 missions of 99 points each.
    int countWidth;
};
constexpr PanelGeometry kNormalPanel = {2700, {0, 4800, 7500}, {4740, 2640, 1620}, 9180, 270,
                                        255,  {0, 1, 3},       {0, 2, 3},          900};
constexpr PanelGeometry kCompactPanel = {3300, {0, 3540, 5640}, {3480, 2040, 1380}, 7080, 255,
                                         240,  {0, 1, 2},       {0, 1, 2},          780};

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

// Black while the counter keeps its rule, red otherwise.
void Colour(QLabel* label, DeckRule rule, long long value) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, KeepsRule(rule, value) ? kBlack : kRed);
    label->setPalette(palette);
}

// Paints the label at once: a long change of the deck shows its counts before it returns.
// Painting only, not the event loop: no other action can start in the middle of this one.
void RepaintNow(QLabel* label) {
    if (label->isVisible()) label->repaint();
}

}  // namespace

DeckPanel::DeckPanel(DeckHistory& history, QWidget* parent)
    : QWidget(parent), history_(history), deck_(history.CurrentDeck()) {
    setObjectName("DeckPanel");
    deck_.AddObserver(this);
    QFont panelFont = font();
    panelFont.setPointSize(9);
    setFont(panelFont);

    unitList = MakeList(CardKind::Unit, "lstSelUnit");
    missionList = MakeList(CardKind::Mission, "lstSelMission");
    characterList = MakeList(CardKind::Character, "lstSelChar");
    // What a screen reader calls the deck lists and the counters.
    unitList->setAccessibleName(QStringLiteral("ﾃﾞｯｷ ﾕﾆｯﾄ"));
    missionList->setAccessibleName(QStringLiteral("ﾃﾞｯｷ ﾐｯｼｮﾝ"));
    characterList->setAccessibleName(QStringLiteral("ﾃﾞｯｷ ｷｬﾗｸﾀｰ"));

    const QString captions[3] = {QStringLiteral("ユニット数："),
                                 QStringLiteral("ミッション＋キャラクター数："),
                                 QStringLiteral("合計戦果：")};
    for (int i = 0; i < 3; ++i) {
        countCaptions[i] = new QLabel(captions[i], this);
        NameControl(countCaptions[i], "lblCntCaption", i);
        counts[i] = new QLabel(this);
        NameControl(counts[i], "lblCnt", i);
        counts[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ShowCount(i, 0);
    }
    LayOut(false);
    ShowCounts();
}

DeckPanel::~DeckPanel() {
    deck_.RemoveObserver(this);
}

void DeckPanel::LayOut(bool compact) {
    compact_ = compact;
    const PanelGeometry& g = compact ? kCompactPanel : kNormalPanel;
    for (int k = 0; k < 3; ++k) PlaceTwips(lists_[k], 0, g.listTop[k], g.width, g.listHeight[k]);
    for (int i = 0; i < 3; ++i) {
        const int captionTop = g.counterTop + g.captionRow[i] * g.counterStep;
        const int countTop = g.counterTop + g.countRow[i] * g.counterStep;
        PlaceTwips(countCaptions[i], 0, captionTop,
                   g.captionRow[i] == g.countRow[i] ? g.width - g.countWidth : g.width,
                   g.counterHeight);
        PlaceTwips(counts[i], g.width - g.countWidth, countTop, g.countWidth, g.counterHeight);
    }
    if (statusLine_ != nullptr) SetStatusLine(statusLine_);
}

void DeckPanel::SetStatusLine(QLabel* line) {
    statusLine_ = line;
    const PanelGeometry& g = compact_ ? kCompactPanel : kNormalPanel;
    // The normal view's third counter row holds the mission+character count alone; the
    // compact view's points caption is short.
    constexpr int kCompactCaptionWidth = 1200;
    const int left = compact_ ? kCompactCaptionWidth : 0;
    PlaceTwips(line, left, g.counterTop + 2 * g.counterStep, g.width - g.countWidth - left,
               g.counterHeight);
    line->setAlignment((compact_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

QListView* DeckPanel::MakeList(CardKind kind, const char* name) {
    const int k = static_cast<int>(kind);
    auto* list = new QListView(this);
    NameControl(list, name);
    models_[k] = new DeckListModel(deck_, kind, this);
    list->setModel(models_[k]);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A deck opened from a file can fill a list with tens of thousands of entries: every row
    // takes the first one's height, and the delegate keeps the widest entry in reach of the
    // horizontal scroll bar, a long mission name's points included.
    list->setUniformItemSizes(true);
    list->setToolTip(QStringLiteral("ダブルクリック、[DEL]または[BS]キーでアイテム解除"));
    delegates_[k] = new EntryWidthDelegate(list);
    list->setItemDelegate(delegates_[k]);
    lists_[k] = list;
    // A whole new list is measured; an added entry can only widen the rows, and a removed
    // one narrows them only when it was the widest.
    connect(models_[k], &QAbstractItemModel::modelReset, this,
            [this, kind] { UpdateScrollExtent(kind); });
    connect(models_[k], &QAbstractItemModel::rowsInserted, this,
            [this, k](const QModelIndex&, int first, int last) {
                const int widest = std::max(delegates_[k]->Width(), RowsWidth(k, first, last));
                if (widest != delegates_[k]->Width()) delegates_[k]->SetWidth(widest, *models_[k]);
            });
    connect(models_[k], &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this, k](const QModelIndex&, int first, int last) {
                widestRemoved_ = RowsWidth(k, first, last) >= delegates_[k]->Width();
            });
    connect(models_[k], &QAbstractItemModel::rowsRemoved, this, [this, kind] {
        if (widestRemoved_) UpdateScrollExtent(kind);
    });

    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    connect(list, &QAbstractItemView::doubleClicked, this, [this, kind] { RemoveSelected(kind); });
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, kind] {
        if (rowsChanging_) return;
        if (const std::optional<DeckEntry> entry = SelectedEntry(kind)) emit entrySelected(*entry);
    });
    // A click on the entry that is already selected changes no selection, yet shows the card
    // again, as when another list's card was shown in between.
    connect(list, &QAbstractItemView::clicked, this, [this, kind](const QModelIndex& index) {
        if (index.row() != rowSelectedAtPress_) return;
        if (const std::optional<DeckEntry> entry = SelectedEntry(kind)) emit entrySelected(*entry);
    });
    return list;
}

void DeckPanel::UpdateScrollExtent(CardKind kind) {
    // The panel's font is set before its lists exist.
    if (delegates_[static_cast<int>(kind)] == nullptr) return;
    const std::vector<DeckEntry>& entries = deck_.Entries(kind);
    const int width =
        WidestEntry(List(kind)->fontMetrics(), static_cast<int>(entries.size()),
                    [&entries](int i) { return std::u16string_view(entries[i].Text()); });
    delegates_[static_cast<int>(kind)]->SetWidth(width, *Model(kind));
}

int DeckPanel::RowsWidth(int k, int first, int last) const {
    const std::vector<DeckEntry>& entries = deck_.Entries(static_cast<CardKind>(k));
    last = std::min(last, static_cast<int>(entries.size()) - 1);
    if (first > last) return 0;
    // A deck file or deck text brings tens of thousands of rows at once: only the likely
    // widest are measured, as for a whole list.
    return WidestEntry(lists_[k]->fontMetrics(), last - first + 1, [&entries, first](int i) {
        return std::u16string_view(entries[first + i].Text());
    });
}

void DeckPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            UpdateScrollExtent(kind);
        }
    }
    QWidget::changeEvent(event);
}

int DeckPanel::KindOfWidget(const QObject* watched) const {
    for (int k = 0; k < 3; ++k) {
        if (watched == lists_[k] || watched == lists_[k]->viewport()) return k;
    }
    return -1;
}

bool DeckPanel::eventFilter(QObject* watched, QEvent* event) {
    const int k = KindOfWidget(watched);
    if (k < 0) return QWidget::eventFilter(watched, event);
    const auto kind = static_cast<CardKind>(k);
    QListView* list = lists_[k];

    if (watched == list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            RemoveSelected(kind);
            return true;
        }
        // Enter removes nothing and adds nothing in a deck list.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        // "+" and "-" add or take away one copy of the selected card.
        if (key == Qt::Key_Plus) {
            AddCopyOfSelected(kind);
            return true;
        }
        if (key == Qt::Key_Minus) {
            RemoveCopyOfSelected(kind);
            return true;
        }
    }
    if (watched == list->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            // The right button never moves the selection; it opens the card menu for the
            // one selected entry.
            const QModelIndexList selected = list->selectionModel()->selectedRows();
            if (selected.size() == 1) {
                emit popupRequested(models_[k]->EntryAt(selected.front().row()),
                                    mouse->globalPosition().toPoint());
            }
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            const QModelIndexList selected = list->selectionModel()->selectedRows();
            rowSelectedAtPress_ = selected.size() == 1 ? selected.front().row() : -1;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<DeckEntry> DeckPanel::SelectedEntry(CardKind kind) const {
    const QModelIndexList selected = List(kind)->selectionModel()->selectedRows();
    if (selected.isEmpty()) return std::nullopt;
    return Model(kind)->EntryAt(selected.front().row());
}

void DeckPanel::DeckRowsAboutToChange(const DeckRows& rows) {
    rowsChanging_ = true;
    if (rows.inserted) return;
    const QModelIndexList selected = List(rows.kind)->selectionModel()->selectedRows();
    if (selected.size() == 1) {
        const auto row = static_cast<std::size_t>(selected.front().row());
        if (row >= rows.first && row < rows.first + rows.count) {
            selectionRemoved_ = static_cast<int>(rows.kind);
        }
    }
}

void DeckPanel::DeckRowsChanged(const DeckRows& rows) {
    // The view moves the selection of a removed entry to a neighbour; the list is left with
    // no selection instead, and the card shown stays as it was.
    if (selectionRemoved_ >= 0) lists_[selectionRemoved_]->clearSelection();
    selectionRemoved_ = -1;
    rowsChanging_ = false;
}

void DeckPanel::DeckChanged() {
    ShowCounts();
    CheckDeckCount();
    ShowTotalPoint();
}

void DeckPanel::ShowCount(int counter, qint64 value) {
    const QString text = QString::number(value);
    counts[counter]->setText(text);
    // A label is heard by its name alone: the caption (without "：") and the count, told
    // to the reader again whenever the count changes.
    counts[counter]->setAccessibleName(countCaptions[counter]->text().chopped(1) + u' ' + text);
}

void DeckPanel::ShowCounts() {
    const DeckCounters counters = CountDeck(deck_);
    ShowCount(0, counters.units);
    ShowCount(1, counters.MissionsAndCharacters());
}

void DeckPanel::AddCard(const DeckEntry& entry) {
    const CardKind kind = entry.Kind();
    if (deck_.Full(kind)) {
        LeftOutCounts leftOut{};
        leftOut[static_cast<std::size_t>(kind)] = 1;
        Dialogs().Message(this, QMessageBox::Information, ApplicationTitle(),
                          QString::fromStdU16String(LeftOutText(leftOut)), QMessageBox::Ok);
        return;
    }
    history_.ApplyDeckEdit(AddEntryEdit(deck_, entry), [&] { emit cardAdded(entry); });
}

void DeckPanel::RemoveSelected(CardKind kind) {
    const QModelIndexList selected = List(kind)->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    history_.ApplyDeckEdit(
        RemoveEntryEdit(deck_, kind, static_cast<std::size_t>(selected.front().row())));
}

void DeckPanel::AddCopyOfSelected(CardKind kind) {
    // The view keeps the selection on its entry while the copy goes in beside it.
    if (const std::optional<DeckEntry> entry = SelectedEntry(kind)) AddCard(*entry);
}

void DeckPanel::RemoveCopyOfSelected(CardKind kind) {
    QListView* list = List(kind);
    const std::optional<DeckEntry> entry = SelectedEntry(kind);
    if (!entry) return;
    const int row = list->selectionModel()->selectedRows().front().row();
    RemoveSelected(kind);
    // Copies stand next to each other: the selection goes on to the one left, if any.
    const DeckListModel* model = models_[static_cast<int>(kind)];
    for (int near : {row, row - 1}) {
        if (near >= 0 && near < model->rowCount() && model->EntryAt(near) == *entry) {
            list->setCurrentIndex(model->index(near, 0));
            return;
        }
    }
}

void DeckPanel::ClearList(CardKind kind) {
    history_.ApplyDeckEdit(ClearListEdit(deck_, kind));
}

void DeckPanel::ClearAllLists() {
    history_.ApplyDeckEdit(ClearDeckEdit(deck_));
}

void DeckPanel::AddClearListsMenu(QMenu* menu) {
    QMenu* clearMenu = menu->addMenu(QStringLiteral("選択ﾃﾞｰﾀのｸﾘｱ"));
    clearMenu->setObjectName("mnuClaer");
    clearMenu->menuAction()->setObjectName("mnuClaer");
    const struct {
        const char* name;
        const char* caption;
        CardKind kind;
    } kLists[] = {{"mnuClaerU", "選択ﾕﾆｯﾄのｸﾘｱ", CardKind::Unit},
                  {"mnuClearM", "選択ﾐｯｼｮﾝのｸﾘｱ", CardKind::Mission},
                  {"mnuClearC", "選択ｷｬﾗｸﾀｰのｸﾘｱ", CardKind::Character}};
    for (const auto& list : kLists) {
        QAction* item = clearMenu->addAction(QString::fromUtf8(list.caption));
        item->setObjectName(list.name);
        connect(item, &QAction::triggered, this, [this, kind = list.kind] { ClearList(kind); });
    }
    clearMenu->addSeparator();
    QAction* all = clearMenu->addAction(QStringLiteral("選択したﾃﾞｰﾀの全ｸﾘｱ"));
    all->setObjectName("mnuClearA");
    connect(all, &QAction::triggered, this, [this] {
        ClearAllLists();
        emit allListsCleared();
    });
}

void DeckPanel::CheckDeckCount() {
    const DeckCounters counters = CountDeck(deck_);
    Colour(counts[0], DeckRule::Units, counters.units);
    Colour(counts[1], DeckRule::MissionsAndCharacters, counters.MissionsAndCharacters());
    RepaintNow(counts[0]);
    RepaintNow(counts[1]);
}

void DeckPanel::ShowTotalPoint() {
    const long long points = CountDeck(deck_).points;
    ShowCount(2, points);
    Colour(counts[2], DeckRule::Points, points);
    RepaintNow(counts[2]);
}

}  // namespace zemlo
