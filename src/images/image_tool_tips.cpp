#include "images/image_tool_tips.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "carddb/entry_roles.h"
#include "images/image_folder.h"
#include "images/image_limits.h"
#include "images/image_loader.h"

namespace zemlo {
namespace {

// The tip stands this far below and right of the mouse, as the desktop's tool tips do.
const QPoint kTipOffset(12, 16);

QSize TipBox() {
    return QSize(2 * kToolTipImageHeight, kToolTipImageHeight);
}

}  // namespace

ImageToolTips::ImageToolTips(ImageFolder& folder, ImageLoader& loader, QObject* parent)
    : QObject(parent), folder_(folder), loader_(loader) {
    restTimer_ = new QTimer(this);
    restTimer_->setSingleShot(true);
    restTimer_->setInterval(kToolTipDelayMs);
    connect(restTimer_, &QTimer::timeout, this, &ImageToolTips::TimeUp);
    connect(&loader_, &ImageLoader::imageReady, this, &ImageToolTips::ImageReady);
}

ImageToolTips::~ImageToolTips() {
    delete tip_;
}

void ImageToolTips::Watch(QAbstractItemView* list) {
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(this);
}

QLabel* ImageToolTips::Shown() const {
    return tip_ != nullptr && tip_->isVisible() ? tip_.data() : nullptr;
}

bool ImageToolTips::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QAbstractItemView*>(watched->parent());
    if (list == nullptr) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (move->buttons() == Qt::NoButton) {
                Rest(list, move->position().toPoint(), move->globalPosition().toPoint());
            } else {
                Leave();
            }
            break;
        }
        case QEvent::ToolTip:
            // The picture is this entry's tool tip: no other one covers it.
            if (Shown() != nullptr) return true;
            break;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::Hide:
            Leave();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void ImageToolTips::Rest(QAbstractItemView* list, const QPoint& pos, const QPoint& globalPos) {
    const QModelIndex entry = list->indexAt(pos);
    globalPos_ = globalPos;
    if (list == list_ && entry == entry_ && entry.isValid()) return;
    Leave();
    if (!entry.isValid()) return;
    list_ = list;
    entry_ = entry;
    restTimer_->start();
}

void ImageToolTips::Leave() {
    restTimer_->stop();
    list_ = nullptr;
    entry_ = QPersistentModelIndex();
    // A picture not yet begun is no longer wanted.
    if (!wanted_.isEmpty()) loader_.Forget(ImageUse::ToolTip);
    wanted_.clear();
    if (tip_ != nullptr) tip_->hide();
}

void ImageToolTips::TimeUp() {
    if (list_ == nullptr || !entry_.isValid()) return;
    const std::u16string cardNo = CardNoAt(entry_);
    const ImageFile* file = folder_.Find(cardNo);
    if (file == nullptr) return;  // a card without an image shows no tip
    wanted_ = ImageLoader::KeyOf(*file, TipBox(), false);
    if (const DecodedImage* cached = loader_.Cached(wanted_)) {
        ImageReady(wanted_, *cached);
    } else {
        loader_.Request(ImageUse::ToolTip, *file, TipBox(), false);
    }
}

void ImageToolTips::ImageReady(const QByteArray& key, const DecodedImage& result) {
    if (key != wanted_ || list_ == nullptr) return;
    // An image that cannot be read shows nothing here; the card image window tells why.
    if (!result.image.isNull()) Show(result.image);
}

void ImageToolTips::Show(const QImage& picture) {
    if (tip_ == nullptr) {
        tip_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        tip_->setObjectName("tipCardImage");
        tip_->setAttribute(Qt::WA_TransparentForMouseEvents);
        tip_->setMargin(1);
        tip_->setStyleSheet(QStringLiteral("QLabel { background: black; }"));
    }
    tip_->setPixmap(QPixmap::fromImage(picture));
    tip_->adjustSize();
    QPoint place = globalPos_ + kTipOffset;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos_)) {
        const QRect area = screen->availableGeometry();
        // Kept on the screen: above or left of the mouse where it would run off.
        if (place.x() + tip_->width() > area.right())
            place.setX(globalPos_.x() - tip_->width() - 4);
        if (place.y() + tip_->height() > area.bottom()) {
            place.setY(globalPos_.y() - tip_->height() - 4);
        }
        place.setX(std::max(place.x(), area.left()));
        place.setY(std::max(place.y(), area.top()));
    }
    tip_->move(place);
    tip_->show();
}

}  // namespace zemlo
