// A 50 ms timer that ticks from the shared hover clock; it behaves like a timer of its own
// (start, stop, timeout) but costs no timer of its own.
#pragma once

#include "HoverClock.h"

#include <QObject>
#include <QPointer>

#include <cstdint>

namespace pellitor::platform {

class HoverTimer final : public QObject {
    Q_OBJECT
public:
    explicit HoverTimer(QObject* parent = nullptr);
    ~HoverTimer() override;

    void start();
    void stop();
    bool isActive() const { return m_active; }
    // The pointer as read at the start of the tick being delivered (or the last one).
    const PointerSample& sample() const;

signals:
    // Delivered on the clock's tick while running.
    void timeout();

private:
    friend class HoverClock;
    // The clock it runs on: the current one when it first started.
    QPointer<HoverClock> m_clock;
    bool m_active = false;
    // The clock's change count at the last tick this timer had (0: none since it started).
    std::uint64_t m_seen = 0;
};

} // namespace pellitor::platform
