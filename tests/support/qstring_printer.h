// Readable failure messages for Qt texts: GoogleTest finds this printer for QString (which
// lives in the global namespace) instead of dumping its bytes.
#pragma once

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}
