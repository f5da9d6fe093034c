// The version dialog: title, version, disclaimer, credits and notices, the web page address,
// the system information button and the hidden reset of the first-start flag.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "platform/key_value_source.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zemlo {

class ProcessLauncher;

class VersionDialog : public QDialog {
    Q_OBJECT
public:
    // storeName names the per-user store of the first-start flag; keys and launcher find and
    // start the system information tool.
    VersionDialog(QString storeName, const KeyValueSource& keys, ProcessLauncher& launcher,
                  QWidget* parent = nullptr);
    ~VersionDialog() override;

    // Adds "ﾊﾞｰｼﾞｮﾝ情報" (mnuVer) to the help menu: the dialog of this program, over parent.
    static void AddMenuItem(QMenu* helpMenu, QWidget* parent);

    // Starts the system information tool, or says that there is none.
    void StartSysInfo();
    // One value by key; false with keyVal empty when there is none.
    bool GetKeyValue(KeyRoot keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) const;

    QLabel* iconPicture;
    QLabel* titleLabel;
    QLabel* versionLabel;
    QLabel* warningLabel;
    QLabel* disclaimerLabel;
    QLabel* creditLabels[2];
    QLabel* noticeLabels[2];
    QLineEdit* urlBox;
    QPushButton* okButton;
    QPushButton* systemInfoButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sees every key pressed in the dialog before the focused control does.
    void OnKeyDown(int keyCode, Qt::KeyboardModifiers shift);

    QString storeName_;
    const KeyValueSource& keys_;
    ProcessLauncher& launcher_;
};

}  // namespace zemlo
