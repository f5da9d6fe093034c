#include "images/card_face_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "deckfile/printed_pages.h"
#include "images/proxy_sheet.h"

namespace zemlo {
namespace {

QColor KindColour(CardKind kind) {
    switch (kind) {
        case CardKind::Unit:
            return QColor(32, 72, 140);
        case CardKind::Mission:
            return QColor(34, 110, 64);
        case CardKind::Character:
            return QColor(150, 72, 24);
    }
    return QColor(80, 80, 80);
}

QString FaceText(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QFont FaceFont(double pixels, bool bold) {
    QFont font = JapaneseFont(bold);
    font.setPixelSize(std::max(1, qRound(pixels)));
    return font;
}

// Lays text out in lines of width at most; the height it takes.
double TextHeight(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(
        QRectF(0, 0, width, 1e9), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return bounds.height();
}

}  // namespace

QRectF CardRectIn(const QRectF& area) {
    const QSizeF card =
        QSizeF(kProxyWidthMm, kProxyHeightMm).scaled(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center() - QPointF(card.width() / 2, card.height() / 2), card);
}

void PaintCardFace(QPainter& painter, const QRectF& card, const CardFace& face,
                   const QString& note) {
    if (card.width() < 4 || card.height() < 4) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(card);
    const double h = card.height();
    const double margin = card.width() * 0.05;
    const QColor colour = KindColour(face.kind);

    // The card: white with a frame of its kind's colour.
    const double frame = std::max(1.0, h * 0.008);
    const QRectF inner = card.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2);
    painter.setPen(QPen(colour, frame));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(inner, h * 0.025, h * 0.025);

    // The band: kind at the left, number at the right.
    const QRectF band(inner.left() + margin / 2, inner.top() + margin / 2, inner.width() - margin,
                      h * 0.075);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(band, h * 0.012, h * 0.012);
    painter.setPen(Qt::white);
    painter.setFont(FaceFont(band.height() * 0.55, true));
    const QRectF bandText = band.adjusted(margin / 2, 0, -margin / 2, 0);
    painter.drawText(bandText, Qt::AlignLeft | Qt::AlignVCenter, FaceText(face.kindName));
    painter.drawText(bandText, Qt::AlignRight | Qt::AlignVCenter, FaceText(face.cardNo));

    // The name, up to two lines; the text follows right under it.
    const QFont nameFont = FaceFont(h * 0.055, true);
    const double nameWidth = inner.width() - 2 * margin;
    const double nameHeight =
        std::min(h * 0.15, TextHeight(FaceText(face.name), nameFont, nameWidth));
    const QRectF nameArea(inner.left() + margin, band.bottom() + margin / 2, nameWidth,
                          std::max(nameHeight, h * 0.07));
    painter.setPen(Qt::black);
    painter.setFont(nameFont);
    painter.drawText(nameArea, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                     FaceText(face.name));

    const QRectF rest(inner.left() + margin, nameArea.bottom() + margin / 2,
                      inner.width() - 2 * margin, inner.bottom() - nameArea.bottom() - margin);
    if (!face.textLines.empty()) {
        // The card's text, in the largest type that fits, down to a floor; beyond that it
        // is cut at the frame.
        QString text;
        for (const std::u16string& line : face.textLines) {
            if (!text.isEmpty()) text += QLatin1Char('\n');
            text += FaceText(line);
        }
        double pixels = h * 0.034;
        QFont font = FaceFont(pixels, false);
        while (pixels > h * 0.018 && TextHeight(text, font, rest.width()) > rest.height()) {
            pixels *= 0.92;
            font = FaceFont(pixels, false);
        }
        painter.setPen(QColor(32, 32, 32));
        painter.setFont(font);
        painter.setClipRect(rest.intersected(card));
        painter.drawText(rest, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    } else if (!note.isEmpty()) {
        painter.setPen(QColor(140, 140, 140));
        painter.setFont(FaceFont(h * 0.045, false));
        painter.drawText(rest, Qt::TextWordWrap | Qt::AlignCenter, note);
    }
    painter.restore();
}

}  // namespace zemlo
