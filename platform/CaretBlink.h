// Stops the caret of every text box blinking after a spell without input, as desktops do, so that
// an idle window repaints nothing; the next key, click or focus change brings the blinking back.
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace pellitor::platform {

class CaretBlinkTimeout final : public QObject {
public:
    static constexpr std::chrono::milliseconds DefaultTimeout{10000};

    // Watches the application's input from now on; the caret blinks as the desktop says until
    // timeout passes without input.
    explicit CaretBlinkTimeout(std::chrono::milliseconds timeout = DefaultTimeout, QObject* parent = nullptr);
    // Leaves the caret blinking as the desktop says.
    ~CaretBlinkTimeout() override;

    bool isBlinkingStopped() const { return m_stopped; }

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void stopBlinking();
    void resumeBlinking();

    QTimer m_timer;
    int m_flashTime;
    bool m_stopped = false;
};

} // namespace pellitor::platform
