#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <vector>

#include "support/file_faults.h"
#include "support/memory_limit.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

TEST(ReadFileBytes, TellsMissingFoldersPipesAndUnreadableFilesApart) {
    TempDir dir;
    WriteBytes(dir / "a.dat", std::string("x\0y", 3));
    const FileContents read = ReadFileBytes(dir / "a.dat", 100);
    EXPECT_TRUE(read.status);
    EXPECT_EQ(read.bytes, std::string("x\0y", 3));

    EXPECT_TRUE(ReadFileBytes(dir / "none", 100).Missing());
    EXPECT_EQ(ReadFileBytes(dir.Path(), 100).status.error, EISDIR);
    // A pipe in the file's place would block a plain read for ever.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    EXPECT_EQ(ReadFileBytes(dir / "pipe", 100).status.error, EINVAL);

    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "a.dat";
    const FileContents failed = ReadFileBytes(dir / "a.dat", 100);
    EXPECT_EQ(failed.status.error, EIO);
    EXPECT_TRUE(failed.status.whileReading);
    EXPECT_FALSE(failed.Missing());
}

TEST(ReadFileBytes, FileBeyondItsCeilingIsRefusedBeforeAnythingIsAllocated) {
    TempDir dir;
    WriteBytes(dir / "a.dat", "12345");
    EXPECT_EQ(ReadFileBytes(dir / "a.dat", 5).bytes, "12345");
    const FileContents over = ReadFileBytes(dir / "a.dat", 4);
    EXPECT_EQ(over.status.error, EFBIG);
    EXPECT_TRUE(over.status.whileReading);
    EXPECT_TRUE(over.bytes.empty());
    // A sparse file of 64 GiB: reserving its size alone would end the program.
    WriteBytes(dir / "huge.ini", "");
    ASSERT_EQ(::truncate((dir / "huge.ini").c_str(), std::int64_t{64} << 30), 0);
    EXPECT_EQ(ReadFileBytes(dir / "huge.ini", std::uint64_t{1} << 30).status.error, EFBIG);
}

TEST(ReadFileBytes, RunningOutOfMemoryIsAFailureLikeAnyOther) {
    if (!CanLimitAddressSpace()) GTEST_SKIP() << "the sanitizer build cannot lower RLIMIT_AS";
    TempDir dir;
    WriteBytes(dir / "big.dat", "");
    ASSERT_EQ(::truncate((dir / "big.dat").c_str(), 256 << 20), 0);
    EXPECT_TRUE(RunWithLittleMemory(64 << 20, [&] {
        const FileContents read = ReadFileBytes(dir / "big.dat", std::uint64_t{1} << 30);
        return read.status.error == ENOMEM && read.bytes.empty();
    }));
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

unsigned ModeOf(const std::filesystem::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 0777;
}

TEST_F(ReplaceFile, ReplacesTheWholeFileKeepingItsModeAndANewFileGetsTheUsualOne) {
    ASSERT_TRUE(ReplaceFileAtomically(target_, "new"));
    EXPECT_EQ(ReadBytes(target_), "new");
    EXPECT_EQ(ModeOf(target_), 0640u);
    EXPECT_EQ(FolderListing(folder_), "deck.htm\n");

    const mode_t umask = ::umask(027);
    const FileStatus created = ReplaceFileAtomically(folder_ / "new.htm", "new");
    ::umask(umask);
    ASSERT_TRUE(created);
    EXPECT_EQ(ModeOf(folder_ / "new.htm"), 0640u);
}

TEST_F(ReplaceFile, TemporaryFileIsHiddenNewAndUnpredictableSoNoLinkCanRedirectTheSave) {
    // A link planted where a save of old put its temporary file, pointing at a victim.
    WriteBytes(dir_ / "victim", "victim");
    const std::filesystem::path planted = folder_ / ("deck.htm.tmp" + std::to_string(::getpid()));
    std::filesystem::create_symlink(dir_ / "victim", planted);

    std::vector<std::string> names;
    InjectedFaults injected;
    injected.faults.beforeRename = [&](const std::filesystem::path& temp) {
        struct stat info {};
        EXPECT_EQ(::lstat(temp.c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_EQ(temp.parent_path(), folder_);
        names.push_back(temp.filename().string());
    };
    ASSERT_TRUE(ReplaceFileAtomically(target_, "one"));
    ASSERT_TRUE(ReplaceFileAtomically(target_, "two"));
    ASSERT_EQ(names.size(), 2u);
    EXPECT_NE(names[0], names[1]);
    for (const std::string& name : names) {
        EXPECT_TRUE(name.starts_with(".deck.htm" + std::string(kTemporaryMark))) << name;
    }
    EXPECT_EQ(ReadBytes(dir_ / "victim"), "victim");
    EXPECT_TRUE(std::filesystem::is_symlink(planted));
    EXPECT_EQ(ReadBytes(target_), "two");

    // A name as long as a name can be still leaves room for the temporary file's mark.
    const std::filesystem::path longName = folder_ / (std::string(250, 'n') + ".htm");
    EXPECT_TRUE(ReplaceFileAtomically(longName, "x"));
}

TEST_F(ReplaceFile, SaveOntoALinkReplacesTheFileItNamesAndTheLinkStays) {
    const std::filesystem::path elsewhere = dir_ / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    WriteBytes(elsewhere / "real.htm", "old");
    ::chmod((elsewhere / "real.htm").c_str(), 0600);
    std::filesystem::remove(target_);
    std::filesystem::create_symlink("../elsewhere/real.htm", target_);
    std::filesystem::create_symlink("deck.htm", folder_ / "again.htm");  // a link to the link

    ASSERT_TRUE(ReplaceFileAtomically(folder_ / "again.htm", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(target_));
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "again.htm"));
    EXPECT_EQ(ReadBytes(elsewhere / "real.htm"), "new");
    EXPECT_EQ(ModeOf(elsewhere / "real.htm"), 0600u);
    EXPECT_EQ(FolderListing(elsewhere), "real.htm\n");
    EXPECT_EQ(FolderListing(folder_), "again.htm\ndeck.htm\n");

    // Where the file cannot be replaced in its own folder, nothing is written anywhere.
    InjectedFaults injected;
    injected.faults.readOnlyFolder = elsewhere;
    EXPECT_EQ(ReplaceFileAtomically(target_, "newer").error, EROFS);
    EXPECT_EQ(ReadBytes(elsewhere / "real.htm"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(target_));
}

TEST_F(ReplaceFile, LinkThatNamesNoFileOrLoopsFailsAndWritesNothing) {
    std::filesystem::remove(target_);
    std::filesystem::create_symlink("gone.htm", target_);
    const FileStatus dangling = ReplaceFileAtomically(target_, "new");
    EXPECT_EQ(dangling.error, ENOENT);
    EXPECT_TRUE(dangling.ofFile);
    EXPECT_EQ(FileErrorText(dangling), u"リンク先のファイルがありません");

    std::filesystem::create_symlink("b.htm", folder_ / "a.htm");
    std::filesystem::create_symlink("a.htm", folder_ / "b.htm");
    EXPECT_EQ(ReplaceFileAtomically(folder_ / "a.htm", "new").error, ELOOP);

    EXPECT_EQ(FolderListing(folder_), "a.htm\nb.htm\ndeck.htm\n");
    EXPECT_TRUE(std::filesystem::is_symlink(target_));
}

TEST_F(ReplaceFile, ReadOnlyFileIsNeverReplacedEvenByTheSuperuser) {
    ::chmod(target_.c_str(), 0444);
    std::filesystem::create_symlink("deck.htm", folder_ / "link.htm");
    for (const char* name : {"deck.htm", "link.htm"}) {
        const FileStatus status = ReplaceFileAtomically(folder_ / name, "new");
        EXPECT_EQ(status.error, EACCES) << name;
        EXPECT_TRUE(status.ofFile);
        EXPECT_EQ(FileErrorText(status), u"読み取り専用のファイルです");
    }
    EXPECT_EQ(ReadBytes(target_), old_);
    EXPECT_EQ(ModeOf(target_), 0444u);
    EXPECT_EQ(FolderListing(folder_), "deck.htm\nlink.htm\n");
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

TEST_F(ReplaceFile, FolderWithoutWriteBitsIsRefusedEvenByTheSuperuser) {
    ::chmod(folder_.c_str(), 0555);
    const FileStatus status = ReplaceFileAtomically(target_, "new");
    ::chmod(folder_.c_str(), 0755);
    EXPECT_EQ(status.error, EACCES);
    EXPECT_EQ(FileErrorText(status), u"フォルダに書き込めません");
    ExpectOldFileAlone();
}

TEST_F(ReplaceFile, TemporaryFileIsPrivateFromItsCreationAndTheOwnerIsKept) {
    InjectedFaults injected;
    unsigned modeAtCreation = 0;
    injected.faults.afterCreate = [&](const std::filesystem::path& temp) {
        modeAtCreation = ModeOf(temp);
    };
    ASSERT_TRUE(ReplaceFileAtomically(target_, "new"));
    EXPECT_EQ(modeAtCreation, 0600u);
    EXPECT_EQ(ModeOf(target_), 0640u);
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another owner needs the superuser";

    // A file of another owner and group in a shared folder keeps both.
    ASSERT_EQ(::chown(target_.c_str(), 1234, 5678), 0);
    const FileStatus kept = ReplaceFileAtomically(target_, "kept");
    ASSERT_TRUE(kept);
    EXPECT_FALSE(kept.ownerNotKept);
    struct stat info {};
    ::stat(target_.c_str(), &info);
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 5678u);

    // A user who may write the folder but not give files away saves, and is told.
    ::chmod(dir_.Path().c_str(), 0755);
    ::chmod(folder_.c_str(), 0777);
    ::chmod(target_.c_str(), 0666);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const FileStatus status = ReplaceFileAtomically(target_, "theirs");
        ::_exit(status && status.ownerNotKept ? 0 : 1);
    }
    int wait = 0;
    ASSERT_EQ(::waitpid(child, &wait, 0), child);
    ::chmod(folder_.c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(wait) && WEXITSTATUS(wait) == 0) << wait;
    EXPECT_EQ(ReadBytes(target_), "theirs");
}

TEST_F(ReplaceFile, FolderInThePlaceIsLeftAsItIs) {
    std::filesystem::create_directory(folder_ / "sub");
    WriteBytes(folder_ / "sub" / "inside", "x");
    EXPECT_EQ(ReplaceFileAtomically(folder_ / "sub", "new").error, EISDIR);
    EXPECT_EQ(ReadBytes(folder_ / "sub" / "inside"), "x");
    EXPECT_EQ(FolderListing(folder_), "deck.htm\nsub\n");
}

TEST_F(ReplaceFile, KilledBeforeTheRenameLeavesTheOldFileAndAHiddenTemporaryFile) {
    EXPECT_EXIT(KillBeforeRename([&] { ReplaceFileAtomically(target_, "new contents"); }),
                ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadBytes(target_), old_);
    const std::string listing = FolderListing(folder_);
    EXPECT_TRUE(listing.starts_with(".deck.htm" + std::string(kTemporaryMark))) << listing;
    EXPECT_TRUE(listing.ends_with("\ndeck.htm\n")) << listing;
    // The next save neither reads nor needs it.
    EXPECT_TRUE(ReplaceFileAtomically(target_, "next"));
    EXPECT_EQ(ReadBytes(target_), "next");
}

}  // namespace
}  // namespace zemlo::test
