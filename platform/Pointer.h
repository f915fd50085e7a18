// The pointer and the widget under it, behind a seam: the button's hover poll reads both through
// it, and tests install a fake that places the pointer wherever they need it.
#pragma once

#include "Installable.h"

#include <QPoint>

#include <functional>

class QWidget;

namespace pellitor::platform {

class Pointer : public Installable<Pointer> {
public:
    virtual ~Pointer() = default;

    // The pointer's position in screen pixels, as well as the platform can tell it.
    virtual QPoint pointerPosition() const = 0;
    // The deepest widget of ours under the pointer (a widget with a mask only inside its mask), or
    // nullptr when the pointer is over no window of ours, over one that is hidden or minimised, or
    // over one that a modal window blocks.
    virtual QWidget* widgetUnderPointer() const = 0;

    // Starts following the pointer events of our windows; the Qt implementation learns where the
    // pointer is from them, so it must watch before the first window is shown.
    static void startTracking();
    // Called after anything that may change what lies under the pointer; the hover clock listens.
    static void setChangeListener(std::function<void()> listener);

protected:
    static void changed();

private:
    friend class Installable<Pointer>;
    // The default is the Qt pointer, which follows our windows' events.
    static Pointer& standard();
};

} // namespace pellitor::platform
