#include "tools/deck_comparison_window.h"

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

#include "platform/control_name.h"
#include "platform/path_text.h"
#include "platform/plain_text.h"
#include "platform/qt_paths.h"
#include "tools/deck_difference.h"

namespace zemlo {
namespace {

const QColor kFewerRed(255, 0, 0);

QString Coloured(DeckRule rule, long long value) {
    const QString number = QString::number(value);
    return KeepsRule(rule, value) ? number
                                  : QStringLiteral("<span style=\"color:#ff0000\">") + number +
                                        QStringLiteral("</span>");
}

// "ユニット数：20 → 19", each count in its rule's colour. Only numbers and fixed captions go
// into the markup.
QString CounterPair(const QString& caption, DeckRule rule, const DeckCounters& first,
                    const DeckCounters& second) {
    return caption + Coloured(rule, first.Of(rule)) + QStringLiteral(" → ") +
           Coloured(rule, second.Of(rule));
}

QStandardItem* Cell(const QString& text, Qt::Alignment align) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

}  // namespace

DeckComparisonWindow::DeckComparisonWindow(std::function<void(const QString&)> openDeck,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window), openDeck_(std::move(openDeck)) {
    setObjectName("frmCompare");
    setWindowTitle(QStringLiteral("ﾃﾞｯｷ比較"));
    auto* layout = new QVBoxLayout(this);

    auto deckRow = [&](const char* labelName, const char* buttonName, const QString& caption,
                       QLabel*& label, QPushButton*& button) {
        auto* row = new QHBoxLayout;
        label = new QLabel(this);
        NameControl(label, labelName);
        label->setTextFormat(Qt::PlainText);
        // A long folder must not widen the window; the tool tip holds it whole.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        button = new QPushButton(caption, this);
        NameControl(button, buttonName);
        button->setAutoDefault(false);
        row->addWidget(label, 1);
        row->addWidget(button);
        layout->addLayout(row);
    };
    deckRow("lblFirst", "cmdOpenFirst", QStringLiteral("ﾃﾞｯｷ1を開く"), firstDeckLabel,
            openFirstButton);
    deckRow("lblSecond", "cmdOpenSecond", QStringLiteral("ﾃﾞｯｷ2を開く"), secondDeckLabel,
            openSecondButton);
    showEqualBox = new QCheckBox(QStringLiteral("同じ枚数のｶｰﾄﾞも表示"), this);
    NameControl(showEqualBox, "chkEqual");
    layout->addWidget(showEqualBox);

    const char* const kHeadings[3] = {"ユニット", "ミッション", "キャラクター"};
    for (int k = 0; k < 3; ++k) {
        auto* group = new QGroupBox(QString::fromUtf8(kHeadings[k]), this);
        auto* groupLayout = new QVBoxLayout(group);
        counterLabels[k] = new QLabel(group);
        NameControl(counterLabels[k], "lblCounters", k);
        counterLabels[k]->setTextFormat(Qt::RichText);
        groupLayout->addWidget(counterLabels[k]);
        models_[k] = new QStandardItemModel(0, 5, this);
        models_[k]->setHorizontalHeaderLabels({QStringLiteral("No"), QStringLiteral("名称"),
                                               QStringLiteral("ﾃﾞｯｷ1"), QStringLiteral("ﾃﾞｯｷ2"),
                                               QStringLiteral("差")});
        differenceTables[k] = new QTableView(group);
        NameControl(differenceTables[k], "grdDifference", k);
        differenceTables[k]->setAccessibleName(QString::fromUtf8(kHeadings[k]) +
                                               QStringLiteral("の違い"));
        differenceTables[k]->setModel(models_[k]);
        differenceTables[k]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        differenceTables[k]->setSelectionBehavior(QAbstractItemView::SelectRows);
        differenceTables[k]->setWordWrap(false);
        differenceTables[k]->verticalHeader()->hide();
        differenceTables[k]->verticalHeader()->setDefaultSectionSize(
            differenceTables[k]->fontMetrics().height() + 6);
        differenceTables[k]->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        groupLayout->addWidget(differenceTables[k]);
        layout->addWidget(group, 1);
    }

    auto* buttons = new QHBoxLayout;
    copyButton = new QPushButton(QStringLiteral("差分をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), this);
    NameControl(copyButton, "cmdCopy");
    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    NameControl(closeButton, "cmdClose");
    buttons->addStretch(1);
    buttons->addWidget(copyButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(openFirstButton, &QPushButton::clicked, this, [this] {
        if (openDeck_) openDeck_(first_.path);
    });
    connect(openSecondButton, &QPushButton::clicked, this, [this] {
        if (openDeck_) openDeck_(second_.path);
    });
    connect(showEqualBox, &QCheckBox::toggled, this, &DeckComparisonWindow::ShowEqualToggled);
    connect(copyButton, &QPushButton::clicked, this, &DeckComparisonWindow::CopyDifference);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    resize(720, 640);
}

void DeckComparisonWindow::Compare(ComparedDeck first, ComparedDeck second) {
    first_ = std::move(first);
    second_ = std::move(second);
    Name(firstDeckLabel, openFirstButton, QStringLiteral("1"), first_);
    Name(secondDeckLabel, openSecondButton, QStringLiteral("2"), second_);
    ShowCounters();
    Refill();
    show();
    raise();
    activateWindow();
}

void DeckComparisonWindow::Name(QLabel* label, QPushButton* open, const QString& number,
                                const ComparedDeck& deck) {
    QString text = number + QStringLiteral(": ") + deck.name;
    if (!deck.path.isEmpty()) {
        const QString folder = ShownPathText(AbsolutePath(PathOf(deck.path)).parent_path());
        text += QStringLiteral("（") + folder + QStringLiteral("）");
    }
    label->setText(text);
    label->setToolTip(PlainToolTip(text));
    open->setEnabled(!deck.path.isEmpty() && static_cast<bool>(openDeck_));
}

void DeckComparisonWindow::ShowCounters() {
    const DeckCounters& a = first_.summary.counters;
    const DeckCounters& b = second_.summary.counters;
    const QString units = CounterPair(QStringLiteral("ユニット数："), DeckRule::Units, a, b);
    const QString missionChar = CounterPair(QStringLiteral("ミッション＋キャラクター数："),
                                            DeckRule::MissionsAndCharacters, a, b);
    const QString points = CounterPair(QStringLiteral("合計戦果："), DeckRule::Points, a, b);
    counterLabels[0]->setText(units);
    counterLabels[1]->setText(missionChar + QStringLiteral("　　") + points);
    counterLabels[2]->setText(missionChar);
}

void DeckComparisonWindow::Refill() {
    for (QStandardItemModel* model : models_) model->removeRows(0, model->rowCount());
    const bool equalToo = showEqualBox->isChecked();
    for (const CardDifference& card : CompareDecks(first_.summary, second_.summary, equalToo)) {
        const int change = card.Change();
        QStandardItem* changeCell =
            Cell(QString::fromStdU16String(ChangeText(change)), Qt::AlignRight);
        if (change < 0) changeCell->setForeground(kFewerRed);
        models_[static_cast<int>(card.kind)]->appendRow(
            {Cell(QString::fromStdU16String(card.cardNo), Qt::AlignLeft),
             Cell(QString::fromStdU16String(card.name), Qt::AlignLeft),
             Cell(QString::number(card.first), Qt::AlignRight),
             Cell(QString::number(card.second), Qt::AlignRight), changeCell});
    }
    for (QTableView* table : differenceTables) {
        for (int column : {0, 2, 3, 4}) table->resizeColumnToContents(column);
    }
}

void DeckComparisonWindow::ShowEqualToggled() {
    Refill();
}

void DeckComparisonWindow::CopyDifference() {
    const std::u16string text =
        DifferenceText(CompareDecks(first_.summary, second_.summary, false));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdU16String(text));
}

}  // namespace zemlo
