// The proxy sheet as printed pages: each proxy at the size of a real card, its image fitted
// in (at most 300 dpi, as the loader decoded it) or its drawn face with its text, and the
// cut marks of the page.
#pragma once

#include <QImage>
#include <map>
#include <string>
#include <vector>

#include "carddb/card_database.h"
#include "deckfile/printed_pages.h"
#include "images/card_face.h"
#include "images/proxy_sheet.h"

namespace zemlo {

// The pixel size a proxy image is decoded to at most: the card at kProxyImageDpi.
QSize ProxyImageBox();

class ProxyPages : public PrintedPages {
public:
    // images holds the pictures of the cards that have one, by card number; every other
    // card gets its face from db.
    ProxyPages(const CardDatabase& db, std::vector<ProxyCard> cards,
               std::map<std::u16string, QImage> images);

    std::size_t PageCount() const override;
    void PaintPage(QPainter& painter, const QRectF& paper, std::size_t page) const override;
    QString Title() const override;

    const std::vector<ProxyCard>& Cards() const { return cards_; }
    // The picture of a card, or a null image where its face is drawn.
    QImage ImageOf(const std::u16string& cardNo) const;

private:
    std::vector<ProxyCard> cards_;
    std::map<std::u16string, QImage> images_;
    std::map<std::u16string, CardFace> faces_;
};

}  // namespace zemlo
