#include "tools/frm_graph.h"

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
constexpr int kFormWidth = 8115;
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
constexpr int kButtonHeight = 375;

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

FrmGraph::FrmGraph(const CardDatabase& db, const Deck& deck, QWidget* parent)
    : QDialog(parent), db_(db), deck_(deck) {
    setObjectName("frmGraph");
    UseDialogFrame(this);
    QFont formFont = font();
    formFont.setPointSize(9);
    setFont(formFont);

    for (int k = 0; k < kRows; ++k) {
        lblT[k] = NewLabel(this, "lblT", k);
        lblT[k]->setText(QStringLiteral("0ターン"));
        PlaceTwips(lblT[k], 60, kTextTop + kRowPitch * k, kCaptionWidth, kTextHeight);
        lblG[k] = NewLabel(this, "lblG", k);
        Paint(lblG[k], Qt::blue);
        PlaceTwips(lblG[k], kBarLeft, kBarTop + kRowPitch * k, 0, kBarHeight);
        lblB[k] = NewLabel(this, "lblB", k);
        Paint(lblB[k], Qt::red);
        PlaceTwips(lblB[k], kBarLeft, kBarTop + kRowPitch * k, 0, kBarHeight);
        lblBM[k] = NewLabel(this, "lblBM", k);
        Paint(lblBM[k], Qt::red);
        lblBM[k]->setText(QStringLiteral("B"));
        lblBM[k]->setAlignment(Qt::AlignCenter);
        QFont markerFont = lblBM[k]->font();
        markerFont.setPointSize(6);
        lblBM[k]->setFont(markerFont);
        PlaceTwips(lblBM[k], kBarLeft, kBarTop + kRowPitch * k + (kBarHeight - kMarkerHeight) / 2,
                   kMarkerWidth, kMarkerHeight);
        lblC[k] = NewLabel(this, "lblC", k);
        PlaceTwips(lblC[k], kCountOffset, kTextTop + kRowPitch * k, kCountWidth, kTextHeight);
    }
    lblH = NewLabel(this, "lblH", -1);
    PlaceTwips(lblH, 60, kTextTop, kFormWidth - 120, kTextHeight);

    fraOpt = new QGroupBox(this);
    NameControl(fraOpt, "fraOpt");
    PlaceTwips(fraOpt, 60, 400, kFrameWidth, kFrameHeight);
    for (int i = 0; i < 6; ++i) {
        opt[i] = new QRadioButton(QString::fromUtf8(kOptions[i].caption), fraOpt);
        NameControl(opt[i], "opt", i);
        PlaceTwips(opt[i], kOptions[i].left, 210, kOptions[i].width, kTextHeight);
        connect(opt[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) opt_Click(i);
        });
    }
    cmdExec = new QPushButton(QStringLiteral("閉じる"), this);
    NameControl(cmdExec, "cmdExec");
    PlaceTwips(cmdExec, kButtonLeft, 600, kButtonWidth, kButtonHeight);
    connect(cmdExec, &QPushButton::clicked, this, &QDialog::accept);

    ResetRows();
    FitToRows(0);
}

void FrmGraph::opt_Click(int index) {
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

void FrmGraph::ResetRows() {
    for (int k = 0; k < kRows; ++k) {
        for (QLabel* label : {lblT[k], lblG[k], lblB[k], lblC[k], lblBM[k]}) label->hide();
        for (QLabel* label : {lblT[k], lblG[k], lblB[k], lblC[k]}) label->setToolTip(QString());
        SetWidth(lblG[k], 0);
        SetWidth(lblB[k], 0);
    }
}

void FrmGraph::DrawValueGraph(int index) {
    const auto kind = static_cast<GraphKind>(index);
    ResetRows();
    setWindowTitle(QString::fromStdU16String(GraphCaption(kind)));
    const ValueTally tally = TallyValueGraph(db_.units, deck_.Entries(CardKind::Unit), kind);
    int k = 0;
    for (const int value : ShownValues(tally)) {
        const ValueBucket& bucket = tally.buckets[value];
        const QString rowTip = PlainToolTip(QString::fromStdU16String(ValueRowTip(bucket)));
        const QString namesTip = PlainToolTip(QString::fromStdU16String(NameListTip(bucket.names)));
        lblT[k]->setText(QString::fromStdU16String(ValueRowCaption(kind, value)));
        lblT[k]->setToolTip(rowTip);
        lblT[k]->show();
        const int plain =
            kind == GraphKind::FarPower ? bucket.count - bucket.beamCount : bucket.count;
        SetWidth(lblG[k], plain * kUnitWidth);
        lblG[k]->setToolTip(namesTip);
        lblG[k]->setVisible(plain != 0);
        if (kind == GraphKind::FarPower) {
            const int beamLeft = kBarLeft + plain * kUnitWidth;
            const int beamWidth = bucket.beamCount * kUnitWidth;
            SetWidth(lblB[k], beamWidth);
            SetLeft(lblB[k], beamLeft);
            const QString beamTip =
                PlainToolTip(QString::fromStdU16String(NameListTip(bucket.beamNames)));
            lblB[k]->setToolTip(beamTip);
            lblB[k]->setVisible(bucket.beamCount != 0);
            SetLeft(lblBM[k], beamWidth / 2 + beamLeft - kMarkerWidth / 2);
            lblBM[k]->setToolTip(beamTip);
            lblBM[k]->setVisible(bucket.beamCount != 0);
            lblBM[k]->raise();
        }
        lblC[k]->setText(QString::fromStdU16String(ValueCountCaption(kind, bucket)));
        SetLeft(lblC[k], bucket.count * kUnitWidth + kCountOffset);
        lblC[k]->setToolTip(rowTip);
        lblC[k]->show();
        ++k;
    }
    lblH->setText(QString::fromStdU16String(AverageCaption(kind, tally)));
    FitToRows(k);
}

void FrmGraph::DrawTerrainGraph(int index) {
    const auto kind = static_cast<GraphKind>(index);
    ResetRows();
    setWindowTitle(QString::fromStdU16String(GraphCaption(kind)));
    const CardKind deckKind = kind == GraphKind::UnitTerrain ? CardKind::Unit : CardKind::Mission;
    const TerrainTally tally = TallyTerrainGraph(db_, deck_.Entries(deckKind), kind);
    for (int t = 0; t < 4; ++t) {
        const TerrainRow& row = tally.rows[t];
        lblT[t]->setText(QString(QChar(kTerrainLetters[t])));
        SetWidth(lblG[t], row.count * kUnitWidth);
        lblC[t]->setText(QString::number(row.count));
        SetLeft(lblC[t], row.count * kUnitWidth + kCountOffset);
        const QString tip = PlainToolTip(QString::fromStdU16String(NameListTip(row.names)));
        for (QLabel* label : {lblT[t], lblG[t], lblC[t]}) {
            if (row.count != 0) label->setToolTip(tip);
            label->show();
        }
    }
    lblH->setText(QString());
    FitToRows(4);
}

void FrmGraph::FitToRows(int rows) {
    const int below = rows * kRowPitch;
    lblH->move(lblH->x(), TwipsToPixels(below + kTextTop));
    fraOpt->move(fraOpt->x(), TwipsToPixels(below + 400));
    cmdExec->move(cmdExec->x(), TwipsToPixels(below + 600));
    setFixedSize(TwipsToPixels(kFormWidth), TwipsToPixels(below + 1450));
}

}  // namespace zemlo
