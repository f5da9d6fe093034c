// The window shown while the card database loads.
#pragma once

#include <QWidget>

class QLabel;

namespace zemlo {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QLabel* titleLabel;
    QLabel* taskLabel;
};

}  // namespace zemlo
