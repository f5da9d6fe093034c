#include "platform/key_value_source.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace zemlo {
namespace {

namespace fs = std::filesystem;

void MakeProgram(const fs::path& file, bool executable) {
    test::WriteBytes(file, "#!/bin/sh\n");
    fs::permissions(
        file, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

TEST(KeyValueSourceTest, ToolKeyAnswersTheFirstKnownExecutableOnThePath) {
    test::TempDir dir;
    fs::create_directories(dir / "a");
    fs::create_directories(dir / "b");
    fs::create_directories(dir / "b" / "hardinfo");  // a folder is not a program
    MakeProgram(dir / "a" / "hardinfo2", false);     // not executable
    MakeProgram(dir / "b" / "kinfocenter", true);
    MakeProgram(dir / "a" / "lshw-gtk", true);
    const std::string path = (dir / "a").string() + "::" + (dir / "b").string();

    const PathKeyValueSource keys(path);
    std::string value = "old";
    ASSERT_TRUE(keys.GetKeyValue(KeyRoot::LocalMachine, kSysInfoPathKey, kSysInfoPathValue, value));
    EXPECT_EQ(value, (dir / "b" / "kinfocenter").string());

    value = "old";
    EXPECT_FALSE(
        keys.GetKeyValue(KeyRoot::LocalMachine, kSharedToolsKey, kSharedToolsValue, value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(PathKeyValueSource("").GetKeyValue(KeyRoot::LocalMachine, kSysInfoPathKey,
                                                    kSysInfoPathValue, value));
    EXPECT_EQ(value, "");
}

}  // namespace
}  // namespace zemlo
