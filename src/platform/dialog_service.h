// Every message box and file dialog of the program goes through this interface, so tests
// can answer them without a modal window. Message texts are plain text: a file or card name
// that looks like markup is shown as written.
#pragma once

#include <QMessageBox>
#include <QString>

class QFileDialog;
class QWidget;

namespace zemlo {

struct FileDialogRequest {
    bool save = false;  // save dialog when true, open dialog otherwise
    QString title;
    QString initialPath;    // folder and offered file name, a path as PathQString carries it
    QString filter;         // Qt filter text, e.g. "MS HTML Document(*.htm)"
    QString defaultSuffix;  // appended to a name typed without an extension; may be empty
    bool confirmOverwrite = true;
    // The type list shows each filter without its last parenthesised pattern list, so a
    // filter can show one pattern and match by another: "All(*.*) (*)" shows "All(*.*)".
    bool hidePatternLists = false;
    // Choose a folder instead of a file (an open dialog that shows folders only).
    bool folder = false;
};

class DialogService {
public:
    virtual ~DialogService() = default;

    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons) = 0;

    // The chosen path as PathQString carries it (PathOf gives its bytes), or an empty string
    // when the player cancelled.
    virtual QString AskFileName(QWidget* parent, const FileDialogRequest& request) = 0;

    // A question with the buttons はい, いいえ and ｷｬﾝｾﾙ: Yes, No or Cancel (closing the box
    // is Cancel).
    virtual QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& title,
                                                       const QString& text);
};

// Sets dialog up as the program's file dialog for request.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

// The service in use; the real dialogs unless a test installed its own.
DialogService& Dialogs();

// Installs service (not owned); nullptr puts the real dialogs back.
void SetDialogService(DialogService* service);

// The caption of the program's own message boxes.
QString ApplicationTitle();

}  // namespace zemlo
