#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "settings/boss_settings.h"
#include "settings/output_item_settings.h"
#include "settings/view_settings.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

class SettingsStoreFaults : public ::testing::Test {
protected:
    SettingsStoreFaults() {
        store_.OnWriteFailure([this](const std::filesystem::path& file, const FileStatus& status) {
            told_.push_back({file, status});
        });
    }
    struct Told {
        std::filesystem::path file;
        FileStatus status;
    };
    TempDir dir_;
    SettingsStore store_{dir_.Path()};
    std::vector<Told> told_;
    const std::string old_ = "[FORM]\nCOMPACT=2\nNOTE=\x82\xff\n[OUTPUT]\nUNIT=1\n";
};

TEST_F(SettingsStoreFaults, EveryFailedWriteKeepsTheOldFileAndIsToldOncePerRun) {
    for (WriteFault fault : kWriteFaults) {
        SCOPED_TRACE(NameOf(fault));
        SettingsStore store(dir_.Path());
        int told = 0;
        store.OnWriteFailure([&](const std::filesystem::path& file, const FileStatus&) {
            EXPECT_EQ(file, dir_ / "ZEMLO.ini");
            ++told;
        });
        WriteBytes(store.File(), old_);
        InjectedFaults injected;
        Arrange(injected, fault, store.File());
        // Closing the main window writes two keys; the player hears of it once.
        EXPECT_FALSE(SaveViewSettings(store, 1, true));
        EXPECT_FALSE(store.WriteSetting(u"OUTPUT", u"UNIT", u"0"));
        EXPECT_EQ(told, 1);
        if (fault == WriteFault::PathIsFolder) {
            EXPECT_TRUE(std::filesystem::is_directory(store.File()));
            std::filesystem::remove(store.File());
        } else {
            EXPECT_EQ(ReadBytes(store.File()), old_);
        }
        EXPECT_EQ(FolderListing(dir_.Path()),
                  fault == WriteFault::PathIsFolder ? "" : "ZEMLO.ini\n");
    }
}

TEST_F(SettingsStoreFaults, AFileIndexedOnceIsReadAgainWhenItChanges) {
    WriteBytes(store_.File(), "[FORM]\nCOMPACT=2\n[OUTPUT]\nUNIT=1\n");
    EXPECT_EQ(store_.ReadSetting(u"FORM", u"COMPACT"), u"2");
    EXPECT_EQ(store_.ReadSetting(u"output", u"unit"), u"1");
    // Changed in place by another program, to the same size.
    WriteBytes(store_.File(), "[FORM]\nCOMPACT=3\n[OUTPUT]\nUNIT=1\n");
    EXPECT_EQ(store_.ReadSetting(u"FORM", u"COMPACT"), u"3");
    ASSERT_TRUE(store_.WriteSetting(u"FORM", u"COMPACT", u"4"));
    EXPECT_EQ(store_.ReadSetting(u"FORM", u"COMPACT"), u"4");
    // A file that cannot be read any more reads as defaults, not as what it held.
    InjectedFaults injected;
    injected.faults.unreadableFile = store_.File();
    EXPECT_EQ(store_.ReadSetting(u"FORM", u"COMPACT"), u"");
}

TEST_F(SettingsStoreFaults, UnreadableFileIsToldAsSuchAndNeverReplaced) {
    WriteBytes(store_.File(), old_);
    InjectedFaults injected;
    injected.faults.unreadableFile = store_.File();
    EXPECT_FALSE(store_.WriteSetting(u"FORM", u"COMPACT", u"0"));
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_TRUE(told_[0].status.whileReading);
    EXPECT_EQ(ReadBytes(store_.File()), old_);
}

TEST_F(SettingsStoreFaults, KilledBeforeTheRenameLeavesTheOldFile) {
    WriteBytes(store_.File(), old_);
    EXPECT_EXIT(KillBeforeRename(
                    [&] { static_cast<void>(store_.WriteSetting(u"FORM", u"COMPACT", u"0")); }),
                ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadBytes(store_.File()), old_);
    EXPECT_TRUE(store_.WriteSetting(u"FORM", u"COMPACT", u"0"));
    EXPECT_TRUE(told_.empty());
}

}  // namespace
}  // namespace zemlo::test
