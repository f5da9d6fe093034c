// Reading one card image within the program's limits (image_limits.h): the file through the
// file layer, the size its header claims checked before anything is decoded, Qt's own
// allocation limit behind that, and the picture decoded straight at the size it is shown
// at. Safe on any thread; a file that cannot be read gives a reason instead of a picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <filesystem>

namespace zemlo {

struct DecodedImage {
    QImage image;   // null when the file could not be read
    QString error;  // why not, for the player
};

// The size size takes to fit inside box, aspect kept; never larger than size unless
// enlarge. An empty box leaves size as it is.
QSize FittedSize(QSize size, QSize box, bool enlarge);

// Puts Qt's allocation limit for one image in force (it holds for the whole process).
void LimitImageAllocation();

// The pixels a picture may claim before it is decoded; the program's own bound by default.
struct DecodeLimits {
    long long maxPixels;
};
DecodeLimits ProgramDecodeLimits();

// Decodes an image file's bytes to fit box (see FittedSize), scaled smoothly.
DecodedImage DecodeImage(const QByteArray& bytes, QSize box, bool enlarge,
                         const DecodeLimits& limits = ProgramDecodeLimits());

// Reads the file at path (a regular file within kMaxImageFileBytes) and decodes it.
DecodedImage LoadImageFile(const std::filesystem::path& path, QSize box, bool enlarge);

}  // namespace zemlo
