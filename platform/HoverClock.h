// One 50 ms clock for every hover timer of the process: a window full of buttons costs one
// timer and one pointer read per tick, not one of each per button.
//
// While the pointer is away from every window of ours, a tick can change nothing: every timer
// has seen that nothing of ours is under the pointer, and only Qt can tell that this changes.
// The clock then rests: it stops its timer, and the next Enter, mouse or window-shown event
// (or a timer started, or wake()) resumes the ticks.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace pellitor::platform {

class HoverTimer;

// What the pointer was over at the start of the current tick.
struct PointerSample {
    QPoint position;          // screen pixels
    QPointer<QWidget> widget; // the widget under position, or null
};

class HoverClock final : public QObject {
    Q_OBJECT
public:
    static constexpr int Interval = 50; // milliseconds

    // The clock of the running application, created on first use and owned by the application.
    static HoverClock& instance();

    // The pointer as read at the start of the tick being delivered (or the last one).
    const PointerSample& sample() const { return m_sample; }
    // Whether the underlying 50 ms timer runs: while at least one hover timer runs and the
    // clock is not resting.
    bool isRunning() const { return m_timer.isActive(); }
    bool isResting() const { return m_resting; }

    // Something a tick acts on changed (a button became enabled): resume the ticks if resting.
    void wake();

    // Reads the pointer once and delivers one tick to every running hover timer. The 50 ms
    // timer calls it; tests call it to step the poll without waiting.
    void tick();

private:
    friend class HoverTimer;
    explicit HoverClock(QObject* parent);
    void attach(HoverTimer* timer);
    void detach(HoverTimer* timer);
    void updateTimer();
    void rest();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QTimer m_timer;
    std::vector<HoverTimer*> m_running;
    PointerSample m_sample;
    bool m_ticking = false;
    bool m_resting = false;
};

} // namespace pellitor::platform
