#include "images/proxy_pages.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "images/card_face_painter.h"
#include "images/image_decoder.h"
#include "images/image_limits.h"

namespace zemlo {
namespace {

constexpr double kMillimetresPerInch = 25.4;
// Cut marks are hairlines a printer still draws: 0.2 mm.
constexpr double kCutMarkWidthMm = 0.2;

}  // namespace

QSize ProxyImageBox() {
    return QSize(qRound(kProxyWidthMm / kMillimetresPerInch * kProxyImageDpi),
                 qRound(kProxyHeightMm / kMillimetresPerInch * kProxyImageDpi));
}

ProxyPages::ProxyPages(const CardDatabase& db, std::vector<ProxyCard> cards,
                       std::map<std::u16string, QImage> images)
    : cards_(std::move(cards)), images_(std::move(images)) {
    for (const ProxyCard& card : cards_) {
        if (images_.count(card.cardNo) == 0 && faces_.count(card.cardNo) == 0) {
            faces_.emplace(card.cardNo, MakeCardFace(db, card.kind, card.cardNo, true));
        }
    }
}

std::size_t ProxyPages::PageCount() const {
    return ProxyPageCount(cards_.size());
}

QString ProxyPages::Title() const {
    return QStringLiteral("ZEMLOSAGA ﾌﾟﾛｷｼ");
}

QImage ProxyPages::ImageOf(const std::u16string& cardNo) const {
    const auto found = images_.find(cardNo);
    return found == images_.end() ? QImage() : found->second;
}

void ProxyPages::PaintPage(QPainter& painter, const QRectF& paper, std::size_t page) const {
    const std::size_t first = page * kProxiesPerPage;
    if (first >= cards_.size()) return;
    const std::size_t count = std::min(kProxiesPerPage, cards_.size() - first);
    // Cards keep their real size on any paper, the A4 block centred on it.
    const double perMm = painter.device()->logicalDpiX() / kMillimetresPerInch;
    const QPointF origin(paper.left() + (paper.width() - kPaperWidthMm * perMm) / 2,
                         paper.top() + (paper.height() - kPaperHeightMm * perMm) / 2);
    const auto onPaper = [&](double x, double y) { return origin + QPointF(x * perMm, y * perMm); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t slot = 0; slot < count; ++slot) {
        const ProxyCard& card = cards_[first + slot];
        const PaperRect place = ProxyPlace(slot);
        const QRectF cell(onPaper(place.left, place.top),
                          QSizeF(place.width * perMm, place.height * perMm));
        const auto image = images_.find(card.cardNo);
        if (image != images_.end()) {
            const QSizeF shown =
                QSizeF(image->second.size()).scaled(cell.size(), Qt::KeepAspectRatio);
            painter.drawImage(
                QRectF(cell.center() - QPointF(shown.width() / 2, shown.height() / 2), shown),
                image->second);
        } else {
            PaintCardFace(painter, cell, faces_.at(card.cardNo));
        }
    }
    painter.setPen(QPen(Qt::black, kCutMarkWidthMm * perMm));
    for (const PaperLine& mark : ProxyCutMarks(count)) {
        painter.drawLine(onPaper(mark.x1, mark.y1), onPaper(mark.x2, mark.y2));
    }
    // The page's number under the cut marks.
    QFont font = JapaneseFont();
    font.setPixelSize(std::max(1, qRound(2.5 * perMm)));
    painter.setFont(font);
    painter.setPen(QColor(96, 96, 96));
    const QRectF footer(onPaper(0, kPaperHeightMm - 9), QSizeF(kPaperWidthMm * perMm, 5 * perMm));
    painter.drawText(footer, Qt::AlignCenter,
                     QStringLiteral("%1  %2 / %3").arg(Title()).arg(page + 1).arg(PageCount()));
    painter.restore();
}

}  // namespace zemlo
