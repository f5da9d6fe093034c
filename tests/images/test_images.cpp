#include "test_images.h"

#include <QBuffer>
#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void AppendBigEndian(QByteArray& bytes, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes += static_cast<char>((value >> shift) & 0xff);
}

void AppendChunk(QByteArray& png, const char* type, const QByteArray& data) {
    AppendBigEndian(png, static_cast<quint32>(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    png += typed;
    AppendBigEndian(png, Crc32(typed));
}

}  // namespace

QByteArray EncodedImage(QColor colour, QSize size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void WriteImage(const std::filesystem::path& file, QColor colour, QSize size, const char* format) {
    WriteBytes(file, EncodedImage(colour, size, format).toStdString());
}

QByteArray PngClaiming(quint32 width, quint32 height) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    AppendBigEndian(header, width);
    AppendBigEndian(header, height);
    header += QByteArray("\x08\x06\x00\x00\x00", 5);  // 8 bits RGBA, no interlace
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8));
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

bool Near(QRgb pixel, QColor colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

}  // namespace zemlo::test
