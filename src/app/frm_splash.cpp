#include "app/frm_splash.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zemlo {

FrmSplash::FrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    Label1 = new QLabel(QStringLiteral("初期化中 ．．．"), this);
    Label1->setObjectName("Label1");
    Label1->setFont(font);
    lblTask = new QLabel(this);
    lblTask->setObjectName("lblTask");
    lblTask->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(Label1);
    layout->addWidget(lblTask);
    setStyleSheet("QWidget#frmSplash { border: 2px solid #606060; background: #f4f4ee; }");
}

}  // namespace zemlo
