#include "ui/version_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "platform/control_name.h"
#include "platform/dialog_service.h"
#include "platform/process_launcher.h"
#include "platform/qt_paths.h"
#include "platform/twips.h"
#include "platform/user_store.h"
#include "platform/window_frame.h"
#include "ui/about_rules.h"
#include "ui/disclaimer_text.h"
#include "ui/main_window.h"

namespace zemlo {
namespace {

QLabel* NewLabel(QWidget* parent, const char* name, int index, const QString& text, int left,
                 int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    NameControl(label, name, index);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(label, left, top, width, height);
    return label;
}

}  // namespace

VersionDialog::VersionDialog(QString storeName, const KeyValueSource& keys,
                             ProcessLauncher& launcher, QWidget* parent)
    : QDialog(parent), storeName_(std::move(storeName)), keys_(keys), launcher_(launcher) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙのﾊﾞｰｼﾞｮﾝ情報"));
    setModal(true);
    UseDialogFrame(this);
    setFixedSize(TwipsToPixels(6900), TwipsToPixels(5580));

    iconPicture = new QLabel(this);
    NameControl(iconPicture, "picIcon");
    iconPicture->setPixmap(ProgramIcon().pixmap(32, 32));
    PlaceTwips(iconPicture, 240, 240, 540, 540);

    titleLabel = NewLabel(this, "lblTitle", -1, QString(), 1050, 240, 5610, 300);
    QFont titleFont = titleLabel->font();
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    versionLabel = NewLabel(this, "lblVersion", -1, QString(), 1050, 570, 5610, 270);

    warningLabel = NewLabel(this, "lblWarning", -1, QStringLiteral("警告"), 240, 1020, 6420, 270);
    disclaimerLabel = NewLabel(
        this, "lblDisclaimer", -1,
        QString::fromUtf16(kDisclaimerText.data(), static_cast<qsizetype>(kDisclaimerText.size())),
        240, 1290, 6420, 1200);
    creditLabels[0] = NewLabel(this, "lblCredit", 0,
                               QStringLiteral("企画・制作：ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ開発ﾁｰﾑ"), 240,
                               2580, 6420, 270);
    creditLabels[1] =
        NewLabel(this, "lblCredit", 1, QStringLiteral("ｶｰﾄﾞﾃﾞｰﾀ整理・動作確認：ﾃﾞｯｷ研究会の皆さん"),
                 240, 2850, 6420, 270);
    noticeLabels[0] = NewLabel(this, "lblNotice", 0,
                               QStringLiteral("本ﾂｰﾙは非公式のﾌｧﾝﾒｲﾄﾞｿﾌﾄｳｪｱです。"
                                              "ｹﾞｰﾑの発行元とは一切関係ありません。"),
                               240, 3210, 6420, 480);
    noticeLabels[1] = NewLabel(this, "lblNotice", 1,
                               QStringLiteral("最新版と更新情報は下記のﾍﾟｰｼﾞでお知らせします。"),
                               240, 3720, 6420, 270);

    urlBox = new QLineEdit(QStringLiteral("https://zemlosaga-deck.example.org/"), this);
    NameControl(urlBox, "txtURL");
    urlBox->setReadOnly(true);
    urlBox->setAccessibleName(QStringLiteral("ホームページのアドレス"));
    PlaceTwips(urlBox, 240, 4020, 6420, 330);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    NameControl(okButton, "cmdOK");
    okButton->setDefault(true);
    PlaceTwips(okButton, 5100, 4560, 1560, 420);
    systemInfoButton = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    NameControl(systemInfoButton, "cmdSysInfo");
    PlaceTwips(systemInfoButton, 3420, 4560, 1560, 420);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfoButton, &QPushButton::clicked, this, [this] { StartSysInfo(); });

    // Form_Load
    titleLabel->setText(ApplicationTitle());
    versionLabel->setText(QString::fromStdU16String(
        VersionLabel(ZEMLO_VERSION_MAJOR, ZEMLO_VERSION_MINOR, ZEMLO_VERSION_PATCH)));

    // Key preview: the dialog sees keys before its focused control.
    qApp->installEventFilter(this);
}

VersionDialog::~VersionDialog() {
    qApp->removeEventFilter(this);
}

bool VersionDialog::GetKeyValue(KeyRoot keyRoot, std::string_view keyName,
                                std::string_view subKeyRef, std::string& keyVal) const {
    return keys_.GetKeyValue(keyRoot, keyName, subKeyRef, keyVal);
}

void VersionDialog::StartSysInfo() {
    const std::string path = FindSysInfoTool(keys_, [](const std::string& file) {
        std::error_code ec;
        return std::filesystem::is_regular_file(file, ec);
    });
    if (!path.empty() && launcher_.StartDetached(QString::fromStdString(path), {})) return;
    Dialogs().Message(this, QMessageBox::NoIcon, ApplicationTitle(),
                      QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), QMessageBox::Ok);
}

bool VersionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers().testFlag(Qt::ShiftModifier)) {
            OnKeyDown(46, key->modifiers());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void VersionDialog::OnKeyDown(int keyCode, Qt::KeyboardModifiers shift) {
    if (keyCode != 46 || !shift.testFlag(Qt::ShiftModifier)) return;
    // The disclaimer is asked again at the next start. The empty confirmation stands for a
    // flag that was stored; a store that failed says so instead, with its file and the cause.
    UserStore store(storeName_);
    const FileStatus saved =
        store.Save(QStringLiteral("BOOT"), QStringLiteral("CNT"), QStringLiteral("0"));
    if (saved) {
        Dialogs().Message(this, QMessageBox::NoIcon, ApplicationTitle(), QString(),
                          QMessageBox::Ok);
        return;
    }
    const QString text = QStringLiteral(
                             "次回の起動時に注意事項を表示する設定を"
                             " %1 に保存できませんでした（%2）。")
                             .arg(ShownPathText(store.File()),
                                  QString::fromStdU16String(FileErrorText(saved)));
    Dialogs().Message(this, QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::Ok);
}

}  // namespace zemlo
