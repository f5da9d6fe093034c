#include "app/startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cerrno>
#include <cstring>

#include "app/disclaimer_dialog.h"
#include "carddb/card_data_copy.h"
#include "platform/user_store.h"
#include "support/fake_dialogs.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace zemlo {
namespace {

using test::TempDir;

// The per-user store's folder is fixed for the whole process; each test uses its own
// application name inside it.
const TempDir& ConfigHome() {
    static TempDir home;
    return home;
}

QString FreshStoreName() {
    static int n = 0;
    return QStringLiteral("zemlo-startup-test-%1").arg(++n);
}

// Answers the disclaimer, if it appears, with button 0 (accept) or 1 (refuse).
class DisclaimerAnswer {
public:
    explicit DisclaimerAnswer(int button) {
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            if (auto* dialog = qobject_cast<DisclaimerDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                dialog->answerButtons[button]->click();
            }
        });
        timer_.start(10);
    }
    int shown = 0;

private:
    QTimer timer_;
};

void WriteSmallDatabase(const TempDir& dir) {
    test::WriteCp932(dir / "ZEMLO.dat",
                     "[MI0001]\n名称：作戦\n獲得戦果：3\n必要ユニット数：２\n地形適正：空\n"
                     "勝利条件：生存\n効果：なし\nテキスト：－\n");
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { WriteSmallDatabase(dir); }
    TempDir dir;
    QString store = FreshStoreName();
    test::FakeDialogs dialogs;
};

TEST_F(StartupTest, RefusedDisclaimerEndsTheProgramAndAsksAgainNextTime) {
    for (int start = 0; start < 2; ++start) {
        DisclaimerAnswer refuse(1);
        Startup startup(dir.Path(), store);
        EXPECT_FALSE(startup.Run());
        EXPECT_EQ(refuse.shown, 1);
        EXPECT_EQ(startup.Window(), nullptr);
        EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), "");
        EXPECT_FALSE(std::filesystem::exists(dir / "ZEMLO.ini"));
    }
}

TEST_F(StartupTest, AcceptedDisclaimerIsRememberedAndLaterStartsSkipIt) {
    {
        DisclaimerAnswer accept(0);
        Startup startup(dir.Path(), store);
        ASSERT_TRUE(startup.Run());
        EXPECT_EQ(accept.shown, 1);
        EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), "1");
        ASSERT_NE(startup.Window(), nullptr);
        EXPECT_TRUE(startup.Window()->isVisible());
        EXPECT_EQ(startup.Window()->objectName(), "frmMain");
        EXPECT_EQ(startup.Window()->windowTitle(), QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ"));
        EXPECT_FALSE(startup.WindowVisibleBeforeFormInit());
        EXPECT_FALSE(startup.SplashVisibleAtShow());
        EXPECT_EQ(startup.State().db.missions.Count(), 1);
        startup.Window()->close();
    }
    DisclaimerAnswer refuse(1);
    Startup again(dir.Path(), store);
    EXPECT_TRUE(again.Run());
    EXPECT_EQ(refuse.shown, 0);
    again.Window()->close();
}

TEST_F(StartupTest, NonZeroFlagsSkipTheDisclaimerAndStayUnchanged) {
    for (const char* flag : {"2", "-1"}) {
        UserStore(store).Save("BOOT", "CNT", flag);
        DisclaimerAnswer refuse(1);
        Startup startup(dir.Path(), store);
        EXPECT_TRUE(startup.Run());
        EXPECT_EQ(refuse.shown, 0);
        EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), flag);
        startup.Window()->close();
    }
    UserStore(store).Save("BOOT", "CNT", "abc");  // not a number: asked again
    DisclaimerAnswer accept(0);
    Startup startup(dir.Path(), store);
    EXPECT_TRUE(startup.Run());
    EXPECT_EQ(accept.shown, 1);
    EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), "1");
    startup.Window()->close();
}

// A start on large card data keeps a copy of the tables beside its window; the next start on
// the same data files can read them back, while a data file that fails to read is told as
// ever and a changed one is read again. Small card data is decoded as soon as a copy is
// read, and none is kept.
TEST_F(StartupTest, FirstStartKeepsACopyOfTheTablesForTheNext) {
    UserStore(store).Save("BOOT", "CNT", "1");
    const std::filesystem::path copy = CardLoading::CopyFileFor(dir.Path());
    std::filesystem::remove(copy);
    {
        Startup startup(dir.Path(), store);
        ASSERT_TRUE(startup.Run());
        startup.Window()->close();
    }
    EXPECT_FALSE(std::filesystem::exists(copy));
    test::WriteBytes(dir / "ZEMLO.dat", test::ReadBytes(dir / "ZEMLO.dat") + "; " +
                                            std::string(kCardDataCopyWorthBytes, 'x') + "\n");
    const auto sourcesHold = [this](const CardDataSources& sources) {
        return DataFilesHold(dir.Path(), sources);
    };
    {
        Startup startup(dir.Path(), store);
        ASSERT_TRUE(startup.Run());
        startup.Window()->close();
    }
    CardDatabase db;
    LoadReport report;
    ASSERT_TRUE(LoadCardDataCopy(copy, sourcesHold, db, report));
    EXPECT_EQ(db.missions.Cell(mission_field::MissionName, 0), u"作戦");
    {
        // With the copy there, a data file that fails to read is told as without it.
        test::InjectedFaults injected;
        const std::filesystem::path data = dir / "ZEMLO.dat";
        injected.faults.whileReading = [data](const std::filesystem::path& file, std::uint64_t) {
            return file == data ? EIO : 0;
        };
        Startup startup(dir.Path(), store);
        ASSERT_TRUE(startup.Run());
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.contains(QString::fromUtf8(std::strerror(EIO))));
        EXPECT_EQ(startup.State().db.missions.Count(), 0);
        startup.Window()->close();
    }
    EXPECT_TRUE(LoadCardDataCopy(copy, sourcesHold, db, report));

    test::WriteCp932(dir / "ZEMLO.dat", "[MI0002]\n名称：別\n");
    Startup startup(dir.Path(), store);
    ASSERT_TRUE(startup.Run());
    EXPECT_EQ(startup.State().db.missions.Cell(mission_field::MissionName, 0), u"別");
    startup.Window()->close();
}

TEST_F(StartupTest, ClosingTheWindowWritesTheViewSettings) {
    UserStore(store).Save("BOOT", "CNT", "1");
    test::WriteCp932(dir / "ZEMLO.ini", "; mine\n[OUTPUT]\nUNIT=1\n");
    Startup startup(dir.Path(), store);
    ASSERT_TRUE(startup.Run());
    startup.Window()->close();
    SettingsStore settings(dir.Path());
    EXPECT_EQ(settings.ReadSetting(u"FORM", u"COMPACT"), u"0");
    EXPECT_EQ(settings.ReadSetting(u"FORM", u"KYOUTYOU"), u"1");  // on by default
    EXPECT_EQ(settings.ReadSetting(u"OUTPUT", u"UNIT"), u"1");
}

TEST_F(StartupTest, ReadOnlyProgramFolderIsToldOnceAndTheProgramGoesOn) {
    UserStore(store).Save("BOOT", "CNT", "1");
    const std::string old = "; mine\n[FORM]\nCOMPACT=2\n";
    test::WriteBytes(dir / "ZEMLO.ini", old);
    test::InjectedFaults injected;
    injected.faults.readOnlyFolder = dir.Path();
    Startup startup(dir.Path(), store);
    ASSERT_TRUE(startup.Run());
    EXPECT_TRUE(dialogs.messages.empty());
    startup.Window()->close();  // writes two keys
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString ini = QString::fromStdString((dir / "ZEMLO.ini").string());
    EXPECT_TRUE(dialogs.messages[0].text.contains(ini));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("フォルダに書き込めません")));
    EXPECT_EQ(test::ReadBytes(dir / "ZEMLO.ini"), old);
}

TEST_F(StartupTest, UnreadableSettingsFileIsToldAndKept) {
    UserStore(store).Save("BOOT", "CNT", "1");
    const std::string old = "[FORM]\r\nCOMPACT=1\r\n[BOSS]\r\nTASKNAME=x\r\n";
    test::WriteBytes(dir / "ZEMLO.ini", old);
    test::InjectedFaults injected;
    injected.faults.unreadableFile = dir / "ZEMLO.ini";
    Startup startup(dir.Path(), store);
    ASSERT_TRUE(startup.Run());
    startup.Window()->close();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("を読み込めないため")));
    EXPECT_EQ(test::ReadBytes(dir / "ZEMLO.ini"), old);
}

TEST_F(StartupTest, AcceptanceThatCannotBeStoredIsToldAndTheProgramStarts) {
    test::InjectedFaults injected;
    injected.faults.diskFullAfterBytes = 0;
    DisclaimerAnswer accept(0);
    Startup startup(dir.Path(), store);
    ASSERT_TRUE(startup.Run());
    EXPECT_TRUE(startup.Window()->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(
        QString::fromStdU16String(UserStore(store).File().u16string())));
    EXPECT_EQ(UserStore(store).Get("BOOT", "CNT"), "");
    startup.Window()->close();
}

// The card data is read on a thread of its own; what it could not read is told as before.
TEST_F(StartupTest, MissingHugeOrFailingCardDataStartsEmptyAndSaysWhereItLookedAndWhy) {
    UserStore(store).Save("BOOT", "CNT", "1");
    enum class Data { Missing, Huge, FailsMidway };
    const std::pair<Data, QString> cases[] = {
        {Data::Missing, QStringLiteral("ファイルがありません")},
        {Data::Huge, QStringLiteral("ファイルが大きすぎます")},
        {Data::FailsMidway, QString::fromUtf8(std::strerror(EIO))}};
    for (const auto& [data, cause] : cases) {
        dialogs.messages.clear();
        std::filesystem::remove(dir / "ZEMLO.dat");
        if (data == Data::Huge) {
            test::WriteBytes(dir / "ZEMLO.dat", "");
            ASSERT_EQ(::truncate((dir / "ZEMLO.dat").c_str(), std::int64_t{64} << 30), 0);
        }
        test::InjectedFaults injected;
        if (data == Data::FailsMidway) {
            WriteSmallDatabase(dir);
            const std::filesystem::path data = dir / "ZEMLO.dat";
            injected.faults.whileReading = [data](const std::filesystem::path& file,
                                                  std::uint64_t) { return file == data ? EIO : 0; };
        }
        Startup startup(dir.Path(), store);
        ASSERT_TRUE(startup.Run());
        ASSERT_EQ(dialogs.messages.size(), 1u);
        const QString text = dialogs.messages[0].text;
        EXPECT_TRUE(text.contains(QString::fromStdString((dir / "ZEMLO.dat").string())));
        EXPECT_TRUE(text.contains(cause)) << text.toStdString();
        EXPECT_EQ(startup.State().db.units.Count(), 0);
        EXPECT_TRUE(startup.Window()->isVisible());
        startup.Window()->close();
    }
}

TEST_F(StartupTest, OrvelDataIsNamedInTheTitle) {
    test::WriteCp932(dir / "ORVEL.dat", "");
    UserStore(store).Save("BOOT", "CNT", "1");
    Startup startup(dir.Path(), store);
    ASSERT_TRUE(startup.Run());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(startup.Window()->windowTitle(),
              QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ [ORVELｵﾘｼﾞﾅﾙﾃﾞｰﾀｻﾎﾟｰﾄ]"));
    startup.Window()->close();
}

}  // namespace
}  // namespace zemlo

// Runs before main: the per-user store and the copies of the card tables must point into
// the test folder from the first use.
static const bool kConfigHomeSet = [] {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(zemlo::ConfigHome().Path().string()));
    qputenv("XDG_CACHE_HOME",
            QByteArray::fromStdString((zemlo::ConfigHome().Path() / "cache").string()));
    return true;
}();
