// The frame of the program's fixed-size dialogs: a title bar with a close button only, as
// the dialogs the program was designed with have. A window manager that draws a minimise
// button anyway (some keep it whatever a window asks for) cannot hide a modal dialog with
// it: the dialog comes straight back, and so does the window it belongs to.
#pragma once

class QWidget;

namespace zemlo {

// Gives window the dialog frame. Its window type stays (a dialog, or a tool window kept
// beside the main window); the stay-on-top hint stays as it was.
void UseDialogFrame(QWidget* window);

}  // namespace zemlo
