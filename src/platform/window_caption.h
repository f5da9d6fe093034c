// The caption a window manager shows for a window, written where Qt will not write it. Qt
// never sends an empty caption: it puts the application's name in the place of an empty
// title, so a window meant to carry no caption would name the program. On X11 the empty
// caption goes into the window's own name properties; where there is no such way nothing is
// written. Tests put their own writer in place of the platform's.
#pragma once

class QWidget;

namespace zemlo {

class CaptionWriter {
public:
    virtual ~CaptionWriter() = default;
    // Empties the caption of window, whose Qt title is already empty. False where the
    // platform offers no way to.
    virtual bool WriteEmptyCaption(QWidget& window) = 0;
};

// The writer in use: the platform's unless a test installed its own.
CaptionWriter& Captions();
// Installs writer (not owned); nullptr puts the platform's back.
void SetCaptionWriter(CaptionWriter* writer);

}  // namespace zemlo
