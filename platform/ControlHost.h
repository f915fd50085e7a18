// The services a window offers the controls it hosts: change notification, the run-mode test,
// the display name, and the control's extent in the stored layout.
#pragma once

#include <QSize>
#include <QString>

namespace pellitor::platform {

class PropertyBag;

class ControlHost {
public:
    virtual ~ControlHost() = default;

    // A property of the control changed; the host marks its layout as modified.
    virtual void propertyChanged(const QString& name) = 0;
    // True in a running program, false in a form designer.
    virtual bool userMode() const = 0;
    // The instance's name in its window, such as "XPButton7".
    virtual QString displayName() const = 0;
};

// The host's own keys "_extentx" and "_extenty": the control's size in HIMETRIC (1/100 mm) at
// 96 pixels per inch, always stored.
void writeExtent(PropertyBag& bag, QSize pixels);
// The size stored by writeExtent, in pixels; fallback when either key is missing.
QSize readExtent(const PropertyBag& bag, QSize fallback);

} // namespace pellitor::platform
