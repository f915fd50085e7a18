// The shared hover clock: one QTimer, one pointer read per tick, one tick to each running timer,
// and no ticks once every timer has seen the last change.
#include "HoverClock.h"

#include "HoverTimer.h"
#include "Pointer.h"

#include <QCoreApplication>

#include <algorithm>

namespace pellitor::platform {

namespace {
QPointer<HoverClock> applicationClock;

// A change of the pointer wakes the clock in use; before the first one exists there is none.
void wakeCurrentClock()
{
    if (HoverClock* clock = HoverClock::installed() ? HoverClock::installed() : applicationClock.data())
        clock->wake();
}
} // namespace

HoverClock& HoverClock::standard()
{
    // Parented to the application so that its QTimer dies on the GUI thread, before the
    // application does.
    if (!applicationClock)
        applicationClock = new HoverClock(QCoreApplication::instance());
    return *applicationClock;
}

HoverClock::HoverClock(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(Interval);
    connect(&m_timer, &QTimer::timeout, this, &HoverClock::tick);
    Pointer::setChangeListener(&wakeCurrentClock);
    Pointer::startTracking();
}

void HoverClock::attach(HoverTimer* timer)
{
    if (std::find(m_running.begin(), m_running.end(), timer) == m_running.end())
        m_running.push_back(timer);
    // A timer restarted by the handler of its own tick has seen the pointer; any other has not.
    if (timer != m_delivering)
        timer->m_seen = 0;
    startIfDue();
}

void HoverClock::detach(HoverTimer* timer)
{
    // The clock's timer stops at its next tick if nothing is left to tell.
    m_running.erase(std::remove(m_running.begin(), m_running.end(), timer), m_running.end());
}

bool HoverClock::due() const
{
    return std::any_of(m_running.begin(), m_running.end(),
                       [this](const HoverTimer* timer) { return timer->m_seen != m_changes; });
}

void HoverClock::startIfDue()
{
    if (!m_timer.isActive() && due())
        m_timer.start();
}

void HoverClock::wake()
{
    ++m_changes;
    startIfDue();
}

void HoverClock::tick()
{
    // Stopped, the timer may start again inside a handler's nested event loop: Qt never fires a
    // timer whose own timeout is still running.
    m_timer.stop();
    const std::uint64_t changes = m_changes;
    const Pointer& pointer = Pointer::current();
    const PointerSample sample{pointer.pointerPosition(), pointer.widgetUnderPointer()};

    // A handler may stop, start or delete any timer, or run a nested event loop whose ticks tell
    // the other timers of newer changes: walk a copy, and skip a timer that is no longer running
    // or that a nested tick has told more than this one could.
    const std::vector<QPointer<HoverTimer>> running(m_running.begin(), m_running.end());
    const HoverTimer* const outer = m_delivering;
    for (const QPointer<HoverTimer>& timer : running) {
        if (!timer || !timer->isActive() || timer->m_seen > changes)
            continue;
        timer->m_seen = changes;
        m_sample = sample;
        m_delivering = timer;
        emit timer->timeout();
    }
    m_delivering = outer;
    startIfDue();
}

} // namespace pellitor::platform
