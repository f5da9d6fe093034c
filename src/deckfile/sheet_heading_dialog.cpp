#include "deckfile/sheet_heading_dialog.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/control_name.h"
#include "platform/private_profile.h"
#include "platform/text_lines.h"
#include "platform/twips.h"
#include "platform/window_frame.h"

namespace zemlo {
namespace {

// Design sizes in twips.
constexpr int kHeadingFormWidth = 5400;
constexpr int kHeadingFormHeight = 3420;

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

SheetHeadingDialog::SheetHeadingDialog(const QString& player, const QString& deckName,
                                       const QString& event, const QDate& date, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmSheet");
    setWindowTitle(QStringLiteral("ﾃﾞｯｷｼｰﾄ"));
    setModal(true);
    setFixedSize(TwipsToPixels(kHeadingFormWidth), TwipsToPixels(kHeadingFormHeight));
    UseDialogFrame(this);

    playerLabel = Caption(QStringLiteral("ﾌﾟﾚｲﾔｰ名"), "lblPlayer", 210, this);
    playerBox = Box(player, "txtPlayer", 180, this);
    deckNameLabel = Caption(QStringLiteral("ﾃﾞｯｷ名"), "lblDeckName", 690, this);
    deckNameBox = Box(deckName, "txtDeckName", 660, this);
    eventLabel = Caption(QStringLiteral("大会名"), "lblEvent", 1170, this);
    eventBox = Box(event, "txtEvent", 1140, this);
    eventBox->setPlaceholderText(QStringLiteral("（なくてもかまいません）"));
    dateLabel = Caption(QStringLiteral("日付"), "lblDate", 1650, this);
    dateBox = new QDateEdit(date, this);
    NameControl(dateBox, "dtpDate");
    dateBox->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    dateBox->setCalendarPopup(true);
    PlaceTwips(dateBox, 1320, 1620, 2400, 345);
    playerLabel->setBuddy(playerBox);
    deckNameLabel->setBuddy(deckNameBox);
    eventLabel->setBuddy(eventBox);
    dateLabel->setBuddy(dateBox);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    NameControl(okButton, "cmdOK");
    PlaceTwips(okButton, 2535, 2700, 1260, 420);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    NameControl(cancelButton, "cmdCancel");
    PlaceTwips(cancelButton, 3915, 2700, 1260, 420);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // A name already given is kept; the first empty box waits for one.
    (player.isEmpty() || !deckName.isEmpty() ? playerBox : deckNameBox)->setFocus();
}

SheetHeading SheetHeadingDialog::Heading() const {
    const QDate date = dateBox->date();
    return SheetHeading{OneLineText(playerBox->text().toStdU16String()),
                        OneLineText(deckNameBox->text().toStdU16String()),
                        SheetDateText(date.year(), date.month(), date.day()),
                        OneLineText(eventBox->text().toStdU16String())};
}

}  // namespace zemlo
