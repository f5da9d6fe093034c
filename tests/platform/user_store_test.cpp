#include "platform/user_store.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

class UserStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1); }
    TempDir dir_;
    UserStore store_{"zemlo-deck"};
    const std::string old_ = "[BOOT]\nCNT=1\n[OTHER]\nX=\x82\xff\n";
};

TEST_F(UserStoreTest, KeepsValuesInTheApplicationsFileUnderTheConfigFolder) {
    EXPECT_EQ(store_.Get("BOOT", "CNT"), "");
    ASSERT_TRUE(store_.Save("BOOT", "CNT", "1"));
    EXPECT_EQ(store_.File(), dir_ / "config" / "zemlo-deck.ini");
    EXPECT_EQ(ReadBytes(store_.File()), "[BOOT]\r\nCNT=1\r\n");
    EXPECT_EQ(store_.Get("boot", "cnt"), "1");
}

// Copies kept for a later start go to the cache folder, and nowhere when no folder from
// the root is named: never into a ".cache" wherever the program was started.
TEST(UserCacheFolder, FollowsXdgThenHomeAndIsNeverRelative) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const std::string oldCache = cache ? cache : "";
    ::setenv("XDG_CACHE_HOME", "/var/cache/x", 1);
    EXPECT_EQ(UserCacheFolder(), "/var/cache/x");
    ::unsetenv("XDG_CACHE_HOME");
    ::setenv("HOME", "/home/p", 1);
    EXPECT_EQ(UserCacheFolder(), "/home/p/.cache");
    ::setenv("XDG_CACHE_HOME", "relative", 1);
    ::unsetenv("HOME");
    EXPECT_EQ(UserCacheFolder(), "");
    ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(UserCacheFolder(), "");
    ::setenv("HOME", home.c_str(), 1);
    if (cache) ::setenv("XDG_CACHE_HOME", oldCache.c_str(), 1);
}

TEST_F(UserStoreTest, FailedSaveLeavesTheOldFile) {
    for (WriteFault fault : kWriteFaults) {
        SCOPED_TRACE(NameOf(fault));
        std::filesystem::create_directories(dir_ / "config");
        WriteBytes(store_.File(), old_);
        InjectedFaults injected;
        Arrange(injected, fault, store_.File());
        EXPECT_FALSE(store_.Save("BOOT", "CNT", "2"));
        if (fault == WriteFault::PathIsFolder) {
            EXPECT_TRUE(std::filesystem::is_directory(store_.File()));
            std::filesystem::remove(store_.File());
        } else {
            EXPECT_EQ(ReadBytes(store_.File()), old_);
            EXPECT_EQ(FolderListing(dir_ / "config"), "zemlo-deck.ini\n");
        }
    }
    EXPECT_EXIT(KillBeforeRename([&] { store_.Save("BOOT", "CNT", "2"); }),
                ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadBytes(store_.File()), old_);
}

TEST_F(UserStoreTest, ConfigFolderThatCannotBeMadeFails) {
    InjectedFaults injected;
    injected.faults.readOnlyFolder = dir_.Path();
    EXPECT_FALSE(store_.Save("BOOT", "CNT", "1"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "config"));
}

}  // namespace
}  // namespace zemlo::test
