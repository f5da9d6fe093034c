#include "deckfile/deck_sheet_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <algorithm>

namespace zemlo {
namespace {

using namespace sheet_layout;

// The type's size as a share of the row height.
constexpr double kTypeShare = 0.62;

// Columns from the left margin, in millimetres; the name takes what the others leave.
constexpr double kNameColumn = 30.0;
constexpr double kCopiesWidth = 22.0;
constexpr double kPointsWidth = 22.0;

const QColor kOutsideRuleColour(255, 0, 0);  // the counters' own red

QString Q(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

QFont SheetFont(double points, bool bold = false) {
    QFont font = JapaneseFont(bold);
    font.setPointSizeF(points);
    return font;
}

class PagePainter {
public:
    PagePainter(QPainter& painter, const QRectF& paper, const DeckSheet& sheet)
        : painter_(painter), sheet_(sheet) {
        dpi_ = painter.device()->logicalDpiY();
        left_ = paper.left() + Px(kSideMarginMm);
        right_ = paper.right() - Px(kSideMarginMm);
        top_ = paper.top() + Px(kTopMarginMm);
        bottom_ = paper.bottom() - Px(kBottomMarginMm);
        // One row height, and so one type size, on every page: the page breaks made room.
        row_ = Px(kRowMm);
        typePoints_ = row_ * kTypeShare / dpi_ * 72.0;
    }

    void Paint(std::size_t page) {
        y_ = top_;
        painter_.setPen(Qt::black);
        Title();
        Info();
        y_ += row_ * kHeaderGapRows;
        for (const SheetSlice& slice : sheet_.pages[page]) Slice(slice);
        if (page + 1 == sheet_.pages.size()) Signature();
        const QRectF number(left_, bottom_ - row_ * kPageNumberRows, right_ - left_,
                            row_ * kPageNumberRows);
        Text(number, Qt::AlignHCenter | Qt::AlignBottom, Q(sheet_.PageNumberText(page)), Type());
    }

private:
    double Px(double millimetres) const { return millimetres / 25.4 * dpi_; }
    QFont Type(double scale = 1.0, bool bold = false) const {
        return SheetFont(typePoints_ * scale, bold);
    }

    // One line of outside text in box: a little smaller type where it is too wide, then cut
    // with an ellipsis; never over the next column.
    void Text(const QRectF& box, int align, const QString& text, QFont font) {
        QFontMetricsF metrics(font, painter_.device());
        const double width = metrics.horizontalAdvance(text);
        if (width > box.width() && width > 0) {
            font.setPointSizeF(font.pointSizeF() * std::max(0.75, box.width() / width));
            metrics = QFontMetricsF(font, painter_.device());
        }
        painter_.setFont(font);
        const int vertical = (align & Qt::AlignVertical_Mask) ? 0 : Qt::AlignVCenter;
        painter_.drawText(box, align | vertical | Qt::TextSingleLine,
                          metrics.elidedText(text, Qt::ElideRight, box.width()));
    }

    void Rule(double y, double widthMm, const QColor& colour) {
        painter_.save();
        QPen pen(colour);
        pen.setWidthF(Px(widthMm));
        painter_.setPen(pen);
        painter_.drawLine(QPointF(left_, y), QPointF(right_, y));
        painter_.restore();
    }

    void Title() {
        const QRectF box(left_, y_, right_ - left_, row_ * kTitleRows);
        Text(box, Qt::AlignHCenter, Q(kSheetTitle), Type(1.8, true));
        y_ += box.height();
    }

    // Player and date on the first line, the deck's name and its number of cards on the
    // second, the event's name (when given) on the third; each value on a line to write on.
    void Info() {
        const double half = (right_ - left_) * 0.62;
        Field(left_, left_ + half - Px(6), kSheetPlayerLabel, sheet_.heading.player);
        Field(left_ + half, right_, kSheetDateLabel, sheet_.heading.date);
        y_ += row_ * kInfoRows;
        Field(left_, left_ + half - Px(6), kSheetDeckLabel, sheet_.heading.deckName);
        Text(QRectF(left_ + half, y_, right_ - left_ - half, row_ * kInfoRows), Qt::AlignLeft,
             Q(sheet_.TotalText()), Type(1.1));
        y_ += row_ * kInfoRows;
        if (!sheet_.heading.event.empty()) {
            Field(left_, right_, kSheetEventLabel, sheet_.heading.event);
            y_ += row_ * kInfoRows;
        }
    }

    // A line to sign on at the right, under the last section.
    void Signature() {
        y_ += row_ * (kSignatureRows - kInfoRows);
        Field(left_ + (right_ - left_) * 0.5, right_, kSheetSignatureLabel, std::u16string());
        y_ += row_ * kInfoRows;
    }

    void Field(double from, double to, std::u16string_view label, const std::u16string& value) {
        const QFont font = Type(1.1);
        const QString labelText = Q(label);
        const double labelWidth =
            QFontMetricsF(font, painter_.device()).horizontalAdvance(labelText);
        const double height = row_ * kInfoRows;
        Text(QRectF(from, y_, labelWidth, height), Qt::AlignLeft, labelText, font);
        const QRectF valueBox(from + labelWidth, y_, std::max(0.0, to - from - labelWidth), height);
        Text(valueBox.adjusted(Px(1), 0, 0, 0), Qt::AlignLeft, Q(value), font);
        painter_.save();
        QPen pen(Qt::black);
        pen.setWidthF(Px(0.2));
        painter_.setPen(pen);
        painter_.drawLine(valueBox.bottomLeft() - QPointF(0, row_ * 0.1),
                          valueBox.bottomRight() - QPointF(0, row_ * 0.1));
        painter_.restore();
    }

    // The cells of one line of a section: number, name, copies, points.
    void Cells(const std::array<QString, 4>& cells, const QFont& font) {
        const double copiesLeft = right_ - Px(kPointsWidth) - Px(kCopiesWidth);
        const double pointsLeft = right_ - Px(kPointsWidth);
        const double nameLeft = left_ + Px(kNameColumn);
        const double gap = Px(1.5);
        Text(QRectF(left_ + gap, y_, nameLeft - left_ - 2 * gap, row_), Qt::AlignLeft, cells[0],
             font);
        Text(QRectF(nameLeft, y_, copiesLeft - nameLeft - gap, row_), Qt::AlignLeft, cells[1],
             font);
        Text(QRectF(copiesLeft, y_, pointsLeft - copiesLeft, row_), Qt::AlignHCenter, cells[2],
             font);
        Text(QRectF(pointsLeft, y_, right_ - pointsLeft, row_), Qt::AlignHCenter, cells[3], font);
    }

    void Slice(const SheetSlice& slice) {
        const SheetSection& section = sheet_.sections[slice.section];
        const QRectF heading(left_, y_, right_ - left_, row_ * kHeadingRows);
        Text(heading, Qt::AlignLeft | Qt::AlignBottom, Q(sheet_.SliceHeading(slice)),
             Type(1.25, true));
        y_ += heading.height();

        std::array<QString, 4> titles;
        for (std::size_t i = 0; i < titles.size() && i < section.columnTitles.size(); ++i) {
            titles[i] = Q(section.columnTitles[i]);
        }
        const double titleTop = y_;
        y_ += (kColumnTitleRows - 1.0) * row_ / 2;
        Cells(titles, Type(0.95, true));
        y_ = titleTop + row_ * kColumnTitleRows;
        Rule(y_, 0.35, Qt::black);

        const QFont font = Type();
        for (std::size_t i = 0; i < slice.rowCount; ++i) {
            const SheetRow& row = section.rows[slice.firstRow + i];
            Cells({Q(row.cardNo), Q(row.name), Q(row.copies), Q(row.points)}, font);
            y_ += row_;
            Rule(y_, 0.1, QColor(150, 150, 150));
        }
        if (slice.endsSection) Tallies(section);
        y_ += row_ * kSectionGapRows;
    }

    // The section's counters on one line at the right, the last rightmost.
    void Tallies(const SheetSection& section) {
        const QFont font = Type(1.05, true);
        const QFontMetricsF metrics(font, painter_.device());
        const double spacing = Px(6);
        double x = right_ - Px(1.5);
        painter_.save();
        for (auto tally = section.tallies.rbegin(); tally != section.tallies.rend(); ++tally) {
            const QString text = Q(tally->Text());
            const double width = metrics.horizontalAdvance(text);
            painter_.setPen(tally->outsideRule ? kOutsideRuleColour : QColor(Qt::black));
            Text(QRectF(std::max(left_, x - width), y_, std::min(width, x - left_),
                        row_ * kTallyRows),
                 Qt::AlignRight, text, font);
            x -= width + spacing;
        }
        painter_.restore();
        y_ += row_ * kTallyRows;
    }

    QPainter& painter_;
    const DeckSheet& sheet_;
    double dpi_ = 72;
    double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    double row_ = 0;
    double typePoints_ = 10;
    double y_ = 0;
};

}  // namespace

void PaintSheetPage(QPainter& painter, const QRectF& paper, const DeckSheet& sheet,
                    std::size_t page) {
    if (page >= sheet.pages.size()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PagePainter(painter, paper, sheet).Paint(page);
    painter.restore();
}

QPageLayout SheetPageLayout() {
    return A4PageLayout();
}

std::size_t SheetPages::PageCount() const {
    return sheet_.pages.size();
}

void SheetPages::PaintPage(QPainter& painter, const QRectF& paper, std::size_t page) const {
    PaintSheetPage(painter, paper, sheet_, page);
}

QString SheetPages::Title() const {
    return Q(kSheetTitle);
}

QByteArray SheetPdf(const DeckSheet& sheet, const QPageLayout& layout) {
    return PagesPdf(SheetPages(sheet), layout);
}

QSize SheetImageSize() {
    return QPageSize(QPageSize::A4).sizePixels(kSheetImageDpi);
}

std::vector<QByteArray> SheetPngs(const DeckSheet& sheet) {
    std::vector<QByteArray> files;
    const QSize size = SheetImageSize();
    const int dotsPerMetre = qRound(kSheetImageDpi / 0.0254);
    for (std::size_t page = 0; page < sheet.pages.size(); ++page) {
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintSheetPage(painter, QRectF(QPointF(0, 0), QSizeF(size)), sheet, page);
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        files.push_back(std::move(bytes));
    }
    return files;
}

void PrintSheet(QPrinter& printer, const DeckSheet& sheet) {
    PrintPages(printer, SheetPages(sheet));
}

}  // namespace zemlo
