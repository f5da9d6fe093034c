// Writes the program's icon for the desktop's hicolor theme, the same drawing twice:
//   gen_icon ICONS_DIR
// gives ICONS_DIR/hicolor/scalable/apps/zemlo-deck.svg and ICONS_DIR/hicolor/48x48/apps/
// zemlo-deck.png (the size every desktop looks for). The colours are the window icon's: a
// yellow Z on dark blue.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cstdio>

namespace {

constexpr double kSize = 48;   // the drawing's own units: one unit is one pixel at 48 px
constexpr double kRadius = 7;  // of the background's corners
const QColor kBackground(24, 48, 96);
const QColor kLetter(250, 210, 60);

QPolygonF LetterZ() {
    return QPolygonF({{12, 10},
                      {36, 10},
                      {36, 16},
                      {21, 32},
                      {36, 32},
                      {36, 38},
                      {12, 38},
                      {12, 32},
                      {27, 16},
                      {12, 16}});
}

QByteArray Svg() {
    QString points;
    for (const QPointF& p : LetterZ()) points += QString("%1,%2 ").arg(p.x()).arg(p.y());
    return QString(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
               "viewBox=\"0 0 %1 %1\">\n"
               "  <rect x=\"2\" y=\"2\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"%4\"/>\n"
               "  <polygon points=\"%5\" fill=\"%6\"/>\n"
               "</svg>\n")
        .arg(kSize)
        .arg(kSize - 4)
        .arg(kRadius)
        .arg(kBackground.name(), points.trimmed(), kLetter.name())
        .toUtf8();
}

QImage Png(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / kSize, pixels / kSize);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackground);
    painter.drawRoundedRect(QRectF(2, 2, kSize - 4, kSize - 4), kRadius, kRadius);
    painter.setBrush(kLetter);
    painter.drawPolygon(LetterZ());
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ICONS_DIR\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + "/hicolor";
    const QString svgDir = root + "/scalable/apps";
    const QString pngDir = root + "/48x48/apps";
    if (!QDir().mkpath(svgDir) || !QDir().mkpath(pngDir)) return 1;
    if (!WriteFile(svgDir + "/zemlo-deck.svg", Svg())) return 1;
    return Png(48).save(pngDir + "/zemlo-deck.png", "PNG") ? 0 : 1;
}
