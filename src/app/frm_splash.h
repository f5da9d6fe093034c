// The window shown while the card database loads.
#pragma once

#include <QWidget>

class QLabel;

namespace zemlo {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* lblTask;
};

}  // namespace zemlo
