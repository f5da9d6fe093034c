// What the program puts on paper: pages of one size, drawn one at a time on any paint device,
// so that a printer, its preview and a PDF file show the same pages. The deck sheet is one
// printout; anything else that prints gives its pages the same way and goes through the
// same preview and file layer (print_output.h).
#pragma once

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <cstddef>

class QPainter;
class QPrinter;

namespace zemlo {

class PrintedPages {
public:
    virtual ~PrintedPages() = default;
    virtual std::size_t PageCount() const = 0;
    // Draws page on the paper paper (device pixels) of painter's device, at the device's own
    // resolution.
    virtual void PaintPage(QPainter& painter, const QRectF& paper, std::size_t page) const = 0;
    // The document's name, for the PDF file and the print queue.
    virtual QString Title() const = 0;
};

// A Japanese font with every glyph the printouts need, half-width katakana included, so a
// PDF embeds one font and its text reads back as written.
QFont JapaneseFont(bool bold = false);

// A4 portrait without margins: the printouts keep margins of their own.
QPageLayout A4PageLayout();

// The pages as a PDF file on pages of layout, at 300 dots per inch: texts are text, in an
// embedded font.
QByteArray PagesPdf(const PrintedPages& pages, const QPageLayout& layout = A4PageLayout());

// The pages on the printer's paper, page after page.
void PrintPages(QPrinter& printer, const PrintedPages& pages);

}  // namespace zemlo
