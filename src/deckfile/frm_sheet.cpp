#include "deckfile/frm_sheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/control_name.h"
#include "platform/private_profile.h"
#include "platform/twips.h"
#include "platform/window_frame.h"

namespace zemlo {
namespace {

// Design sizes in twips.
constexpr int kFormWidth = 5400;
constexpr int kFormHeight = 2460;

QLabel* Caption(const QString& text, const char* name, int top, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    NameControl(label, name);
    PlaceTwips(label, 180, top, 1080, 300);
    return label;
}

QLineEdit* Box(const QString& text, const char* name, int top, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    NameControl(box, name);
    PlaceTwips(box, 1320, top, 3855, 345);
    // The player's name is kept in the settings file, whose values hold this much.
    box->setMaxLength(static_cast<int>(PrivateProfile::kMaxValueLength));
    box->setText(text);
    return box;
}

}  // namespace

FrmSheet::FrmSheet(const QString& player, const QString& deckName, const QString& date,
                   QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmSheet");
    setWindowTitle(QStringLiteral("ﾃﾞｯｷｼｰﾄ"));
    setModal(true);
    setFixedSize(TwipsToPixels(kFormWidth), TwipsToPixels(kFormHeight));
    UseDialogFrame(this);

    lblPlayer = Caption(QStringLiteral("ﾌﾟﾚｲﾔｰ名"), "lblPlayer", 210, this);
    txtPlayer = Box(player, "txtPlayer", 180, this);
    lblDeckName = Caption(QStringLiteral("ﾃﾞｯｷ名"), "lblDeckName", 690, this);
    txtDeckName = Box(deckName, "txtDeckName", 660, this);
    lblDateCaption = Caption(QStringLiteral("日付"), "lblDateCaption", 1170, this);
    lblDate = new QLabel(date, this);
    NameControl(lblDate, "lblDate");
    lblDate->setTextFormat(Qt::PlainText);
    PlaceTwips(lblDate, 1380, 1170, 3795, 300);
    lblPlayer->setBuddy(txtPlayer);
    lblDeckName->setBuddy(txtDeckName);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    NameControl(cmdOK, "cmdOK");
    PlaceTwips(cmdOK, 2535, 1740, 1260, 420);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    NameControl(cmdCancel, "cmdCancel");
    PlaceTwips(cmdCancel, 3915, 1740, 1260, 420);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // A name already given is kept; the first empty box waits for one.
    (player.isEmpty() || !deckName.isEmpty() ? txtPlayer : txtDeckName)->setFocus();
}

SheetHeading FrmSheet::Heading() const {
    return SheetHeading{SheetLine(txtPlayer->text().toStdU16String()),
                        SheetLine(txtDeckName->text().toStdU16String()),
                        lblDate->text().toStdU16String()};
}

}  // namespace zemlo
