#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>

#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

TEST(ReadFileBytes, TellsMissingFoldersPipesAndUnreadableFilesApart) {
    TempDir dir;
    WriteBytes(dir / "a.dat", std::string("x\0y", 3));
    const FileContents read = ReadFileBytes(dir / "a.dat");
    EXPECT_TRUE(read.status);
    EXPECT_EQ(read.bytes, std::string("x\0y", 3));

    EXPECT_TRUE(ReadFileBytes(dir / "none").Missing());
    EXPECT_EQ(ReadFileBytes(dir.Path()).status.error, EISDIR);
    // A pipe in the file's place would block a plain read for ever.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    EXPECT_EQ(ReadFileBytes(dir / "pipe").status.error, EINVAL);

    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "a.dat";
    const FileContents failed = ReadFileBytes(dir / "a.dat");
    EXPECT_EQ(failed.status.error, EIO);
    EXPECT_TRUE(failed.status.whileReading);
    EXPECT_FALSE(failed.Missing());
}

class ReplaceFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(folder_);
        mounted_ = MountSmallFileSystem(folder_, 64 * 1024);
        WriteBytes(target_, old_);
        ::chmod(target_.c_str(), 0640);
    }
    void TearDown() override {
        if (mounted_) Unmount(folder_);
    }
    void ExpectOldFileAlone() {
        EXPECT_EQ(ReadBytes(target_), old_);
        EXPECT_EQ(FolderListing(folder_), "deck.htm\n");
    }

    TempDir dir_;
    std::filesystem::path folder_ = dir_ / "folder";
    std::filesystem::path target_ = folder_ / "deck.htm";
    const std::string old_ = "old \x82\xa0 contents\r\n";
    bool mounted_ = false;
};

TEST_F(ReplaceFile, ReplacesTheWholeFileAndKeepsItsPermissions) {
    ASSERT_TRUE(ReplaceFileAtomically(target_, "new"));
    EXPECT_EQ(ReadBytes(target_), "new");
    struct stat info {};
    ::stat(target_.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FolderListing(folder_), "deck.htm\n");
}

TEST_F(ReplaceFile, FullDiskLeavesTheOldFile) {
    // A real small file system where this process may mount one, else the layer's own fault.
    InjectedFaults injected;
    if (!mounted_) injected.faults.diskFullAfterBytes = 1000;
    const FileStatus status = ReplaceFileAtomically(target_, std::string(128 * 1024, 'n'));
    EXPECT_EQ(status.error, ENOSPC);
    EXPECT_FALSE(status.whileReading);
    ExpectOldFileAlone();
}

TEST_F(ReplaceFile, ReadOnlyFolderLeavesTheOldFile) {
    InjectedFaults injected;
    if (!mounted_ || !RemountReadOnly(folder_)) injected.faults.readOnlyFolder = folder_;
    EXPECT_EQ(ReplaceFileAtomically(target_, "new").error, EROFS);
    ExpectOldFileAlone();
}

TEST_F(ReplaceFile, FolderInThePlaceIsLeftAsItIs) {
    std::filesystem::create_directory(folder_ / "sub");
    WriteBytes(folder_ / "sub" / "inside", "x");
    EXPECT_EQ(ReplaceFileAtomically(folder_ / "sub", "new").error, EISDIR);
    EXPECT_EQ(ReadBytes(folder_ / "sub" / "inside"), "x");
    EXPECT_EQ(FolderListing(folder_), "deck.htm\nsub\n");
}

TEST_F(ReplaceFile, KilledBeforeTheRenameLeavesTheOldFile) {
    EXPECT_EXIT(KillBeforeRename([&] { ReplaceFileAtomically(target_, "new contents"); }),
                ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadBytes(target_), old_);
}

}  // namespace
}  // namespace zemlo::test
