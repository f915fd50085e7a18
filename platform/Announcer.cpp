// The announcement seam: Qt's accessibility bridge unless a recorder is installed.
#include "Announcer.h"

#include <QAccessible>

namespace pellitor::platform {

namespace {
class BridgeAnnouncer final : public Announcer {
public:
    void announce(QAccessibleEvent& event) override { QAccessible::updateAccessibility(&event); }
};
} // namespace

bool Announcer::listening()
{
    return installed() || QAccessible::isActive();
}

void Announcer::send(QAccessibleEvent& event)
{
    current().announce(event);
}

Announcer& Announcer::standard()
{
    static BridgeAnnouncer bridge;
    return bridge;
}

} // namespace pellitor::platform
