// One 50 ms clock for every hover timer of the process: a window full of buttons costs one timer
// and one pointer read per tick, not one of each per button.
//
// A tick can only tell a timer something new after something changed: the pointer moved, entered
// or left a window of ours, a window or widget appeared, went or moved, a button became enabled,
// a timer started. Each change wakes the clock; it ticks every 50 ms until every running timer has
// had a tick since the last change, then stops. So nothing polls while nothing moves, and a change
// still reaches every timer within one interval.
#pragma once

#include "Installable.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace pellitor::platform {

class HoverTimer;

// What the pointer was over at the start of the current tick.
struct PointerSample {
    QPoint position;          // screen pixels
    QPointer<QWidget> widget; // the widget under position, or null
};

// current() is the clock that hover timers start on: the application's, created on first use and
// owned by the application, unless another is installed.
class HoverClock final : public QObject, public Installable<HoverClock> {
    Q_OBJECT
public:
    static constexpr int Interval = 50; // milliseconds

    explicit HoverClock(QObject* parent = nullptr);

    // The pointer as read at the start of the tick being delivered (or the last one).
    const PointerSample& sample() const { return m_sample; }
    // Whether the 50 ms timer runs: while a running hover timer has not had a tick since the
    // last change.
    bool isRunning() const { return m_timer.isActive(); }

    // Something a tick acts on may have changed: tick until every running timer has seen it.
    void wake();

    // Reads the pointer once and delivers one tick to every running hover timer. The 50 ms
    // timer calls it; tests call it to step the poll without waiting. A handler may run a nested
    // event loop (a modal window): the ticks go on meanwhile for every other timer.
    void tick();

private:
    friend class HoverTimer;
    friend class Installable<HoverClock>;
    static HoverClock& standard();
    void attach(HoverTimer* timer);
    void detach(HoverTimer* timer);
    bool due() const;
    void startIfDue();

    QTimer m_timer;
    std::vector<HoverTimer*> m_running;
    PointerSample m_sample;
    // Counts the changes; each timer remembers the count of the last tick it had.
    std::uint64_t m_changes = 1;
    // The timer whose tick is being delivered (innermost, when a handler nests ticks).
    const HoverTimer* m_delivering = nullptr;
};

} // namespace pellitor::platform
