// Window and control sizes are designed in twips (1/1440 inch). One conversion, scaled by
// the screen's logical dpi (15 twips per pixel at 96 dpi), serves every window.
#pragma once

#include <QRect>

class QWidget;

namespace zemlo {

int TwipsToPixels(int twips);
QRect TwipsRect(int left, int top, int width, int height);
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace zemlo
