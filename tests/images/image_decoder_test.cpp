// Decoding card images within the program's limits: every format the folder may hold,
// fitted to the box it is shown in, and hostile files told instead of decoded.
#include "images/image_decoder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/card_builder.h"
#include "support/temp_dir.h"
#include "test_images.h"

namespace zemlo::test {
namespace {

TEST(DecodeImage, EveryFormatDecodesFittedToItsBoxWithItsAspectKept) {
    const QColor red(200, 40, 40);
    for (const char* format : {"PNG", "JPEG", "WEBP", "BMP"}) {
        const DecodedImage decoded =
            DecodeImage(EncodedImage(red, QSize(630, 880), format), QSize(300, 200), false);
        ASSERT_FALSE(decoded.image.isNull()) << format << ": " << decoded.error.toStdString();
        EXPECT_EQ(decoded.image.size(), QSize(143, 200)) << format;
        EXPECT_TRUE(Near(decoded.image.pixel(70, 100), red)) << format;
    }
    // A photograph taken turned: its orientation mark (EXIF, "turn 90 degrees") turns it
    // upright, and the upright picture fits the box.
    const QByteArray exif(
        "\xff\xe1\x00\x22"
        "Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08"
        "\x00\x01\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
        "\x00\x00\x00\x00",
        36);
    const QByteArray turned = EncodedImage(red, QSize(630, 880), "JPEG").insert(2, exif);
    const DecodedImage fromTurned = DecodeImage(turned, QSize(300, 200), false);
    ASSERT_FALSE(fromTurned.image.isNull()) << fromTurned.error.toStdString();
    EXPECT_EQ(fromTurned.image.height(), 200);
    EXPECT_NEAR(fromTurned.image.width(), 279, 1);

    // Qt writes no GIF: one pixel of red, by hand.
    const QByteArray gif(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
        "\x21\xf9\x04\x00\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00"
        "\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
        43);
    const DecodedImage fromGif = DecodeImage(gif, QSize(63, 88), true);
    ASSERT_EQ(fromGif.image.size(), QSize(63, 63)) << fromGif.error.toStdString();
    EXPECT_TRUE(Near(fromGif.image.pixel(30, 30), QColor(255, 0, 0)));

    // A GIF whose screen is far wider than the picture it claims (found by fuzzing): fitted
    // all the same.
    const QByteArray wideScreen = QByteArray::fromBase64(
        "R0lGODlhADYJAPEAAM8AMDAAz4AAgAAAACH5BAAAAAAALAAAAAAGAAkAAAINhI+ZwsAvggKT");
    const DecodedImage fromWide = DecodeImage(wideScreen, QSize(48, 64), false);
    ASSERT_FALSE(fromWide.image.isNull()) << fromWide.error.toStdString();
    EXPECT_LE(fromWide.image.width(), 48);
    EXPECT_LE(fromWide.image.height(), 64);

    // A small picture keeps its size unless it may be enlarged; an empty box keeps any size.
    const QByteArray small = EncodedImage(red, QSize(63, 88), "PNG");
    EXPECT_EQ(DecodeImage(small, QSize(630, 630), false).image.size(), QSize(63, 88));
    EXPECT_EQ(DecodeImage(small, QSize(630, 630), true).image.size(), QSize(451, 630));
    EXPECT_EQ(DecodeImage(small, QSize(), false).image.size(), QSize(63, 88));
}

TEST(DecodeImage, BombsTruncatedAndCorruptFilesAreToldNotDecoded) {
    // A decompression bomb: the header claims 10^10 pixels, 40 GB once decoded.
    const DecodedImage bomb = DecodeImage(PngClaiming(100000, 100000), QSize(300, 300), false);
    EXPECT_TRUE(bomb.image.isNull());
    EXPECT_TRUE(bomb.error.contains(QStringLiteral("大きすぎます"))) << bomb.error.toStdString();
    EXPECT_TRUE(bomb.error.contains(QStringLiteral("100000×100000")));
    // Just under the limit of pixels but with no rows to decode: not read either.
    EXPECT_TRUE(DecodeImage(PngClaiming(5000, 5000), QSize(300, 300), false).image.isNull());

    // A GIF of one pixel on a screen of 60000 x 60000, which its reader would allocate whole.
    QByteArray wideGif(
        "GIF89a\x60\xea\x60\xea\x80\x00\x00\xff\x00\x00\x00\x00\x00"
        "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
        35);
    const DecodedImage screen = DecodeImage(wideGif, QSize(300, 300), false);
    EXPECT_TRUE(screen.image.isNull());
    EXPECT_TRUE(screen.error.contains(QStringLiteral("60000×60000"))) << screen.error.toStdString();

    // A picture in a format no card image is in: no reader but the five is ever given one.
    const DecodedImage tiff =
        DecodeImage(EncodedImage(QColor(1, 2, 3), QSize(8, 8), "TIFF"), QSize(300, 300), false);
    EXPECT_TRUE(tiff.image.isNull());
    EXPECT_EQ(tiff.error, QStringLiteral("対応していない画像形式です (tiff)"));

    // A PNG of 232 bytes whose last text chunk claims 1.7 GB, which its reader would allocate
    // (found by fuzzing).
    const DecodedImage claiming = DecodeImage(
        QByteArray::fromBase64(
            "iVBORw0KGgoAAAANSUhEUgAAAAYAAAAJEAIAAADOaBaJAAAABGdBTUEAALGPC/xhBQAAAAd0SU1Fh+oMCAQ5A+"
            "vLI3YAAAAqSURBVBjTY/z/"
            "n4EgYHnAwMCgQD9FDxmJNEn+PxGKqOImRgYGBgZCYQUAfW8MGzdHSz4AAAAldEVYdGR"
            "hdGU6YHJlYXRlADIwMjYtMTItMDhUMDQ6NTc6MDMrMDA6MDB+"
            "d1m6aWNuc3RFWHRkYXRlOm1vZGlmeQAyMDI2LT"
            "EyLTA4VDA0OjU3OjAzKzAwOjAw0irhBgAAAABJRU5ErkJggg=="),
        QSize(48, 64), false);
    EXPECT_TRUE(claiming.image.isNull());
    EXPECT_EQ(claiming.error, QStringLiteral("画像を読めません: 途中で切れています"));

    const QByteArray whole = EncodedImage(QColor(10, 20, 30), QSize(200, 280), "PNG");
    for (const QByteArray& bad :
         {whole.left(whole.size() / 2), whole.left(40), QByteArray("\x89PNG\r\n\x1a\n", 8) + "junk",
          QByteArray("ZM0001 is no picture"), QByteArray()}) {
        const DecodedImage decoded = DecodeImage(bad, QSize(300, 300), false);
        EXPECT_TRUE(decoded.image.isNull()) << bad.size();
        EXPECT_FALSE(decoded.error.isEmpty()) << bad.size();
    }
}

TEST(LoadImageFile, PipesDevicesMissingAndOversizedFilesAreRefusedWithoutBeingRead) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "ZM0001.png").c_str(), 0600), 0);
    {
        // A sparse file beyond the size ceiling: refused before anything is allocated.
        std::ofstream huge(dir / "ZM0002.png", std::ios::binary);
        huge.seekp((64ll << 20) + 1);
        huge.put('\0');
    }
    for (const std::filesystem::path& path :
         {dir / "ZM0001.png", std::filesystem::path("/dev/zero"), dir / "ZM0002.png",
          dir / "ZM0003.png", dir.Path()}) {
        const DecodedImage loaded = LoadImageFile(path, QSize(100, 100), false);
        EXPECT_TRUE(loaded.image.isNull()) << path;
        EXPECT_TRUE(loaded.error.startsWith(QStringLiteral("画像を読めません: "))) << path;
    }
    WriteImage(dir / "ZM0004.png", Qt::blue);
    EXPECT_EQ(LoadImageFile(dir / "ZM0004.png", QSize(100, 100), false).image.size(),
              QSize(63, 88));
}

}  // namespace
}  // namespace zemlo::test
