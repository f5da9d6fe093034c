#include "tools/graph_dialog.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/busy_cursor.h"
#include "platform/control_name.h"
#include "platform/plain_text.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "tools/graph_texts.h"

namespace zemlo {
namespace {

// Design sizes in twips.
constexpr int kGraphFormWidth = 8115;
constexpr int kRowPitch = 360;
constexpr int kBarTop = 120;
constexpr int kTextTop = 180;
constexpr int kBarLeft = 840;
constexpr int kUnitWidth = 200;  // bar width per card
constexpr int kCountOffset = 900;
constexpr int kBarHeight = 300;
constexpr int kTextHeight = 255;
constexpr int kCaptionWidth = 780;
constexpr int kCountWidth = 1200;
constexpr int kMarkerWidth = 120;
constexpr int kMarkerHeight = 210;
constexpr int kFrameWidth = 6720;
constexpr int kFrameHeight = 615;
constexpr int kButtonLeft = 6900;
constexpr int kButtonWidth = 1095;
constexpr int kGraphButtonHeight = 375;

struct OptionDesign {
    const char* caption;
    int left;
    int width;
};
constexpr OptionDesign kOptions[6] = {{"ﾛｰﾙｱｳﾄ", 120, 1020},    {"ＨＰ", 1170, 780},
                                      {"近距離", 1980, 1020},   {"遠距離", 3030, 1020},
                                      {"ﾕﾆｯﾄ地形", 4080, 1200}, {"ﾐｯｼｮﾝ地形", 5310, 1320}};

QLabel* NewLabel(QWidget* parent, const char* name, int index) {
    auto* label = new QLabel(parent);
    NameControl(label, name, index);
    return label;
}

void Paint(QLabel* label, const QColor& colour) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
}

void SetWidth(QLabel* label, int widthTwips) {
    label->resize(TwipsToPixels(widthTwips), label->height());
}

void SetLeft(QLabel* label, int leftTwips) {
    label->move(TwipsToPixels(leftTwips), label->y());
}

}  // namespace

GraphDialog::GraphDialog(const CardDatabase& db, const Deck& deck, QWidget* parent)
    : QDialog(parent), db_(db), deck_(deck) {
    setObjectName("frmGraph");
    UseDialogFrame(this);
    QFont formFont = font();
    formFont.setPointSize(9);
    setFont(formFont);

    for (int k = 0; k < kRows; ++k) {
        rowCaptions[k] = NewLabel(this, "lblT", k);
        rowCaptions[k]->setText(QStringLiteral("0ターン"));
        PlaceTwips(rowCaptions[k], 60, kTextTop + kRowPitch * k, kCaptionWidth, kTextHeight);
        bars[k] = NewLabel(this, "lblG", k);
        Paint(bars[k], Qt::blue);
        PlaceTwips(bars[k], kBarLeft, kBarTop + kRowPitch * k, 0, kBarHeight);
        beamBars[k] = NewLabel(this, "lblB", k);
        Paint(beamBars[k], Qt::red);
        PlaceTwips(beamBars[k], kBarLeft, kBarTop + kRowPitch * k, 0, kBarHeight);
        beamMarks[k] = NewLabel(this, "lblBM", k);
        Paint(beamMarks[k], Qt::red);
        beamMarks[k]->setText(QStringLiteral("B"));
        beamMarks[k]->setAlignment(Qt::AlignCenter);
        QFont markerFont = beamMarks[k]->font();
        markerFont.setPointSize(6);
        beamMarks[k]->setFont(markerFont);
        PlaceTwips(beamMarks[k], kBarLeft,
                   kBarTop + kRowPitch * k + (kBarHeight - kMarkerHeight) / 2, kMarkerWidth,
                   kMarkerHeight);
        rowCounts[k] = NewLabel(this, "lblC", k);
        PlaceTwips(rowCounts[k], kCountOffset, kTextTop + kRowPitch * k, kCountWidth, kTextHeight);
    }
    averageLine = NewLabel(this, "lblH", -1);
    PlaceTwips(averageLine, 60, kTextTop, kGraphFormWidth - 120, kTextHeight);

    graphChoiceFrame = new QGroupBox(this);
    NameControl(graphChoiceFrame, "fraOpt");
    PlaceTwips(graphChoiceFrame, 60, 400, kFrameWidth, kFrameHeight);
    for (int i = 0; i < 6; ++i) {
        graphOptions[i] =
            new QRadioButton(QString::fromUtf8(kOptions[i].caption), graphChoiceFrame);
        NameControl(graphOptions[i], "opt", i);
        PlaceTwips(graphOptions[i], kOptions[i].left, 210, kOptions[i].width, kTextHeight);
        connect(graphOptions[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) ShowGraph(i);
        });
    }
    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    NameControl(closeButton, "cmdExec");
    PlaceTwips(closeButton, kButtonLeft, 600, kButtonWidth, kGraphButtonHeight);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    ResetRows();
    FitToRows(0);
}

void GraphDialog::ShowGraph(int index) {
    if (index < 0 || index > 5) return;
    BusyCursor busy;
    if (index <= 3) {
        DrawValueGraph(index);
    } else {
        DrawTerrainGraph(index);
    }
    // Lets the new bars paint at once.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GraphDialog::ResetRows() {
    for (int k = 0; k < kRows; ++k) {
        for (QLabel* label : {rowCaptions[k], bars[k], beamBars[k], rowCounts[k], beamMarks[k]})
            label->hide();
        for (QLabel* label : {rowCaptions[k], bars[k], beamBars[k], rowCounts[k]})
            label->setToolTip(QString());
        SetWidth(bars[k], 0);
        SetWidth(beamBars[k], 0);
    }
}

void GraphDialog::DrawValueGraph(int index) {
    const auto kind = static_cast<GraphKind>(index);
    ResetRows();
    setWindowTitle(QString::fromStdU16String(GraphCaption(kind)));
    const ValueTally tally =
        TallyValueGraph(db_.units, SummarizeDeck(deck_).Cards(CardKind::Unit), kind);
    int k = 0;
    for (const int value : ShownValues(tally)) {
        const ValueBucket& bucket = tally.buckets[value];
        const QString rowTip = PlainToolTip(QString::fromStdU16String(ValueRowTip(bucket)));
        const QString namesTip = PlainToolTip(QString::fromStdU16String(NameListTip(bucket.names)));
        rowCaptions[k]->setText(QString::fromStdU16String(ValueRowCaption(kind, value)));
        rowCaptions[k]->setToolTip(rowTip);
        rowCaptions[k]->show();
        const int plain =
            kind == GraphKind::FarPower ? bucket.count - bucket.beamCount : bucket.count;
        SetWidth(bars[k], plain * kUnitWidth);
        bars[k]->setToolTip(namesTip);
        bars[k]->setVisible(plain != 0);
        if (kind == GraphKind::FarPower) {
            const int beamLeft = kBarLeft + plain * kUnitWidth;
            const int beamWidth = bucket.beamCount * kUnitWidth;
            SetWidth(beamBars[k], beamWidth);
            SetLeft(beamBars[k], beamLeft);
            const QString beamTip =
                PlainToolTip(QString::fromStdU16String(NameListTip(bucket.beamNames)));
            beamBars[k]->setToolTip(beamTip);
            beamBars[k]->setVisible(bucket.beamCount != 0);
            SetLeft(beamMarks[k], beamWidth / 2 + beamLeft - kMarkerWidth / 2);
            beamMarks[k]->setToolTip(beamTip);
            beamMarks[k]->setVisible(bucket.beamCount != 0);
            beamMarks[k]->raise();
        }
        rowCounts[k]->setText(QString::fromStdU16String(ValueCountCaption(kind, bucket)));
        SetLeft(rowCounts[k], bucket.count * kUnitWidth + kCountOffset);
        rowCounts[k]->setToolTip(rowTip);
        rowCounts[k]->show();
        ++k;
    }
    averageLine->setText(QString::fromStdU16String(AverageCaption(kind, tally)));
    FitToRows(k);
}

void GraphDialog::DrawTerrainGraph(int index) {
    const auto kind = static_cast<GraphKind>(index);
    ResetRows();
    setWindowTitle(QString::fromStdU16String(GraphCaption(kind)));
    const CardKind deckKind = kind == GraphKind::UnitTerrain ? CardKind::Unit : CardKind::Mission;
    const TerrainTally tally = TallyTerrainGraph(db_, SummarizeDeck(deck_).Cards(deckKind), kind);
    for (int t = 0; t < 4; ++t) {
        const TerrainRow& row = tally.rows[t];
        rowCaptions[t]->setText(QString(QChar(kTerrainLetters[t])));
        SetWidth(bars[t], row.count * kUnitWidth);
        rowCounts[t]->setText(QString::number(row.count));
        SetLeft(rowCounts[t], row.count * kUnitWidth + kCountOffset);
        const QString tip = PlainToolTip(QString::fromStdU16String(NameListTip(row.names)));
        for (QLabel* label : {rowCaptions[t], bars[t], rowCounts[t]}) {
            if (row.count != 0) label->setToolTip(tip);
            label->show();
        }
    }
    averageLine->setText(QString());
    FitToRows(4);
}

void GraphDialog::FitToRows(int rows) {
    const int below = rows * kRowPitch;
    averageLine->move(averageLine->x(), TwipsToPixels(below + kTextTop));
    graphChoiceFrame->move(graphChoiceFrame->x(), TwipsToPixels(below + 400));
    closeButton->move(closeButton->x(), TwipsToPixels(below + 600));
    setFixedSize(TwipsToPixels(kGraphFormWidth), TwipsToPixels(below + 1450));
}

}  // namespace zemlo
