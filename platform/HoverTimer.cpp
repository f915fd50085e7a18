// The hover timer: a handle on the shared hover clock.
#include "HoverTimer.h"

#include "HoverClock.h"

namespace pellitor::platform {

HoverTimer::HoverTimer(QObject* parent) : QObject(parent) {}

HoverTimer::~HoverTimer()
{
    stop();
}

void HoverTimer::start()
{
    if (m_active)
        return;
    m_active = true;
    HoverClock::instance().attach(this);
}

void HoverTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    HoverClock::instance().detach(this);
}

} // namespace pellitor::platform
