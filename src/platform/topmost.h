// Keeping a window above every other window, or returning it to the normal band. The window
// is shown as part of the call.
#pragma once

class QWidget;

namespace zemlo {

void SetTopmost(QWidget* window, bool onTop);

}  // namespace zemlo
