#include "deckfile/printed_pages.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace zemlo {

QFont JapaneseFont(bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                      QStringLiteral("TakaoPGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

QPageLayout A4PageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

QByteArray PagesPdf(const PrintedPages& pages, const QPageLayout& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(300);
        writer.setTitle(pages.Title());
        writer.setCreator(QStringLiteral("ZEMLOSAGA deck tool"));
        QPainter painter(&writer);
        const QRectF paper(0, 0, writer.width(), writer.height());
        for (std::size_t page = 0; page < pages.PageCount(); ++page) {
            if (page > 0) writer.newPage();
            pages.PaintPage(painter, paper, page);
        }
    }
    return bytes;
}

void PrintPages(QPrinter& printer, const PrintedPages& pages) {
    const int resolution = printer.resolution();
    const QRectF paper = printer.pageLayout().fullRectPixels(resolution);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // Without full-page printing the origin is the printable area's corner, not the paper's.
    if (!printer.fullPage()) {
        painter.translate(-QPointF(printer.pageLayout().paintRectPixels(resolution).topLeft()));
    }
    for (std::size_t page = 0; page < pages.PageCount(); ++page) {
        if (page > 0) printer.newPage();
        pages.PaintPage(painter, paper, page);
    }
}

}  // namespace zemlo
