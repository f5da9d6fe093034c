// The first-start disclaimer. Only "同意します" accepts; any other way of closing refuses.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zemlo {

class FrmAtention : public QDialog {
    Q_OBJECT
public:
    explicit FrmAtention(QWidget* parent = nullptr);

    bool IsYes() const { return isYes_; }

    QLabel* lblDisclaimer;
    QPushButton* cmdExec[2];

private:
    void cmdExec_Click(int index);

    bool isYes_ = false;
};

// The disclaimer text, shared with the version dialog.
QString DisclaimerText();

}  // namespace zemlo
