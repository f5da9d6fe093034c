// The real message boxes, answered by a timer: outside text in them is shown as written.
#include "platform/dialog_service.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QTimer>

#include "platform/qt_paths.h"
#include "support/temp_dir.h"

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

// The real file dialog, as a player uses it: Qt lists a file named in CP932 ("大会.htm") with
// "\uFFFD" in its name; choosing it gives the file's own bytes back.
TEST(RealDialogs, AFileNamedInCp932ComesBackWithItsOwnBytes) {
    test::TempDir dir;
    const std::filesystem::path file = dir / "\x91\xe5\x89\xef.htm";
    test::WriteBytes(file, "deck");
    bool listed = false;
    // The dialog's list fills on a thread of its own first.
    QTimer::singleShot(500, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible()) continue;
            auto* model = dialog->findChild<QFileSystemModel*>();
            const QString shown = QFile::decodeName(file.filename().c_str());
            listed = model != nullptr && model->index(QFile::decodeName(file.c_str())).isValid();
            dialog->selectFile(shown);
            dialog->accept();
            // Qt may refuse a name it cannot find by its own reading; nothing waits for ever.
            QTimer::singleShot(200, [dialog] {
                for (QWidget* other : QApplication::topLevelWidgets()) {
                    if (auto* box = qobject_cast<QMessageBox*>(other); box && box->isVisible()) {
                        box->reject();
                    }
                }
                if (dialog->isVisible()) dialog->reject();
            });
        }
    });
    FileDialogRequest request;
    request.title = QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを開く");
    request.initialPath = PathQString(dir / "*.htm");
    request.filter = QStringLiteral("MS HTML Document(*.htm)");
    const QString chosen = Dialogs().AskFileName(nullptr, request);
    EXPECT_TRUE(listed);
    EXPECT_EQ(PathOf(chosen), file) << chosen.toStdString();
}

}  // namespace
}  // namespace zemlo
