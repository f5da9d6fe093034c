#include "images/image_decoder.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "images/image_limits.h"
#include "platform/file_io.h"

namespace zemlo {
namespace {

QString Japanese(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

DecodedImage Failure(const QString& why) {
    return DecodedImage{QImage(), why};
}

// A GIF is decoded onto its logical screen, which its header gives (bytes 6 to 9) and which
// may be far larger than the picture Qt's reader says it holds.
QSize GifScreen(const QByteArray& bytes) {
    if (bytes.size() < 10) return QSize();
    const auto byte = [&bytes](int at) { return static_cast<unsigned char>(bytes[at]); };
    return QSize(byte(6) | byte(7) << 8, byte(8) | byte(9) << 8);
}

// Whether a PNG's chunks before its end claim more bytes than the file holds. Its reader
// allocates a text chunk's claimed length before it reads a byte of it: a file of a few
// hundred bytes could claim nearly two gigabytes (found by fuzzing).
bool PngChunkRunsPastEnd(const QByteArray& bytes) {
    const auto byte = [&bytes](qsizetype at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]));
    };
    constexpr qsizetype kSignature = 8;
    constexpr qsizetype kFrame = 12;  // length, type and check of a chunk
    for (qsizetype at = kSignature; at + 8 <= bytes.size();) {
        const std::uint64_t length =
            byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3);
        if (bytes.mid(at + 4, 4) == "IEND") return false;
        if (length + kFrame > static_cast<std::uint64_t>(bytes.size() - at)) return true;
        at += kFrame + static_cast<qsizetype>(length);
    }
    return false;
}

}  // namespace

QSize FittedSize(QSize size, QSize box, bool enlarge) {
    if (size.isEmpty() || box.isEmpty()) return size;
    if (!enlarge && size.width() <= box.width() && size.height() <= box.height()) return size;
    QSize fitted = size.scaled(box, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

void LimitImageAllocation() {
    QImageReader::setAllocationLimit(kImageAllocationLimitMiB);
}

DecodeLimits ProgramDecodeLimits() {
    return DecodeLimits{kMaxImagePixels};
}

DecodedImage DecodeImage(const QByteArray& bytes, QSize box, bool enlarge,
                         const DecodeLimits& limits) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A photograph's orientation mark turns it the way it was taken.
    reader.setAutoTransform(true);
    if (!reader.canRead()) return Failure(Japanese(u"画像として読めません"));
    // Only the formats a card image may be in reach a decoder: a file named ".png" that holds
    // a TIFF, an icon or a movie is told, so the other readers Qt carries never see the
    // folder's files.
    static const QByteArray kCardImageFormats[] = {"png", "jpeg", "webp", "bmp", "gif"};
    const QByteArray format = reader.format();
    if (std::find(std::begin(kCardImageFormats), std::end(kCardImageFormats), format) ==
        std::end(kCardImageFormats)) {
        return Failure(Japanese(u"対応していない画像形式です") +
                       QStringLiteral(" (%1)").arg(QString::fromLatin1(format)));
    }

    if (format == "png" && PngChunkRunsPastEnd(bytes)) {
        return Failure(Japanese(u"画像を読めません: 途中で切れています"));
    }

    const QSize claimed = reader.size();
    if (claimed.isValid()) {
        if (claimed.isEmpty()) return Failure(Japanese(u"画像として読めません"));
        const QSize allocated = format == "gif" ? claimed.expandedTo(GifScreen(bytes)) : claimed;
        const long long pixels = static_cast<long long>(allocated.width()) * allocated.height();
        if (pixels > limits.maxPixels) {
            return Failure(
                Japanese(u"画像が大きすぎます") +
                QStringLiteral(" (%1×%2)").arg(allocated.width()).arg(allocated.height()));
        }
        // The orientation turns the picture after it is scaled: the box it is scaled into
        // turns with it.
        QSize scaledBox = box;
        if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)) {
            scaledBox.transpose();
        }
        const QSize fitted = FittedSize(claimed, scaledBox, enlarge);
        if (fitted != claimed) reader.setScaledSize(fitted);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return Failure(Japanese(u"画像を読めません: ") + reader.errorString());
    }
    // A reader that cannot tell the size beforehand, or gives a picture of another size than
    // it claimed (a GIF's screen may be wider than its picture), is fitted afterwards.
    const bool overflows =
        !box.isEmpty() && (image.width() > box.width() || image.height() > box.height());
    if (overflows || !claimed.isValid()) {
        const QSize fitted = FittedSize(image.size(), box, enlarge);
        if (fitted != image.size()) {
            image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    // The formats the screen and the printer draw fastest.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    return DecodedImage{std::move(image), QString()};
}

DecodedImage LoadImageFile(const std::filesystem::path& path, QSize box, bool enlarge) {
    FileContents contents = ReadFileBytes(path, kMaxImageFileBytes);
    if (!contents.status) {
        return Failure(Japanese(u"画像を読めません: ") + Japanese(FileErrorText(contents.status)));
    }
    return DecodeImage(QByteArray::fromStdString(contents.bytes), box, enlarge);
}

}  // namespace zemlo
