#include "tools/draw_test_dialog.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringListModel>

#include "catalog/catalog_entry.h"
#include "platform/busy_cursor.h"
#include "platform/control_name.h"
#include "platform/twips.h"
#include "platform/window_frame.h"

namespace zemlo {
namespace {

// Design sizes in twips; the mission+character side repeats the unit side kSideOffset
// further right.
constexpr int kDrawTestFormWidth = 9300;
constexpr int kDrawTestFormHeight = 6060;
constexpr int kSideOffset = 4620;
constexpr int kListLeft = 120;
constexpr int kListTop = 540;
constexpr int kListWidth = 4440;
constexpr int kListHeight = 4860;
constexpr int kButtonTop = 60;
constexpr int kDrawTestButtonHeight = 375;

struct ButtonDesign {
    int index;
    const char* caption;
    const char* tip;
    int left;
    int width;
};
constexpr ButtonDesign kButtons[] = {
    {0, "1Draw", "ﾕﾆｯﾄｶｰﾄﾞを1枚ﾄﾞﾛｰ", 1320, 855},
    {1, "3Draw", "ﾕﾆｯﾄｶｰﾄﾞを3枚ﾄﾞﾛｰ", 2235, 855},
    {2, "ｼｬｯﾌﾙ/ｸﾘｱ", "ﾕﾆｯﾄﾃﾞｯｷをｼｬｯﾌﾙ", 3150, 1410},
    {4, "1Draw", "ﾐｯｼｮﾝ/ｷｬﾗｸﾀｰｶｰﾄﾞを1枚ﾄﾞﾛｰ", 1320 + kSideOffset, 855},
    {5, "3Draw", "ﾐｯｼｮﾝ/ｷｬﾗｸﾀｰｶｰﾄﾞを3枚ﾄﾞﾛｰ", 2235 + kSideOffset, 855},
    {6, "ｼｬｯﾌﾙ/ｸﾘｱ", "ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰﾃﾞｯｷをｼｬｯﾌﾙ", 3150 + kSideOffset, 1410},
};

// The first of a pile's three buttons.
int FirstButton(int which) {
    return which == 0 ? 0 : 4;
}

// A drawn mission or character entry tells its kind by its card number.
CardKind KindOfDrawnEntry(int which, const QString& entry) {
    if (which == 0) return CardKind::Unit;
    return entry.startsWith(QStringLiteral("MI")) ? CardKind::Mission : CardKind::Character;
}

QString SelectedEntry(const QListView* list) {
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    if (selected.size() != 1) return QString();
    return selected.front().data().toString();
}

}  // namespace

DrawTestDialog::DrawTestDialog(const Deck& deck, ShowCard showCard, CardPopup cardPopup,
                               QWidget* parent, UniformSource random)
    : QDialog(parent),
      deck_(deck),
      showCard_(std::move(showCard)),
      cardPopup_(std::move(cardPopup)),
      random_(std::move(random)) {
    setObjectName("frmDraw");
    setWindowTitle(QStringLiteral("ﾄﾞﾛｰﾃｽﾄ"));
    UseDialogFrame(this);
    QFont formFont = font();
    formFont.setPointSize(9);
    setFont(formFont);
    setFixedSize(TwipsToPixels(kDrawTestFormWidth), TwipsToPixels(kDrawTestFormHeight));

    for (const ButtonDesign& design : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(design.caption), this);
        NameControl(button, "cmdExec", design.index);
        button->setToolTip(QString::fromUtf8(design.tip));
        // Both piles have the same three captions: a reader hears which pile each serves.
        button->setAccessibleName(
            QString::fromUtf8(design.caption) +
            (design.index < 4 ? QStringLiteral(" ﾕﾆｯﾄ") : QStringLiteral(" ﾐｯｼｮﾝ/ｷｬﾗｸﾀｰ")));
        button->setAutoDefault(false);
        PlaceTwips(button, design.left, kButtonTop, design.width, kDrawTestButtonHeight);
        buttons[design.index] = button;
    }
    buttons[8] = new QPushButton(QStringLiteral("閉じる"), this);
    NameControl(buttons[8], "cmdExec", 8);
    buttons[8]->setAutoDefault(false);
    PlaceTwips(buttons[8], kDrawTestFormWidth - 1215, kDrawTestFormHeight - 495, 1095,
               kDrawTestButtonHeight);
    for (int index = 0; index < 9; ++index) {
        if (buttons[index] == nullptr) continue;
        connect(buttons[index], &QPushButton::clicked, this,
                [this, index] { ButtonClicked(index); });
    }

    QFont fixedFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixedFont.setPointSize(9);
    const char* const listNames[2] = {"lstDU", "lstDMC"};
    for (int which = 0; which < 2; ++which) {
        pileCounts[which] = new QLabel(this);
        NameControl(pileCounts[which], "lblCnt", which);
        PlaceTwips(pileCounts[which], kListLeft + which * kSideOffset, kButtonTop + 60, 1140, 255);

        drawn_[which] = new QStringListModel(this);
        auto* list = new QListView(this);
        NameControl(list, listNames[which]);
        list->setAccessibleName(which == 0 ? QStringLiteral("引いたﾕﾆｯﾄ")
                                           : QStringLiteral("引いたﾐｯｼｮﾝとｷｬﾗｸﾀｰ"));
        list->setModel(drawn_[which]);
        list->setFont(fixedFont);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setUniformItemSizes(true);
        PlaceTwips(list, kListLeft + which * kSideOffset, kListTop, kListWidth, kListHeight);
        list->viewport()->installEventFilter(this);
        // Every change of selection shows the card, by mouse or by the arrow keys; a click on
        // the entry already selected shows it again, as when another card was shown between.
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, which] { ShowSelectedCard(which); });
        connect(list, &QAbstractItemView::clicked, this, [this, which](const QModelIndex& index) {
            if (index.isValid() && index.row() == rowSelectedAtPress_[which]) {
                ShowSelectedCard(which);
            }
        });
        lists_[which] = list;
    }
    unitDrawnList = lists_[0];
    missionCharDrawnList = lists_[1];

    // Form_Load
    for (int which = 0; which < 2; ++which) {
        ShufflePile(which);
        ShowPileState(which);
    }
}

std::vector<std::u16string> DrawTestDialog::PileEntries(int which) const {
    if (which == 0) return deck_.Entries(CardKind::Unit);
    std::vector<std::u16string> entries = deck_.Entries(CardKind::Mission);
    const auto& characters = deck_.Entries(CardKind::Character);
    entries.insert(entries.end(), characters.begin(), characters.end());
    return entries;
}

void DrawTestDialog::ShufflePile(int which) {
    piles_[which].ShufflePile(PileEntries(which), random_);
    drawn_[which]->setStringList({});
}

void DrawTestDialog::DrawCard(int which) {
    if (const std::optional<std::u16string> text = piles_[which].Draw()) {
        drawn_[which]->insertRows(0, 1);
        drawn_[which]->setData(drawn_[which]->index(0), QString::fromStdU16String(*text));
    }
    ShowPileState(which);
}

void DrawTestDialog::ShowPileState(int which) {
    const DrawPile& pile = piles_[which];
    pileCounts[which]->setText(
        QStringLiteral("%1/%2").arg(drawn_[which]->rowCount()).arg(pile.Size()));
    const int first = FirstButton(which);
    buttons[first]->setEnabled(!pile.Exhausted());
    buttons[first + 1]->setEnabled(!pile.Exhausted());
}

void DrawTestDialog::ButtonClicked(int index) {
    if (index == 8) {
        accept();
        return;
    }
    if (index < 0 || index > 6 || index == 3) return;
    BusyCursor busy;
    const int which = index < 3 ? 0 : 1;
    switch (index - FirstButton(which)) {
        case 0:
            DrawCard(which);
            break;
        case 1:
            for (int i = 0; i < 3; ++i) DrawCard(which);
            break;
        default:
            ShufflePile(which);
            ShowPileState(which);
            break;
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void DrawTestDialog::UnitDrawnClicked() {
    ShowSelectedCard(0);
}

void DrawTestDialog::MissionCharDrawnClicked() {
    ShowSelectedCard(1);
}

void DrawTestDialog::ShowSelectedCard(int which) {
    if (drawn_[which]->rowCount() == 0 || !showCard_) return;
    const QString entry = SelectedEntry(lists_[which]);
    if (entry.isEmpty()) return;
    showCard_(KindOfDrawnEntry(which, entry),
              QString::fromStdU16String(EntryCardNo(entry.toStdU16String())));
}

QStringList DrawTestDialog::DrawnEntries(int which) const {
    return drawn_[which]->stringList();
}

bool DrawTestDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int which = 0; which < 2; ++which) {
            if (watched != lists_[which]->viewport()) continue;
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::RightButton) {
                const QModelIndexList selected = lists_[which]->selectionModel()->selectedRows();
                rowSelectedAtPress_[which] = selected.size() == 1 ? selected.front().row() : -1;
                break;
            }
            // The right button opens the card menu for the entry already selected; it does
            // not move the selection.
            const QString entry = SelectedEntry(lists_[which]);
            if (!entry.isEmpty() && cardPopup_) {
                cardPopup_(KindOfDrawnEntry(which, entry), entry,
                           mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zemlo
