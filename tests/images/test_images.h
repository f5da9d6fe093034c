// Small card images the image tests make for themselves.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <filesystem>

namespace zemlo::test {

// A picture of one colour, encoded in format ("PNG", "JPEG", "WEBP", "BMP", "GIF").
QByteArray EncodedImage(QColor colour, QSize size, const char* format);

// The same written to file.
void WriteImage(const std::filesystem::path& file, QColor colour, QSize size = QSize(63, 88),
                const char* format = "PNG");

// A PNG file's first chunks, claiming a picture of width x height pixels; its data ends
// before any row.
QByteArray PngClaiming(quint32 width, quint32 height);

// Whether two colours are alike within tolerance per channel (lossy formats shift them).
bool Near(QRgb pixel, QColor colour, int tolerance = 24);

}  // namespace zemlo::test
