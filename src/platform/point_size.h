// A widget's font at another point size, its family and style kept: the main window's layout
// and the catalog tabs size their captions so.
#pragma once

#include <QFont>
#include <QWidget>

namespace zemlo {

inline void SetPointSize(QWidget* widget, int points) {
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
}

}  // namespace zemlo
