#include "tools/draw_odds_dialog.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include "carddb/leading_number.h"
#include "platform/control_name.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "settings/draw_odds_settings.h"
#include "tools/draw_odds.h"
#include "tools/draw_odds_model.h"

namespace zemlo {
namespace {

// Design sizes in twips.
constexpr int kOddsFormWidth = 8400;
constexpr int kOddsFormHeight = 6600;
constexpr int kDefaultDrawn = 3;

}  // namespace

DrawOddsDialog::DrawOddsDialog(const Deck& deck, SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("frmDrawOdds");
    setWindowTitle(QStringLiteral("ﾄﾞﾛｰ確率"));
    UseDialogFrame(this);
    QFont formFont = font();
    formFont.setPointSize(9);
    setFont(formFont);
    setFixedSize(TwipsToPixels(kOddsFormWidth), TwipsToPixels(kOddsFormHeight));

    pileTabs = new QTabWidget(this);
    NameControl(pileTabs, "tabPile");
    pileTabs->setAccessibleName(QStringLiteral("山札"));
    PlaceTwips(pileTabs, 120, 120, kOddsFormWidth - 240, 5820);

    // The piles as the draw test forms them: the units; the missions, then the characters.
    const DeckSummary summary = SummarizeDeck(deck);
    std::vector<CardCopies> missionChar = summary.Cards(CardKind::Mission);
    const auto& characters = summary.Cards(CardKind::Character);
    missionChar.insert(missionChar.end(), characters.begin(), characters.end());
    BuildPage(0, summary.Cards(CardKind::Unit), summary.counters.units);
    BuildPage(1, missionChar, summary.counters.MissionsAndCharacters());

    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    NameControl(closeButton, "cmdExec");
    closeButton->setAutoDefault(false);
    PlaceTwips(closeButton, kOddsFormWidth - 1215, 6060, 1095, 375);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void DrawOddsDialog::BuildPage(int which, const std::vector<CardCopies>& pile,
                               long long pileCount) {
    auto* page = new QWidget;
    pileTabs->addTab(
        page, which == 0 ? QStringLiteral("ユニット") : QStringLiteral("ミッション＋キャラクター"));
    auto* caption = new QLabel(QStringLiteral("ﾄﾞﾛｰ枚数"), page);
    const QString pileName =
        which == 0 ? QStringLiteral("ユニット") : QStringLiteral("ミッション＋キャラクター");
    PlaceTwips(caption, 120, 180, 1200, 255);

    const int pileSize = static_cast<int>(pileCount);
    models_[which] = new DrawOddsModel(this);
    models_[which]->SetPile(PileOddsRows(pile), pileSize);

    QSpinBox* spin = new QSpinBox(page);
    NameControl(spin, "spnDraw", which);
    spin->setAccessibleName(pileName + QStringLiteral(" ﾄﾞﾛｰ枚数"));
    PlaceTwips(spin, 1380, 120, 1035, 330);
    const int stored = LoadDrawnCount(settings_, static_cast<DrawOddsPile>(which));
    spin->setRange(1, std::max(pileSize, 1));
    spin->setValue(stored >= 1 ? stored : kDefaultDrawn);
    spin->setEnabled(pileSize > 0);
    drawCountBoxes[which] = spin;
    models_[which]->SetDrawn(pileSize > 0 ? spin->value() : 0);

    QTableView* table = new QTableView(page);
    NameControl(table, "grdOdds", which);
    table->setAccessibleName(pileName + QStringLiteral(" 確率"));
    table->setModel(models_[which]);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(TwipsToPixels(285));
    table->horizontalHeader()->setSectionResizeMode(DrawOddsModel::Name, QHeaderView::Stretch);
    table->horizontalHeader()->resizeSection(DrawOddsModel::CardNo, TwipsToPixels(1080));
    for (int column = DrawOddsModel::Copies; column < DrawOddsModel::ColumnCount; ++column) {
        table->horizontalHeader()->resizeSection(column, TwipsToPixels(1080));
    }
    PlaceTwips(table, 120, 570, kOddsFormWidth - 600, 4350);
    oddsTables[which] = table;

    chanceLabels[which] = new QLabel(page);
    NameControl(chanceLabels[which], "lblChance", which);
    PlaceTwips(chanceLabels[which], 120, 5010, kOddsFormWidth - 600, 255);

    connect(spin, &QSpinBox::valueChanged, this, [this, which](int drawn) {
        changed_[which] = true;
        models_[which]->SetDrawn(drawn);
        ShowChanceOfSelected(which);
    });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, which] { ShowChanceOfSelected(which); });
    ShowChanceOfSelected(which);
}

void DrawOddsDialog::ShowChanceOfSelected(int which) {
    const DrawOddsModel* model = models_[which];
    if (model->PileSize() == 0) {
        chanceLabels[which]->setText(QStringLiteral("ﾃﾞｯｷにｶｰﾄﾞがないため、ﾄﾞﾛｰできません。"));
        return;
    }
    std::vector<int> rows;
    for (const QModelIndex& index : oddsTables[which]->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    if (rows.empty()) {
        chanceLabels[which]->setText(
            QStringLiteral("行を選ぶと、選んだｶｰﾄﾞのどれかを引く確率を表示します。"));
        return;
    }
    chanceLabels[which]->setText(
        QStringLiteral("選んだｶｰﾄﾞのどれかを%1枚以内に引く確率：%2")
            .arg(model->Drawn())
            .arg(QString::fromStdU16String(PercentText(model->ChanceOfAnyOf(rows)))));
}

void DrawOddsDialog::done(int result) {
    for (int which = 0; which < 2; ++which) {
        if (!changed_[which]) continue;
        // A failure is told by the store; the window closes as asked.
        static_cast<void>(SaveDrawnCount(settings_, static_cast<DrawOddsPile>(which),
                                         drawCountBoxes[which]->value()));
    }
    QDialog::done(result);
}

}  // namespace zemlo
