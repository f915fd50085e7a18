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
    if (!m_clock)
        m_clock = &HoverClock::current();
    m_clock->attach(this);
}

void HoverTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_clock)
        m_clock->detach(this);
}

const PointerSample& HoverTimer::sample() const
{
    return m_clock ? m_clock->sample() : HoverClock::current().sample();
}

} // namespace pellitor::platform
