#include "platform/window_frame.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace zemlo {
namespace {

// Brings a modal dialog back when the window manager minimised it. A dialog that is not
// modal is left alone: the name search window hides and returns with the main window.
class RefuseMinimise : public QObject {
public:
    explicit RefuseMinimise(QWidget* window) : QObject(window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowStateChange &&
            window_->isMinimized() && window_->isModal()) {
            // Not inside the state change itself: the window manager finishes it first.
            QTimer::singleShot(0, window_, [window = window_] {
                if (window->isMinimized()) window->showNormal();
            });
        }
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void UseDialogFrame(QWidget* window) {
    if (window == nullptr) return;
    Qt::WindowFlags type = window->windowFlags() & Qt::WindowType_Mask;
    if (type == Qt::Widget) type = Qt::Dialog;
    const Qt::WindowFlags onTop = window->windowFlags() & Qt::WindowStaysOnTopHint;
    window->setWindowFlags(type | onTop | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->installEventFilter(new RefuseMinimise(window));
}

}  // namespace zemlo
