#include "platform/topmost.h"

#include <QWidget>

namespace zemlo {

void SetTopmost(QWidget* window, bool onTop) {
    if (window == nullptr) return;
    // Changing the flag recreates the native window hidden; showing it brings it back.
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
    window->show();
    window->raise();
}

}  // namespace zemlo
