// The boss-key settings dialog: whether Esc's minimised window wears a disguise, and which
// task name and icon it shows.
#pragma once

#include <QDialog>
#include <QIcon>
#include <filesystem>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zemlo {

class BossKey;

// The picture of an icon file (any format Qt's image readers know, ".ico" included). On
// failure returns false with the reader's description of the error.
bool LoadIconPicture(const QString& path, QIcon& icon, QString& error);

class BossKeyDialog : public QDialog {
    Q_OBJECT
public:
    // Shows key's settings; OK puts the new ones into effect and stores them. The icon
    // dialog starts in programDir.
    BossKeyDialog(BossKey& key, std::filesystem::path programDir, QWidget* parent = nullptr);

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
    BossKey& key_;
    std::filesystem::path programDir_;
};

}  // namespace zemlo
