#include "platform/dialog_service.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <utility>

#include "platform/path_text.h"
#include "platform/qt_paths.h"

namespace zemlo {
namespace {

class QtDialogService : public DialogService {
public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        QMessageBox box(icon, title, text, buttons, parent);
        // Messages name files and cards from elsewhere; markup in a name is shown as written.
        box.setTextFormat(Qt::PlainText);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    QString AskFileName(QWidget* parent, const FileDialogRequest& request) override {
        QFileDialog dialog(parent);
        ConfigureFileDialog(dialog, request);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        // Qt lists only names it reads as UTF-8 (a file or folder named in CP932 is not
        // offered at all), so what it gives back is the path's bytes as UTF-8.
        return PathQString(QFile::encodeName(dialog.selectedFiles().first()).toStdString());
    }

    QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& title,
                                               const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        box.setTextFormat(Qt::PlainText);
        // The program's own captions, whatever language the standard buttons speak.
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        const auto answer = box.standardButton(box.clickedButton());
        return answer == QMessageBox::NoButton ? QMessageBox::Cancel : answer;
    }
};

DialogService* g_service = nullptr;

}  // namespace

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setOption(QFileDialog::HideNameFilterDetails, request.hidePatternLists);
    dialog.setNameFilter(request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.folder ? QFileDialog::Directory
                       : request.save ? QFileDialog::AnyFile
                                      : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ShowDirsOnly, request.folder);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    // Qt's file dialog shows a caption beside each of its two boxes without linking them, so
    // a screen reader would hear the folder and the file type with no word of what they are.
    for (const auto& [label, box] :
         {std::pair{"lookInLabel", "lookInCombo"}, std::pair{"fileTypeLabel", "fileTypeCombo"}}) {
        auto* caption = dialog.findChild<QLabel*>(QLatin1String(label));
        auto* control = dialog.findChild<QWidget*>(QLatin1String(box));
        if (caption != nullptr && control != nullptr && caption->buddy() == nullptr) {
            caption->setBuddy(control);
        }
    }
    // Qt can show only folders whose names are UTF-8 all the way: a folder named otherwise
    // opens at the deepest one above it that is.
    if (request.initialPath.isEmpty()) return;
    const std::filesystem::path initial = AbsolutePath(PathOf(request.initialPath));
    const std::filesystem::path name = initial.filename();
    if (!name.empty()) {
        const QString folder = QtReadablePath(initial.parent_path());
        if (!folder.isEmpty()) dialog.setDirectory(folder);
        if (IsUtf8(initial.native())) dialog.selectFile(QFile::decodeName(name.c_str()));
    } else {
        const QString folder = QtReadablePath(initial);
        if (!folder.isEmpty()) dialog.setDirectory(folder);
    }
}

QMessageBox::StandardButton DialogService::AskYesNoCancel(QWidget* parent, const QString& title,
                                                          const QString& text) {
    const auto answer = Message(parent, QMessageBox::Question, title, text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return answer == QMessageBox::Yes || answer == QMessageBox::No ? answer : QMessageBox::Cancel;
}

DialogService& Dialogs() {
    static QtDialogService real;
    return g_service ? *g_service : real;
}

void SetDialogService(DialogService* service) {
    g_service = service;
}

QString ApplicationTitle() {
    return QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ");
}

}  // namespace zemlo
