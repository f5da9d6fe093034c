#include "deckfile/output_items_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <span>
#include <vector>

#include "deckfile/output_flag_values.h"
#include "platform/control_name.h"
#include "platform/twips.h"
#include "platform/window_frame.h"

namespace zemlo {
namespace {

// Dialog and control sizes in twips.
constexpr int kOutputItemsFormWidth = 7545;
constexpr int kOutputItemsFormHeight = 5880;
constexpr int kBoxWidth = 2250;
constexpr int kBoxHeight = 255;
constexpr int kBoxPitch = 300;

QCheckBox* MakeBox(QGroupBox* frame, const char* name, int index, const QString& caption, int left,
                   int top) {
    auto* box = new QCheckBox(caption, frame);
    NameControl(box, name, index);
    PlaceTwips(box, left, top, kBoxWidth, kBoxHeight);
    return box;
}

// A box that a stored 2 greyed stays greyed until the player clicks it; from then on it
// only toggles between checked and unchecked, as the other boxes do.
void ShowState(QCheckBox* box, int state) {
    if (state < 0) return;
    if (state == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        QObject::connect(box, &QCheckBox::stateChanged, box, [box](int now) {
            if (now != Qt::PartiallyChecked) box->setTristate(false);
        });
        return;
    }
    box->setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
}

int StateOf(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        case Qt::Unchecked:
            break;
    }
    return 0;
}

template <size_t N>
void LoadBoxes(std::span<QCheckBox*> boxes, const std::array<std::u16string, N>& flags) {
    for (size_t i = 0; i < N; ++i) ShowState(boxes[i], FlagBoxState(flags[i]));
}

template <size_t N>
void StoreBoxes(std::span<QCheckBox* const> boxes, std::array<std::u16string, N>& flags,
                SettingsStore& settings, CardKind kind) {
    std::vector<int> states;
    for (size_t i = 0; i < N; ++i) {
        states.push_back(StateOf(boxes[i]));
        flags[i] = std::u16string(1, static_cast<char16_t>(u'0' + states.back()));
    }
    // A failure is told by the store; the dialog's choice stays for this run.
    static_cast<void>(SaveOutputSettings(settings, kind, JoinFlagStates(states)));
}

}  // namespace

OutputItemsDialog::OutputItemsDialog(OutputFlags& flags, SettingsStore& settings, QWidget* parent)
    : QDialog(parent), flags_(flags), settings_(settings) {
    setObjectName("frmOptFile");
    setWindowTitle(QStringLiteral("出力項目の指定"));
    UseDialogFrame(this);
    setFixedSize(TwipsToPixels(kOutputItemsFormWidth), TwipsToPixels(kOutputItemsFormHeight));

    explanation =
        new QLabel(QStringLiteral("デッキデータを保存する際、出力する項目を指定します。"), this);
    explanation->setObjectName("Label1");
    PlaceTwips(explanation, 120, 120, 7215, 255);

    unitFrame = new QGroupBox(QStringLiteral("ユニット"), this);
    unitFrame->setObjectName("fraUnit");
    PlaceTwips(unitFrame, 120, 480, 7215, 1860);
    const QString unitCaptions[15] = {
        QStringLiteral("形式"),     QStringLiteral("名称"),     QStringLiteral("所属"),
        QStringLiteral("ロール"),   QStringLiteral("地形"),     QStringLiteral("開発系統"),
        QStringLiteral("ﾕﾆｯﾄ系統"), QStringLiteral("設計条件"), QStringLiteral("武器"),
        QStringLiteral("ＨＰ"),     QStringLiteral("特殊能力"), QStringLiteral("特殊機能"),
        QStringLiteral("補足"),     QStringLiteral("テキスト"), QStringLiteral("黒歴史コード")};
    for (int i = 0; i < 15; ++i) {
        unitBoxes[i] = MakeBox(unitFrame, "chkUnit", i, unitCaptions[i], 180 + (i / 5) * 2340,
                               300 + (i % 5) * kBoxPitch);
    }

    missionFrame = new QGroupBox(QStringLiteral("ミッション"), this);
    missionFrame->setObjectName("fraMission");
    PlaceTwips(missionFrame, 120, 2460, 3540, 2760);
    const QString missionCaptions[7] = {QStringLiteral("名称"),     QStringLiteral("戦果"),
                                        QStringLiteral("ﾕﾆｯﾄ数"),   QStringLiteral("地形"),
                                        QStringLiteral("勝利条件"), QStringLiteral("効果"),
                                        QStringLiteral("ﾃｷｽﾄ")};
    for (int i = 0; i < 7; ++i) {
        missionBoxes[i] =
            MakeBox(missionFrame, "chkMission", i, missionCaptions[i], 180, 300 + i * kBoxPitch);
    }

    characterFrame = new QGroupBox(QStringLiteral("キャラクター"), this);
    characterFrame->setObjectName("fraChar");
    PlaceTwips(characterFrame, 3795, 2460, 3540, 2760);
    const QString charCaptions[8] = {QStringLiteral("名称"),     QStringLiteral("所属"),
                                     QStringLiteral("損失戦果"), QStringLiteral("タイミング"),
                                     QStringLiteral("条件"),     QStringLiteral("効果"),
                                     QStringLiteral("テキスト"), QStringLiteral("黒歴史コード")};
    for (int i = 0; i < 8; ++i) {
        characterBoxes[i] =
            MakeBox(characterFrame, "chkChar", i, charCaptions[i], 180, 300 + i * kBoxPitch);
    }

    const QString buttonCaptions[2] = {QStringLiteral("OK"), QStringLiteral("ｷｬﾝｾﾙ")};
    for (int i = 0; i < 2; ++i) {
        buttons[i] = new QPushButton(buttonCaptions[i], this);
        NameControl(buttons[i], "cmdExec", i);
        PlaceTwips(buttons[i], 4395 + i * 1545, 5340, 1395, 375);
        connect(buttons[i], &QPushButton::clicked, this, [this, i] { ButtonClicked(i); });
    }
    buttons[0]->setDefault(true);

    ShowStoredFlags();
}

void OutputItemsDialog::ShowStoredFlags() {
    LoadBoxes(std::span<QCheckBox*>(unitBoxes), flags_.unit);
    LoadBoxes(std::span<QCheckBox*>(missionBoxes), flags_.mission);
    LoadBoxes(std::span<QCheckBox*>(characterBoxes), flags_.character);
}

void OutputItemsDialog::ButtonClicked(int index) {
    if (index == 0) {
        Accept();
        accept();
    } else {
        reject();
    }
}

void OutputItemsDialog::Accept() {
    StoreBoxes(std::span<QCheckBox* const>(unitBoxes), flags_.unit, settings_, CardKind::Unit);
    StoreBoxes(std::span<QCheckBox* const>(missionBoxes), flags_.mission, settings_,
               CardKind::Mission);
    StoreBoxes(std::span<QCheckBox* const>(characterBoxes), flags_.character, settings_,
               CardKind::Character);
}

}  // namespace zemlo
