#include "ui/boss_key_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/fake_dialogs.h"
#include "support/file_faults.h"
#include "support/layout_check.h"
#include "support/temp_dir.h"
#include "ui/boss_key.h"

namespace zemlo::test {
namespace {

QIcon OwnIcon() {
    QPixmap own(16, 16);
    own.fill(Qt::blue);
    return QIcon(own);
}

class BossKeyDialogTest : public ::testing::Test {
protected:
    QString PathOf(const char* name) { return QString::fromStdString((dir / name).string()); }
    BossSettings Stored() { return LoadBossSettings(settings); }
    qint64 MinimisedIcon() const { return key.IconWhen(true).cacheKey(); }
    qint64 OwnIconKey() const { return key.IconWhen(false).cacheKey(); }

    FakeDialogs dialogs;
    TempDir dir;
    SettingsStore settings{dir.Path()};
    BossKey key{settings, OwnIcon()};
};

TEST_F(BossKeyDialogTest, IconThatIsNoPictureTurnsTheDisguiseOffForThisRunOnly) {
    ASSERT_EQ(::mkfifo((dir / "pipe.ico").c_str(), 0644), 0);
    WriteBytes(dir / "text.ico", "not a picture\r\n");
    for (const char* icon : {"text.ico", "pipe.ico", "missing.ico"}) {
        ASSERT_TRUE(SaveBossSettings(settings, {u"1", (dir / icon).u16string(), u"表計算"}));
        const std::string stored = ReadBytes(settings.File());
        key.Load();
        EXPECT_EQ(key.Settings().use, u"0") << icon;
        EXPECT_EQ(key.MinimisedCaption("normal"), "normal") << icon;
        EXPECT_EQ(MinimisedIcon(), OwnIconKey()) << icon;
        EXPECT_EQ(ReadBytes(settings.File()), stored) << icon;
    }

    // A blank path keeps the disguise with the program's own icon.
    ASSERT_TRUE(SaveBossSettings(settings, {u"1", u"  ", u"電卓"}));
    key.Load();
    EXPECT_EQ(key.Settings().use, u"1");
    EXPECT_EQ(MinimisedIcon(), OwnIconKey());

    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(PathOf("real.ico"), "ICO"));
    ASSERT_TRUE(SaveBossSettings(settings, {u"1", (dir / "real.ico").u16string(), u"表計算"}));
    key.Load();
    EXPECT_EQ(key.Settings().use, u"1");
    EXPECT_EQ(key.MinimisedCaption("normal"), "表計算");
    EXPECT_NE(MinimisedIcon(), OwnIconKey());
}

TEST_F(BossKeyDialogTest, LoadShowsTheValuesAndTheBoxGovernsTheEditors) {
    key.Use(BossSettings{u"1", u"/x/a.ico", u"電卓"});
    BossKeyDialog form(key, dir.Path());
    EXPECT_TRUE(form.useBox->isChecked());
    EXPECT_EQ(form.iconPathBox->text(), "/x/a.ico");
    EXPECT_EQ(form.taskNameBox->text(), "電卓");
    EXPECT_TRUE(form.browseIconButton->isEnabled());
    EXPECT_EQ(form.taskNameBox->palette().color(QPalette::Base), QColor(255, 255, 255));
    form.useBox->setChecked(false);
    EXPECT_FALSE(form.taskNameBox->isEnabled());
    EXPECT_FALSE(form.iconPathBox->isEnabled());
    EXPECT_FALSE(form.browseIconButton->isEnabled());
    EXPECT_NE(form.iconPathBox->palette().color(QPalette::Base), QColor(255, 255, 255));
    form.show();
    EXPECT_EQ(ControlsOutsideTheirParents(&form).join("\n").toStdString(), "");
}

TEST_F(BossKeyDialogTest, OkWithAnIconFileStoresAllThreeAndTakesItsPicture) {
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(PathOf("memo.ico"), "ICO"));
    BossKeyDialog form(key, dir.Path());
    form.useBox->setChecked(true);
    form.iconPathBox->setText(PathOf("memo.ico"));
    form.taskNameBox->setText("メモ - 議事録");
    form.okButton->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(Stored().use, u"1");
    EXPECT_EQ(Stored().iconPath, PathOf("memo.ico").toStdU16String());
    EXPECT_EQ(Stored().taskName, u"メモ - 議事録");
    EXPECT_EQ(key.Settings().taskName, u"メモ - 議事録");
    EXPECT_EQ(key.IconWhen(true).pixmap(32, 32).toImage().pixelColor(5, 5), QColor(Qt::red));
}

TEST_F(BossKeyDialogTest, CancelledBrowseThenOkStoresAnEmptyPathAndKeepsTheOwnIcon) {
    dialogs.fileAnswers = {QString()};
    BossKeyDialog form(key, dir.Path());
    form.useBox->setChecked(true);
    form.iconPathBox->setText("old.ico");
    form.browseIconButton->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "ｱｲｺﾝを指定");
    EXPECT_FALSE(dialogs.fileRequests[0].save);
    EXPECT_EQ(form.iconPathBox->text(), "");
    form.okButton->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(Stored().use, u"1");
    EXPECT_EQ(Stored().iconPath, u"");
    EXPECT_EQ(MinimisedIcon(), OwnIconKey());
}

// The files a file dialog lists in folder, sorted, once its model has read them.
QStringList ListedFiles(QFileDialog& dialog, const QString& folder) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (model == nullptr) return {};
    const QModelIndex root = model->index(folder);
    QStringList names;
    for (int row = 0; row < model->rowCount(root); ++row) {
        names << model->fileName(model->index(row, 0, root));
    }
    names.sort();
    return names;
}

TEST_F(BossKeyDialogTest, IconPickerShowsItsCaptionsAndAllFilesListsNamesWithoutADot) {
    for (const char* name : {"memo.ico", "notes.txt", "readme"}) WriteBytes(dir / name, "x");
    BossKeyDialog form(key, dir.Path());
    form.useBox->setChecked(true);
    form.browseIconButton->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ConfigureFileDialog(dialog, dialogs.fileRequests[0]);
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    QStringList captions;
    for (int i = 0; i < types->count(); ++i) captions << types->itemText(i);
    EXPECT_EQ(captions, QStringList({"ｱｲｺﾝ (*.ico)", "すべてのﾌｧｲﾙ(*.*)"}));

    const QString folder = QString::fromStdU16String(dir.Path().u16string());
    const QStringList iconFiles = {"memo.ico"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return ListedFiles(dialog, folder) == iconFiles; }, 5000))
        << ListedFiles(dialog, folder).join(" ").toStdString();
    dialog.selectNameFilter(dialog.nameFilters().value(1));
    const QStringList all = {"memo.ico", "notes.txt", "readme"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return ListedFiles(dialog, folder) == all; }, 5000))
        << ListedFiles(dialog, folder).join(" ").toStdString();
}

TEST_F(BossKeyDialogTest, FileThatIsNoPictureKeepsTheDialogOpenAndWritesNothing) {
    WriteBytes(dir / "notes.ico", "not a picture at all");
    EXPECT_TRUE(settings.WriteSetting(u"BOSS", u"ISUSE", u"0"));
    const std::string before = ReadBytes(settings.File());
    BossKeyDialog form(key, dir.Path());
    form.show();
    form.useBox->setChecked(true);
    form.iconPathBox->setText(PathOf("notes.ico"));
    form.taskNameBox->setText("電卓");
    form.okButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(dialogs.messages[0].text.isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(ReadBytes(settings.File()), before);
    EXPECT_EQ(MinimisedIcon(), OwnIconKey());
    EXPECT_EQ(key.Settings().use, u"1");  // in effect until the program ends
}

TEST_F(BossKeyDialogTest, UncheckedOkClearsAllThreeSettings) {
    key.Use(BossSettings{u"1", u"/x/a.ico", u"電卓"});
    key.UseIcon(QIcon());
    BossKeyDialog form(key, dir.Path());
    form.useBox->setChecked(false);
    form.okButton->click();
    EXPECT_EQ(Stored().use, u"0");
    EXPECT_EQ(Stored().iconPath, u"");
    EXPECT_EQ(Stored().taskName, u"");
    EXPECT_EQ(settings.ReadSetting(u"BOSS", u"ISUSE"), u"0");
    EXPECT_EQ(MinimisedIcon(), OwnIconKey());
}

}  // namespace
}  // namespace zemlo::test
