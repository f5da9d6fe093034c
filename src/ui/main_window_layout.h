// The main window's two layouts: the normal view and the compact one in its two widths.
#pragma once

namespace zemlo {

class MainWindow;

// Sizes the window and places and sizes every control for view (0 normal, 1 compact with
// the card information, 2 compact without it; any other value is the normal view).
void ArrangeMainWindow(MainWindow& window, int view);

}  // namespace zemlo
