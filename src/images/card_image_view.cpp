#include "images/card_image_view.h"

#include <QPainter>

#include "images/card_face_painter.h"
#include "images/image_decoder.h"

namespace zemlo {
namespace {

constexpr int kMargin = 6;

}  // namespace

CardImageView::CardImageView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CardImageView::ShowPicture(const QImage& picture) {
    picture_ = picture;
    showsFace_ = false;
    note_.clear();
    update();
}

void CardImageView::ShowFace(const CardFace& face, const QString& note) {
    picture_ = QImage();
    face_ = face;
    showsFace_ = true;
    note_ = note;
    update();
}

void CardImageView::ShowWaiting(const QString& note) {
    picture_ = QImage();
    showsFace_ = false;
    note_ = note;
    update();
}

void CardImageView::ShowNothing() {
    picture_ = QImage();
    showsFace_ = false;
    note_.clear();
    update();
}

QSize CardImageView::PictureBox() const {
    const QSize area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin).size();
    return (QSizeF(area.expandedTo(QSize(1, 1))) * devicePixelRatioF()).toSize();
}

QSize CardImageView::sizeHint() const {
    return QSize(315, 440);
}

void CardImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (!picture_.isNull()) {
        // Decoded for this box already; after a resize it is scaled until the new one comes.
        const QSizeF shown =
            QSizeF(FittedSize(picture_.size(), PictureBox(), true)) / devicePixelRatioF();
        const QRectF target(area.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture_);
    } else if (showsFace_) {
        PaintCardFace(painter, CardRectIn(area), face_, note_);
    } else if (!note_.isEmpty()) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(area, Qt::AlignCenter, note_);
    }
}

}  // namespace zemlo
