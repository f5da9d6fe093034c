#include "ui/version_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/process_launcher.h"
#include "platform/user_store.h"
#include "support/fake_dialogs.h"
#include "support/file_faults.h"
#include "support/layout_check.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

class OneKey : public KeyValueSource {
public:
    bool GetKeyValue(KeyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) const override {
        keyVal = keyName == kSysInfoPathKey && subKeyRef == kSysInfoPathValue ? path : "";
        return !keyVal.empty();
    }
    std::string path;
};

class FakeLauncher : public ProcessLauncher {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override {
        started << program + "|" + arguments.join(",");
        return starts;
    }
    QStringList started;
    bool starts = true;
};

class VersionDialogTest : public ::testing::Test {
protected:
    VersionDialogTest() {
        // The per-user store lives under the test's folder.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Path().string()));
    }
    FakeDialogs dialogs;
    TempDir config;
    OneKey keys;
    FakeLauncher launcher;
    const QString store = QStringLiteral("zemlo-about-test");
};

TEST_F(VersionDialogTest, ShowsItsTextsAndFitsItsWindow) {
    VersionDialog form(store, keys, launcher);
    form.show();
    EXPECT_EQ(form.titleLabel->text(), "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ");
    EXPECT_EQ(form.versionLabel->text(), "ﾊﾞｰｼﾞｮﾝ 0.39.0");
    EXPECT_TRUE(form.disclaimerLabel->text().startsWith("このｱﾌﾟﾘｹｰｼｮﾝは個人で楽しむためのもの"));
    EXPECT_FALSE(form.urlBox->text().isEmpty());
    EXPECT_EQ(ControlsOutsideTheirParents(&form).join("\n").toStdString(), "");
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (!label->wordWrap()) continue;
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << label->objectName().toStdString();
    }
}

TEST_F(VersionDialogTest, SystemInformationStartsTheToolFoundOrSaysThereIsNone) {
    VersionDialog form(store, keys, launcher);
    form.systemInfoButton->click();
    EXPECT_TRUE(launcher.started.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");

    keys.path = "/usr/bin/hardinfo";
    form.systemInfoButton->click();
    EXPECT_EQ(launcher.started, QStringList{"/usr/bin/hardinfo|"});
    EXPECT_EQ(dialogs.messages.size(), 1u);

    launcher.starts = false;
    form.systemInfoButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "現時点ではｼｽﾃﾑ情報を使用できません");
}

TEST_F(VersionDialogTest, ShiftDeleteResetsTheFirstStartFlagDeleteAloneDoesNothing) {
    UserStore(store).Save("BOOT", "CNT", "1");
    VersionDialog form(store, keys, launcher);
    form.show();
    QTest::keyClick(form.urlBox, Qt::Key_Delete);
    EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), "1");
    EXPECT_TRUE(dialogs.messages.empty());
    QTest::keyClick(form.urlBox, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), "0");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "");
}

TEST_F(VersionDialogTest, ShiftDeleteThatCannotStoreTheFlagSaysWhereAndWhyInsteadOfConfirming) {
    UserStore(store).Save("BOOT", "CNT", "1");
    VersionDialog form(store, keys, launcher);
    form.show();
    InjectedFaults injected;
    injected.faults.diskFullAfterBytes = 0;
    QTest::keyClick(form.urlBox, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), "1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, ApplicationTitle());
    EXPECT_TRUE(dialogs.messages[0].text.contains(
        QString::fromStdU16String(UserStore(store).File().u16string())));
    EXPECT_TRUE(
        dialogs.messages[0].text.contains(QStringLiteral("ディスクの空き容量が足りません")));
}

}  // namespace
}  // namespace zemlo::test
