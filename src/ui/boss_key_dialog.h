// The boss-key settings dialog: whether Esc's minimised window wears a disguise, and which
// task name and icon it shows.
#pragma once

#include <QDialog>
#include <QIcon>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zemlo {

struct ProgramState;

// The picture of an icon file (any format Qt's image readers know, ".ico" included). On
// failure returns false with the reader's description of the error.
bool LoadIconPicture(const QString& path, QIcon& icon, QString& error);

class BossKeyDialog : public QDialog {
    Q_OBJECT
public:
    // icons is the main window's imgIcon pair: element 0 the program's icon, element 1 the
    // icon shown while minimised, which OK keeps up to date.
    BossKeyDialog(ProgramState& state, QIcon (&icons)[2], QWidget* parent = nullptr);

    QCheckBox* useBox;
    QLabel* taskNameLabel;
    QLineEdit* taskNameBox;
    QLabel* iconPathLabel;
    QLineEdit* iconPathBox;
    QPushButton* browseIconButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

    // The open-file dialog for an icon: the chosen path trimmed, or "" when cancelled.
    QString PickIconFile();

    void UseToggled();
    void BrowseIcon();
    void SaveAndClose();

private:
    ProgramState& state_;
    QIcon (&icons_)[2];
};

}  // namespace zemlo
