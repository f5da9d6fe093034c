#include "app/splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zemlo {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    titleLabel = new QLabel(QStringLiteral("初期化中 ．．．"), this);
    titleLabel->setObjectName("Label1");
    titleLabel->setFont(font);
    taskLabel = new QLabel(this);
    taskLabel->setObjectName("lblTask");
    taskLabel->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(titleLabel);
    layout->addWidget(taskLabel);
    setStyleSheet("QWidget#frmSplash { border: 2px solid #606060; background: #f4f4ee; }");
}

}  // namespace zemlo
