#include "app/disclaimer_dialog.h"

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
DisclaimerDialog::DisclaimerDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAtention");
    setWindowTitle(QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ 注意事項"));
    setModal(true);

    disclaimerLabel = new QLabel(DisclaimerText(), this);
    disclaimerLabel->setObjectName("lblDisclaimer");
    disclaimerLabel->setWordWrap(true);
    disclaimerLabel->setMinimumWidth(360);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QString captions[2] = {QStringLiteral("同意します"), QStringLiteral("同意しません")};
    for (int i = 0; i < 2; ++i) {
        answerButtons[i] = new QPushButton(captions[i], this);
        answerButtons[i]->setObjectName("cmdExec");
        answerButtons[i]->setProperty("index", i);
        connect(answerButtons[i], &QPushButton::clicked, this, [this, i] { Answer(i); });
        buttons->addWidget(answerButtons[i]);
    }
    answerButtons[0]->setDefault(true);
    answerButtons[0]->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(disclaimerLabel);
    layout->addLayout(buttons);
}

void DisclaimerDialog::Answer(int index) {
    isYes_ = index == 0;
    if (isYes_) {
        accept();
    } else {
        reject();
    }
}

}  // namespace zemlo
