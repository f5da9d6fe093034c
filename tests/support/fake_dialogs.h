// Answers message boxes and file dialogs in tests, recording what was asked.
#pragma once

#include <QStringList>
#include <vector>

#include "platform/dialog_service.h"

namespace zemlo::test {

struct RecordedMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

class FakeDialogs : public DialogService {
public:
    FakeDialogs() { SetDialogService(this); }
    ~FakeDialogs() override { SetDialogService(nullptr); }

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    QString AskFileName(QWidget* parent, const FileDialogRequest& request) override;
    QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& title,
                                               const QString& text) override;

    // Paths the next file dialogs return, in order; an empty string is a cancel.
    QStringList fileAnswers;
    QMessageBox::StandardButton messageAnswer = QMessageBox::Ok;
    // Answers to the next yes/no/cancel questions, in order; いいえ when none is left.
    std::vector<QMessageBox::StandardButton> questionAnswers;
    QStringList questions;

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogRequest> fileRequests;
};

}  // namespace zemlo::test
