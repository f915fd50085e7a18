// The pointer and the widget under it, behind a seam: the button's hover poll reads both through
// it, and tests install a fake that places the pointer wherever they need it.
#pragma once

#include <QPoint>

#include <functional>

class QWidget;

namespace pellitor::platform {

class Pointer {
public:
    virtual ~Pointer() = default;

    // The pointer's position in screen pixels, as well as the platform can tell it.
    virtual QPoint pointerPosition() const = 0;
    // The deepest widget of ours under the pointer (a widget with a mask only inside its mask), or
    // nullptr when the pointer is over no window of ours, over one that is hidden or minimised, or
    // over one that a modal window blocks.
    virtual QWidget* widgetUnderPointer() const = 0;

    // The installed implementation (the Qt one unless a test installed another).
    static Pointer& current();
    // Installs pointer (nullptr restores the Qt one) and returns the one it replaces (nullptr for
    // the Qt one). The caller keeps ownership.
    static Pointer* install(Pointer* pointer);

    // Starts following the pointer events of our windows; the Qt implementation learns where the
    // pointer is from them, so it must watch before the first window is shown.
    static void startTracking();
    // Called after anything that may change what lies under the pointer; the hover clock listens.
    static void setChangeListener(std::function<void()> listener);

protected:
    static void changed();
};

} // namespace pellitor::platform
