#include "ui/boss_key_dialog.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include "platform/control_name.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "platform/qt_paths.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "ui/boss_rules.h"
#include "ui/program_state.h"

namespace zemlo {
namespace {

// Icon files are kilobytes; a larger file than this is no icon and is not read.
constexpr std::uint64_t kIconFileLimit = std::uint64_t{64} << 20;

void SetBoxColour(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
    }
    box->setPalette(palette);
}

// The system menu colour that the disabled boxes take.
QColor MenuColour() {
    return QApplication::palette("QMenu").color(QPalette::Active, QPalette::Window);
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

}  // namespace

bool LoadIconPicture(const QString& path, QIcon& icon, QString& error) {
    // Read through the file layer: only a regular file is read, so a pipe or a device named
    // as the icon cannot stall the program.
    const FileContents file =
        ReadFileBytes(PathOf(path), kIconFileLimit);
    if (!file.status) {
        error = QString::fromStdU16String(FileErrorText(file.status));
        return false;
    }
    QByteArray bytes =
        QByteArray::fromRawData(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString();
        return false;
    }
    icon = QIcon(QPixmap::fromImage(image));
    return true;
}

BossKeyDialog::BossKeyDialog(ProgramState& state, QIcon (&icons)[2], QWidget* parent)
    : QDialog(parent), state_(state), icons_(icons) {
    setObjectName("frmBoss");
    setWindowTitle(QStringLiteral("『ボスが来た！』 設定画面"));
    setModal(true);
    UseDialogFrame(this);
    setFixedSize(TwipsToPixels(5400), TwipsToPixels(2520));

    useBox = new QCheckBox(QStringLiteral("『ボスが来た！』 機能を使う"), this);
    NameControl(useBox, "chkBoss");
    PlaceTwips(useBox, 180, 150, 4995, 300);
    taskNameLabel = new QLabel(QStringLiteral("ﾀｽｸの名称"), this);
    NameControl(taskNameLabel, "lblTaskName");
    PlaceTwips(taskNameLabel, 180, 630, 1080, 300);
    taskNameBox = new QLineEdit(this);
    NameControl(taskNameBox, "txtTaskName");
    PlaceTwips(taskNameBox, 1320, 600, 3855, 345);
    taskNameLabel->setBuddy(taskNameBox);  // the caption names the box for a screen reader
    iconPathLabel = new QLabel(QStringLiteral("ｱｲｺﾝの場所"), this);
    NameControl(iconPathLabel, "lblIconPath");
    PlaceTwips(iconPathLabel, 180, 1110, 1080, 300);
    iconPathBox = new QLineEdit(this);
    NameControl(iconPathBox, "txtIconPath");
    PlaceTwips(iconPathBox, 1320, 1080, 3015, 345);
    iconPathLabel->setBuddy(iconPathBox);
    browseIconButton = new QPushButton(QStringLiteral("参照"), this);
    NameControl(browseIconButton, "cmdWhere");
    PlaceTwips(browseIconButton, 4395, 1065, 780, 375);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    NameControl(okButton, "cmdOK");
    PlaceTwips(okButton, 2535, 1800, 1260, 420);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    NameControl(cancelButton, "cmdCancel");
    PlaceTwips(cancelButton, 3915, 1800, 1260, 420);

    connect(useBox, &QCheckBox::toggled, this, [this] { UseToggled(); });
    connect(browseIconButton, &QPushButton::clicked, this, [this] { BrowseIcon(); });
    connect(okButton, &QPushButton::clicked, this, [this] { SaveAndClose(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Form_Load
    useBox->setChecked(state_.boss.use == u"1");
    iconPathBox->setText(QString::fromStdU16String(state_.boss.iconPath));
    taskNameBox->setText(QString::fromStdU16String(state_.boss.taskName));
    UseToggled();
}

void BossKeyDialog::UseToggled() {
    const bool on = useBox->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(taskNameBox), static_cast<QWidget*>(iconPathBox),
                             static_cast<QWidget*>(browseIconButton)}) {
        control->setEnabled(on);
    }
    const QColor colour = on ? QColor(255, 255, 255) : MenuColour();
    SetBoxColour(taskNameBox, colour);
    SetBoxColour(iconPathBox, colour);
}

QString BossKeyDialog::PickIconFile() {
    FileDialogRequest request;
    request.save = false;
    request.title = QStringLiteral("ｱｲｺﾝを指定");
    request.initialPath = PathQString(state_.programDir / "*.ico");
    // Each entry shows its caption as it stands and matches by the pattern after it: "*"
    // lists every file, as "*.*" does where the design comes from, names without a dot
    // included.
    request.filter = QStringLiteral("ｱｲｺﾝ (*.ico) (*.ico);;すべてのﾌｧｲﾙ(*.*) (*)");
    request.hidePatternLists = true;
    request.confirmOverwrite = false;
    return TrimBlanks(Dialogs().AskFileName(this, request));
}

void BossKeyDialog::BrowseIcon() {
    iconPathBox->setText(PickIconFile());
}

void BossKeyDialog::SaveAndClose() {
    const BossSettings boss =
        BossValuesFromDialog(useBox->isChecked(), iconPathBox->text().toStdU16String(),
                             taskNameBox->text().toStdU16String());
    // The values take effect at once, even when the icon below turns out not to be a picture.
    state_.boss = boss;
    icons_[1] = icons_[0];
    if (UsesIconFile(boss)) {
        QIcon picture;
        QString error;
        if (!LoadIconPicture(QString::fromStdU16String(boss.iconPath), picture, error)) {
            // Nothing is written and the dialog stays open for another choice.
            Dialogs().Message(this, QMessageBox::NoIcon, ApplicationTitle(), error,
                              QMessageBox::Ok);
            return;
        }
        icons_[1] = picture;
    }
    // A failure is told by the store; the disguise holds for this run.
    static_cast<void>(SaveBossSettings(state_.settings, boss));
    accept();
}

}  // namespace zemlo
