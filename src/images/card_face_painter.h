// Drawing the face of a card that has no image: a frame in the colour of its kind, the kind
// and the number on a band at the top, the name in large type under it, and below that the
// card's text (on a proxy) or a short note (in the card image window). Sizes follow the
// card's rectangle, so the same face serves the screen and a 300 dpi page.
#pragma once

#include <QRectF>
#include <QString>

#include "images/card_face.h"

class QPainter;

namespace zemlo {

void PaintCardFace(QPainter& painter, const QRectF& card, const CardFace& face,
                   const QString& note = QString());

// The largest rectangle of a card's proportions (63 x 88) centred in area.
QRectF CardRectIn(const QRectF& area);

}  // namespace zemlo
