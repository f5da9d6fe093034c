// Drawing the deck sheet: one page at a time on any paint device, and the sheet whole as a
// PDF file's bytes, as PNG images and on a printer. The texts and page breaks come from the
// sheet; this part only places them on paper.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <cstddef>
#include <vector>

#include "deckfile/deck_sheet.h"
#include "deckfile/printed_pages.h"

class QPainter;
class QPrinter;

namespace zemlo {

// The resolution of the sheet's images.
inline constexpr int kSheetImageDpi = 150;

// Draws one page of the sheet on the paper paper (device pixels) of painter's device, at the
// device's own resolution, in the one type size of every page.
void PaintSheetPage(QPainter& painter, const QRectF& paper, const DeckSheet& sheet,
                    std::size_t page);

// A4 portrait without margins: the sheet keeps margins of its own.
QPageLayout SheetPageLayout();

// The sheet as printed pages, for the print preview and the file layer; sheet must outlive it.
class SheetPages : public PrintedPages {
public:
    explicit SheetPages(const DeckSheet& sheet) : sheet_(sheet) {}
    std::size_t PageCount() const override;
    void PaintPage(QPainter& painter, const QRectF& paper, std::size_t page) const override;
    QString Title() const override;

private:
    const DeckSheet& sheet_;
};

// The sheet as a PDF file on pages of layout: its texts are text, in an embedded font.
QByteArray SheetPdf(const DeckSheet& sheet, const QPageLayout& layout = SheetPageLayout());

// An A4 page in pixels at kSheetImageDpi.
QSize SheetImageSize();

// One PNG file per page, each an A4 page at kSheetImageDpi on white.
std::vector<QByteArray> SheetPngs(const DeckSheet& sheet);

// The sheet on the printer's paper, page after page.
void PrintSheet(QPrinter& printer, const DeckSheet& sheet);

}  // namespace zemlo
