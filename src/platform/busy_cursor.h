// The hourglass while a piece of work runs; restored when the scope ends, even early.
#pragma once

#include <QApplication>
#include <QCursor>

namespace zemlo {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace zemlo
