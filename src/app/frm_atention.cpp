#include "app/frm_atention.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/disclaimer_text.h"

namespace zemlo {

QString DisclaimerText() {
    return QString::fromUtf16(kDisclaimerText.data(),
                              static_cast<qsizetype>(kDisclaimerText.size()));
}
FrmAtention::FrmAtention(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAtention");
    setWindowTitle(QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ 注意事項"));
    setModal(true);

    lblDisclaimer = new QLabel(DisclaimerText(), this);
    lblDisclaimer->setObjectName("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setMinimumWidth(360);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QString captions[2] = {QStringLiteral("同意します"), QStringLiteral("同意しません")};
    for (int i = 0; i < 2; ++i) {
        cmdExec[i] = new QPushButton(captions[i], this);
        cmdExec[i]->setObjectName("cmdExec");
        cmdExec[i]->setProperty("index", i);
        connect(cmdExec[i], &QPushButton::clicked, this, [this, i] { cmdExec_Click(i); });
        buttons->addWidget(cmdExec[i]);
    }
    cmdExec[0]->setDefault(true);
    cmdExec[0]->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblDisclaimer);
    layout->addLayout(buttons);
}

void FrmAtention::cmdExec_Click(int index) {
    isYes_ = index == 0;
    if (isYes_) {
        accept();
    } else {
        reject();
    }
}

}  // namespace zemlo
