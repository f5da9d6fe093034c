#include "support/fake_dialogs.h"

namespace zemlo::test {

QMessageBox::StandardButton FakeDialogs::Message(QWidget*, QMessageBox::Icon icon,
                                                 const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons) {
    messages.push_back({icon, title, text});
    return messageAnswer;
}

QString FakeDialogs::AskFileName(QWidget*, const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QMessageBox::StandardButton FakeDialogs::AskYesNoCancel(QWidget*, const QString&,
                                                        const QString& text) {
    questions << text;
    if (questionAnswers.empty()) return QMessageBox::No;
    const QMessageBox::StandardButton answer = questionAnswers.front();
    questionAnswers.erase(questionAnswers.begin());
    return answer;
}

}  // namespace zemlo::test
