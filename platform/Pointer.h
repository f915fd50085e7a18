// The pointer and the widget under a point, behind a seam: the button's hover poll reads both
// through it, and tests install a fake that places the pointer wherever they need it.
#pragma once

#include <QPoint>

class QWidget;

namespace pellitor::platform {

class Pointer {
public:
    virtual ~Pointer() = default;

    // The pointer's position in screen pixels.
    virtual QPoint pointerPosition() const = 0;
    // The widget that would receive a click at globalPos, or nullptr. A widget with a mask
    // counts only inside its mask.
    virtual QWidget* widgetAt(QPoint globalPos) const = 0;
    // Whether globalPos lies outside every window of ours, where no widget of ours can come
    // under the pointer without Qt reporting it first (an Enter or a mouse event). Never while a
    // modal window is open, since Qt withholds those events from the windows it blocks, nor
    // while a popup holds the pointer.
    virtual bool awayFromOurWindows(QPoint globalPos) const = 0;

    // The installed implementation (the Qt one unless a test installed another).
    static Pointer& current();
    // Installs pointer (nullptr restores the Qt one) and returns the one it replaces. The caller
    // keeps ownership.
    static Pointer* install(Pointer* pointer);
};

} // namespace pellitor::platform
