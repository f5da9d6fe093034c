#include "tools/frm_compare.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "deck/deck_counters.h"
#include "platform/control_name.h"
#include "tools/deck_difference.h"

namespace zemlo {
namespace {

const QColor kRed(255, 0, 0);

QString Coloured(int value, CounterColour colour) {
    const QString number = QString::number(value);
    return colour == CounterColour::Red ? QStringLiteral("<span style=\"color:#ff0000\">") +
                                              number + QStringLiteral("</span>")
                                        : number;
}

// "ユニット数：20 → 19", each count in its rule's colour. Only numbers and fixed captions go
// into the markup.
QString CounterPair(const QString& caption, int first, int second, CounterColour (*colour)(int)) {
    return caption + Coloured(first, colour(first)) + QStringLiteral(" → ") +
           Coloured(second, colour(second));
}

QStandardItem* Cell(const QString& text, Qt::Alignment align) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

}  // namespace

FrmCompare::FrmCompare(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmCompare");
    setWindowTitle(QStringLiteral("ﾃﾞｯｷ比較"));
    auto* layout = new QVBoxLayout(this);

    lblFirst = new QLabel(this);
    NameControl(lblFirst, "lblFirst");
    lblFirst->setTextFormat(Qt::PlainText);
    lblSecond = new QLabel(this);
    NameControl(lblSecond, "lblSecond");
    lblSecond->setTextFormat(Qt::PlainText);
    layout->addWidget(lblFirst);
    layout->addWidget(lblSecond);
    chkEqual = new QCheckBox(QStringLiteral("同じ枚数のｶｰﾄﾞも表示"), this);
    NameControl(chkEqual, "chkEqual");
    layout->addWidget(chkEqual);

    const char* const kHeadings[3] = {"ユニット", "ミッション", "キャラクター"};
    for (int k = 0; k < 3; ++k) {
        auto* group = new QGroupBox(QString::fromUtf8(kHeadings[k]), this);
        auto* groupLayout = new QVBoxLayout(group);
        lblCounters[k] = new QLabel(group);
        NameControl(lblCounters[k], "lblCounters", k);
        lblCounters[k]->setTextFormat(Qt::RichText);
        groupLayout->addWidget(lblCounters[k]);
        models_[k] = new QStandardItemModel(0, 5, this);
        models_[k]->setHorizontalHeaderLabels({QStringLiteral("No"), QStringLiteral("名称"),
                                               QStringLiteral("ﾃﾞｯｷ1"), QStringLiteral("ﾃﾞｯｷ2"),
                                               QStringLiteral("差")});
        grdDifference[k] = new QTableView(group);
        NameControl(grdDifference[k], "grdDifference", k);
        grdDifference[k]->setAccessibleName(QString::fromUtf8(kHeadings[k]) +
                                            QStringLiteral("の違い"));
        grdDifference[k]->setModel(models_[k]);
        grdDifference[k]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grdDifference[k]->setSelectionBehavior(QAbstractItemView::SelectRows);
        grdDifference[k]->setWordWrap(false);
        grdDifference[k]->verticalHeader()->hide();
        grdDifference[k]->verticalHeader()->setDefaultSectionSize(
            grdDifference[k]->fontMetrics().height() + 6);
        grdDifference[k]->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        groupLayout->addWidget(grdDifference[k]);
        layout->addWidget(group, 1);
    }

    auto* buttons = new QHBoxLayout;
    cmdCopy = new QPushButton(QStringLiteral("差分をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), this);
    NameControl(cmdCopy, "cmdCopy");
    cmdClose = new QPushButton(QStringLiteral("閉じる"), this);
    NameControl(cmdClose, "cmdClose");
    buttons->addStretch(1);
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(chkEqual, &QCheckBox::toggled, this, &FrmCompare::chkEqual_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &FrmCompare::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    resize(720, 640);
}

void FrmCompare::Compare(ComparedDeck first, ComparedDeck second) {
    first_ = std::move(first);
    second_ = std::move(second);
    lblFirst->setText(QStringLiteral("1: ") + first_.name);
    lblSecond->setText(QStringLiteral("2: ") + second_.name);
    ShowCounters();
    Refill();
    show();
    raise();
    activateWindow();
}

void FrmCompare::ShowCounters() {
    const DeckCounts a = CountDeck(first_.lists);
    const DeckCounts b = CountDeck(second_.lists);
    const QString units =
        CounterPair(QStringLiteral("ユニット数："), a.units, b.units, &UnitCountColour);
    const QString missionChar =
        CounterPair(QStringLiteral("ミッション＋キャラクター数："), a.missionsAndCharacters,
                    b.missionsAndCharacters, &MissionCharCountColour);
    const QString points =
        CounterPair(QStringLiteral("合計戦果："), a.points, b.points, &TotalPointsColour);
    lblCounters[0]->setText(units);
    lblCounters[1]->setText(missionChar + QStringLiteral("　　") + points);
    lblCounters[2]->setText(missionChar);
}

void FrmCompare::Refill() {
    for (QStandardItemModel* model : models_) model->removeRows(0, model->rowCount());
    for (const CardDifference& card :
         CompareDecks(first_.lists, second_.lists, chkEqual->isChecked())) {
        const int change = card.Change();
        QStandardItem* changeCell =
            Cell(QString::fromStdU16String(ChangeText(change)), Qt::AlignRight);
        if (change < 0) changeCell->setForeground(kRed);
        models_[static_cast<int>(card.kind)]->appendRow(
            {Cell(QString::fromStdU16String(card.cardNo), Qt::AlignLeft),
             Cell(QString::fromStdU16String(card.name), Qt::AlignLeft),
             Cell(QString::number(card.first), Qt::AlignRight),
             Cell(QString::number(card.second), Qt::AlignRight), changeCell});
    }
    for (QTableView* table : grdDifference) {
        for (int column : {0, 2, 3, 4}) table->resizeColumnToContents(column);
    }
}

void FrmCompare::chkEqual_Click() {
    Refill();
}

void FrmCompare::cmdCopy_Click() {
    const std::u16string text = DifferenceText(CompareDecks(first_.lists, second_.lists, false));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdU16String(text));
}

}  // namespace zemlo
