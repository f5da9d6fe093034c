// A card's image as a tool tip over the card lists: resting the mouse on a catalog or deck
// list entry for half a second shows the picture of its card, at most 300 pixels high, when
// the card has an image. The picture is decoded on the loader's thread; it appears when it
// comes if the mouse still rests on the same entry. Lists of cards without images show
// nothing, as before.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QPointer>

#include "images/image_decoder.h"

class QAbstractItemView;
class QLabel;
class QTimer;

namespace zemlo {

class ImageFolder;
class ImageLoader;

class ImageToolTips : public QObject {
    Q_OBJECT
public:
    ImageToolTips(ImageFolder& folder, ImageLoader& loader, QObject* parent = nullptr);
    ~ImageToolTips() override;

    // Shows the pictures of list's entries; an entry names its card as a catalog entry does.
    void Watch(QAbstractItemView* list);

    // The picture shown now, or nullptr.
    QLabel* Shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rest(QAbstractItemView* list, const QPoint& pos, const QPoint& globalPos);
    void Leave();
    void TimeUp();
    void ImageReady(const QByteArray& key, const DecodedImage& result);
    void Show(const QImage& picture);

    ImageFolder& folder_;
    ImageLoader& loader_;
    QTimer* restTimer_;
    QPointer<QLabel> tip_;
    QPointer<QAbstractItemView> list_;
    QPersistentModelIndex entry_;
    QPoint globalPos_;
    QByteArray wanted_;
};

}  // namespace zemlo
