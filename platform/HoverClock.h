// One 50 ms clock for every hover timer of the process: a window full of buttons costs one
// timer and one pointer read per tick, not one of each per button.
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
    // Whether the underlying 50 ms timer runs: exactly while at least one hover timer runs.
    bool isRunning() const { return m_timer.isActive(); }

    // Reads the pointer once and delivers one tick to every running hover timer. The 50 ms
    // timer calls it; tests call it to step the poll without waiting.
    void tick();

private:
    friend class HoverTimer;
    explicit HoverClock(QObject* parent);
    void attach(HoverTimer* timer);
    void detach(HoverTimer* timer);
    void updateTimer();

    QTimer m_timer;
    std::vector<HoverTimer*> m_running;
    PointerSample m_sample;
    bool m_ticking = false;
};

} // namespace pellitor::platform
