// The first-start disclaimer. Only "同意します" accepts; any other way of closing refuses.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zemlo {

class DisclaimerDialog : public QDialog {
    Q_OBJECT
public:
    explicit DisclaimerDialog(QWidget* parent = nullptr);

    bool IsYes() const { return isYes_; }

    QLabel* disclaimerLabel;
    QPushButton* answerButtons[2];

private:
    void Answer(int index);

    bool isYes_ = false;
};

// The disclaimer text, shared with the version dialog.
QString DisclaimerText();

}  // namespace zemlo
