// The real message boxes, answered by a timer: outside text in them is shown as written.
#include "platform/dialog_service.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace zemlo {
namespace {

// Closes the message box shown next and tells what its text label held and how it renders.
struct ShownText {
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};
void AnswerNextBox(ShownText& shown) {
    QTimer::singleShot(0, [&shown] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible()) continue;
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (label != nullptr) shown = {label->text(), label->textFormat()};
            box->reject();
        }
    });
}

TEST(RealDialogs, FileAndCardNamesInMessagesShowAsWritten) {
    const QString text = QStringLiteral(
        "ファイルを読み込めませんでした: <font color=red size=7>BIG<u>spoof.htm "
        "<a href=\"file:///etc\">link</a>");
    ShownText message;
    AnswerNextBox(message);
    Dialogs().Message(nullptr, QMessageBox::Warning, QStringLiteral("警告"), text, QMessageBox::Ok);
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.format, Qt::PlainText);

    ShownText question;
    AnswerNextBox(question);
    Dialogs().AskYesNoCancel(nullptr, QStringLiteral("確認"), text);
    EXPECT_EQ(question.text, text);
    EXPECT_EQ(question.format, Qt::PlainText);
}

}  // namespace
}  // namespace zemlo
