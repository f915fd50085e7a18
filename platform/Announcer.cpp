// The announcement seam: Qt's accessibility bridge unless a recorder is installed.
#include "Announcer.h"

#include <QAccessible>

namespace pellitor::platform {

namespace {
Announcer* installed = nullptr;
} // namespace

bool Announcer::listening()
{
    return installed || QAccessible::isActive();
}

void Announcer::send(QAccessibleEvent& event)
{
    if (installed)
        installed->announce(event);
    else
        QAccessible::updateAccessibility(&event);
}

Announcer* Announcer::install(Announcer* announcer)
{
    Announcer* previous = installed;
    installed = announcer;
    return previous;
}

} // namespace pellitor::platform
