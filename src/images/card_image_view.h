// The picture area of the card image window: a card's image scaled smoothly to fit, aspect
// kept, or the drawn face of a card without one.
#pragma once

#include <QImage>
#include <QWidget>

#include "images/card_face.h"

namespace zemlo {

class CardImageView : public QWidget {
    Q_OBJECT
public:
    explicit CardImageView(QWidget* parent = nullptr);

    void ShowPicture(const QImage& picture);
    // The drawn face, with a note under the name ("画像なし").
    void ShowFace(const CardFace& face, const QString& note);
    // An empty area with a short note while the card's picture is on its way: cheaper to
    // paint than a face, and no face flashes before the picture.
    void ShowWaiting(const QString& note);
    void ShowNothing();

    // The picture area in device pixels: the box a picture is fitted to.
    QSize PictureBox() const;
    bool ShowsPicture() const { return !picture_.isNull(); }
    const QImage& Picture() const { return picture_; }
    const QString& Note() const { return note_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    CardFace face_;
    bool showsFace_ = false;
    QString note_;
};

}  // namespace zemlo
