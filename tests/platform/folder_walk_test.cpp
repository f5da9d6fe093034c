// Walking a folder tree for the deck library: each file once whatever links say, and every
// place the walk cannot go counted instead of stopping it.
#include "platform/folder_walk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

namespace fs = std::filesystem;

bool Htm(const fs::path& name) {
    return name.extension() == ".htm";
}

// The found files relative to root, in the order found.
std::vector<std::string> Found(const FolderWalk& walk, const fs::path& root) {
    std::vector<std::string> names;
    for (const FoundFile& file : walk.files) {
        names.push_back(file.path.lexically_relative(root).generic_string());
    }
    return names;
}

TEST(FolderWalk, ListsWantedFilesOfEveryFolderByNameAndPassesOverHiddenOnes) {
    TempDir dir;
    fs::create_directories(dir / "b/deep");
    fs::create_directories(dir / ".hidden");
    for (const char* name : {"z.htm", "a.htm", "notes.txt", ".secret.htm", "b/deep/c.htm",
                             "b/m.htm", ".hidden/x.htm"}) {
        WriteBytes(dir / name, "12345");
    }
    const FolderWalk walk = WalkFolder(dir.Path(), Htm);
    ASSERT_TRUE(walk.status);
    EXPECT_EQ(Found(walk, dir.Path()),
              (std::vector<std::string>{"a.htm", "z.htm", "b/m.htm", "b/deep/c.htm"}));
    EXPECT_EQ(walk.files[0].size, 5u);
    EXPECT_GT(walk.files[0].modified, 0);
    EXPECT_EQ(walk.folders.size(), 3u);
    EXPECT_EQ(walk.foldersNotEntered + walk.loopingLinks + walk.unreadableFiles, 0);
}

TEST(FolderWalk, LinksThatLoopOrNameAFolderTwiceListEachFileOnce) {
    TempDir dir;
    fs::create_directories(dir / "decks/sub");
    WriteBytes(dir / "decks/one.htm", "1");
    WriteBytes(dir / "decks/sub/two.htm", "2");
    fs::create_directory_symlink("..", dir / "decks/sub/up");      // back to an ancestor
    fs::create_directory_symlink("decks/sub", dir / "again");      // a folder named twice
    fs::create_symlink("self.htm", dir / "self.htm");              // a link to itself
    fs::create_symlink("decks/one.htm", dir / "link-to-one.htm");  // a file named twice
    fs::create_symlink("gone.htm", dir / "dangling.htm");          // names nothing
    ASSERT_EQ(::mkfifo((dir / "pipe.htm").c_str(), 0600), 0);

    const FolderWalk walk = WalkFolder(dir.Path(), Htm);
    std::vector<std::string> found = Found(walk, dir.Path());
    std::sort(found.begin(), found.end());
    // A file or folder behind two names is listed under the one without a link, though the
    // link comes first.
    EXPECT_EQ(found, (std::vector<std::string>{"decks/one.htm", "decks/sub/two.htm"}));
    EXPECT_EQ(walk.loopingLinks, 2);     // up, self.htm
    EXPECT_EQ(walk.unreadableFiles, 2);  // dangling.htm, pipe.htm
    EXPECT_EQ(walk.foldersNotEntered, 0);
}

TEST(FolderWalk, LinksThatLeadOutOfTheFolderAreCountedNotFollowed) {
    TempDir dir;
    fs::create_directories(dir / "outside/many");
    WriteBytes(dir / "outside/many/far.htm", "x");
    WriteBytes(dir / "outside/lone.htm", "x");
    fs::create_directories(dir / "library/sub");
    WriteBytes(dir / "library/sub/near.htm", "x");
    fs::create_directory_symlink("../..", dir / "library/sub/tree");    // up and out
    fs::create_symlink(dir / "outside/lone.htm", dir / "library/lone.htm");
    fs::create_directory_symlink("sub", dir / "library/inside");        // stays inside
    // The library reached through a link of its own is still walked whole.
    fs::create_directory_symlink("library", dir / "shortcut");
    const FolderWalk walk = WalkFolder(dir / "shortcut", Htm);
    ASSERT_TRUE(walk.status);
    // The folder behind "inside" is listed under its own name, though the link comes first.
    EXPECT_EQ(Found(walk, dir / "shortcut"), (std::vector<std::string>{"sub/near.htm"}));
    EXPECT_EQ(walk.linksOut, 2);
}

TEST(FolderWalk, FoldersThatCannotBeEnteredAreCountedAndTheWalkGoesOn) {
    TempDir dir;
    fs::create_directories(dir / "bad");
    fs::create_directories(dir / "good");
    WriteBytes(dir / "bad/lost.htm", "x");
    WriteBytes(dir / "good/kept.htm", "x");
    fs::path deep = dir / "deep";
    for (int level = 0; level < kMaxFolderDepth; ++level) deep /= "d";
    fs::create_directories(deep);
    WriteBytes(deep / "too-deep.htm", "x");

    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "bad";
    const FolderWalk walk = WalkFolder(dir.Path(), Htm);
    EXPECT_EQ(Found(walk, dir.Path()), std::vector<std::string>{"good/kept.htm"});
    EXPECT_EQ(walk.foldersNotEntered, 2);
}

TEST(FolderWalk, AFolderThatIsMissingOrAFileIsTold) {
    TempDir dir;
    WriteBytes(dir / "file.htm", "x");
    EXPECT_EQ(WalkFolder(dir / "missing", Htm).status.error, ENOENT);
    const FolderWalk file = WalkFolder(dir / "file.htm", Htm);
    EXPECT_EQ(file.status.error, ENOTDIR);
    EXPECT_TRUE(file.files.empty());
}

TEST(FolderWalk, CancelStopsTheWalk) {
    TempDir dir;
    WriteBytes(dir / "a.htm", "x");
    const std::atomic<bool> cancel{true};
    const FolderWalk walk = WalkFolder(dir.Path(), Htm, &cancel);
    EXPECT_TRUE(walk.cancelled);
    EXPECT_TRUE(walk.files.empty());
}

}  // namespace
}  // namespace zemlo::test
