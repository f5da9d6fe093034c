// The colours of the collection's marks: copies owned in grey beside the catalogs' entries,
// and what a deck lacks in the missing colour (an orange apart from the rules' red).
#pragma once

#include <QColor>

namespace zemlo {

inline QColor OwnedGrey() {
    return QColor(128, 128, 128);
}

inline QColor MissingColour() {
    return QColor(204, 85, 0);
}

}  // namespace zemlo
