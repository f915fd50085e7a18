// The shared hover clock: one QTimer, one pointer read per tick, one tick to each running timer.
#include "HoverClock.h"

#include "HoverTimer.h"
#include "Pointer.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

namespace pellitor::platform {

HoverClock& HoverClock::instance()
{
    // Parented to the application so that its QTimer dies on the GUI thread, before the
    // application does.
    static QPointer<HoverClock> clock;
    if (!clock)
        clock = new HoverClock(QCoreApplication::instance());
    return *clock;
}

HoverClock::HoverClock(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(Interval);
    connect(&m_timer, &QTimer::timeout, this, &HoverClock::tick);
}

void HoverClock::attach(HoverTimer* timer)
{
    if (std::find(m_running.begin(), m_running.end(), timer) == m_running.end())
        m_running.push_back(timer);
    // A timer that starts has not seen the pointer yet (a tick restarting its own timer has).
    if (!m_ticking)
        wake();
    updateTimer();
}

void HoverClock::detach(HoverTimer* timer)
{
    m_running.erase(std::remove(m_running.begin(), m_running.end(), timer), m_running.end());
    updateTimer();
}

void HoverClock::updateTimer()
{
    // A timer stops and restarts itself inside every tick; the decision waits for the tick's end
    // so that this does not restart the clock's phase each time.
    if (m_ticking)
        return;
    if (m_running.empty() || m_resting)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}

void HoverClock::rest()
{
    if (m_resting)
        return;
    m_resting = true;
    QCoreApplication::instance()->installEventFilter(this);
}

void HoverClock::wake()
{
    if (!m_resting)
        return;
    m_resting = false;
    QCoreApplication::instance()->removeEventFilter(this);
    updateTimer();
}

bool HoverClock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
        wake();
        break;
    case QEvent::Show:
        // a window appearing may appear under the pointer, and a modal one blocks Enter events
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            wake();
        break;
    default:
        break;
    }
    return false;
}

void HoverClock::tick()
{
    if (m_running.empty() || m_ticking)
        return;
    const Pointer& pointer = Pointer::current();
    m_sample.position = pointer.pointerPosition();
    m_sample.widget = pointer.widgetAt(m_sample.position);

    // A handler may stop, start or delete any timer: walk a copy and skip those no longer running.
    m_ticking = true;
    const std::vector<QPointer<HoverTimer>> due(m_running.begin(), m_running.end());
    for (const QPointer<HoverTimer>& timer : due) {
        if (timer && timer->isActive())
            emit timer->timeout();
    }
    m_ticking = false;
    if (!m_sample.widget && pointer.awayFromOurWindows(m_sample.position))
        rest();
    updateTimer();
}

} // namespace pellitor::platform
