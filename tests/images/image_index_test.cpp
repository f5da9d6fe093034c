// The index of a folder of card images: which names are images, which of two images of a
// card is taken, and what it tells of the entries it passed over.
#include "images/image_index.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

namespace fs = std::filesystem;

TEST(ImageIndex, ImageNamesAreCardNumbersWithAKnownExtensionInAnyCase) {
    for (const char* name : {"ZM0001.png", "ZM0001.PNG", "ZM0001.jpg", "ZM0001.Jpeg", "ZM0001.webp",
                             "ZM0001.BMP", "ZM0001.gif"}) {
        EXPECT_EQ(ImageCardNo(name), "ZM0001") << name;
    }
    // Only the last extension counts; a name that is all extension names no card.
    EXPECT_EQ(ImageCardNo("CH0001.scan.png"), "CH0001.scan");
    for (const char* name : {"ZM0001.png.bak", "ZM0001.tiff", "ZM0001", ".png", "ZM0001.pn"}) {
        EXPECT_EQ(ImageCardNo(name), "") << name;
    }
}

TEST(ImageIndex, ACardWithSeveralImagesTakesTheFirstInPathOrder) {
    TempDir dir;
    fs::create_directories(dir / "sub/deeper");
    fs::create_directories(dir / "A");
    for (const char* file : {"ZM0001.png", "ZM0001.jpg", "sub/ZM0001.bmp", "A/ZM0001.gif",
                             "sub/deeper/MI0001.webp", "notes.txt", "CH0001.png.bak"}) {
        WriteBytes(dir / file, "x");
    }
    const ImageIndex index = IndexImages(dir.Path());
    ASSERT_TRUE(index.status);
    EXPECT_EQ(index.Cards(), 2u);
    EXPECT_EQ(index.imageFiles, 5u);
    EXPECT_EQ(index.secondImages, 3u);
    // Folder name by folder name, byte by byte: "A" comes before "ZM0001.jpg".
    ASSERT_NE(index.Find(u"ZM0001"), nullptr);
    EXPECT_EQ(index.Find(u"ZM0001")->path, dir / "A/ZM0001.gif");
    ASSERT_NE(index.Find(u"MI0001"), nullptr);
    EXPECT_EQ(index.Find(u"MI0001")->path, dir / "sub/deeper/MI0001.webp");
    EXPECT_EQ(index.Find(u"MI0001")->size, 1u);
    // Numbers are compared exactly; the file name's case is the card number's.
    EXPECT_EQ(index.Find(u"zm0001"), nullptr);
    EXPECT_EQ(index.Find(u"CH0001"), nullptr);
    EXPECT_EQ(index.Find(u""), nullptr);
    EXPECT_EQ(ImageIndexSummary(index), U("画像 2 枚（同じｶｰﾄﾞの2枚目以降 3）"));
}

TEST(ImageIndex, PipesDevicesLoopingLinksAndClosedFoldersArePassedOverUnopenedAndCounted) {
    TempDir dir;
    fs::create_directories(dir / "closed");
    fs::create_directories(dir / "ok");
    WriteBytes(dir / "closed/ZM0009.png", "x");
    WriteBytes(dir / "ok/ZM0003.png", "x");
    ASSERT_EQ(::mkfifo((dir / "ZM0001.png").c_str(), 0600), 0);  // opening it would block
    fs::create_symlink("/dev/zero", dir / "ZM0002.png");         // reading it never ends; outside
    fs::create_symlink("gone.png", dir / "ZM0004.png");          // names nothing
    fs::create_directory_symlink("..", dir / "ok/up");
    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "closed";

    const ImageIndex index = IndexImages(dir.Path());
    EXPECT_EQ(index.Cards(), 1u);
    EXPECT_NE(index.Find(u"ZM0003"), nullptr);
    EXPECT_EQ(index.unreadableFiles, 2);  // the pipe and the link to nothing
    EXPECT_EQ(index.linksOut, 1);         // the device, outside the folder
    EXPECT_EQ(index.loopingLinks, 1);
    EXPECT_EQ(index.foldersNotEntered, 1);
    EXPECT_EQ(ImageIndexSummary(index), U("画像 1 枚（読めないﾌｧｲﾙ 2、入れないﾌｫﾙﾀﾞ 1、"
                                          "ﾙｰﾌﾟするﾘﾝｸ 1、ﾌｫﾙﾀﾞの外へのﾘﾝｸ 1）"));
}

TEST(ImageIndex, AMissingOrUnreadableFolderIsToldAndIndexesNothing) {
    TempDir dir;
    const ImageIndex missing = IndexImages(dir / "images");
    EXPECT_FALSE(missing.status);
    EXPECT_EQ(missing.Cards(), 0u);
    EXPECT_EQ(ImageIndexSummary(missing), U("画像のﾌｫﾙﾀﾞがありません"));

    fs::create_directories(dir / "images");
    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "images";
    const ImageIndex unreadable = IndexImages(dir / "images");
    EXPECT_FALSE(unreadable.status);
    EXPECT_EQ(ImageIndexSummary(unreadable).rfind(U("画像のﾌｫﾙﾀﾞを読めません: "), 0), 0u);
}

}  // namespace
}  // namespace zemlo::test
