// The caret's blink timeout: one single-shot timer restarted by every input event.
#include "CaretBlink.h"

#include <QApplication>
#include <QEvent>

namespace pellitor::platform {

CaretBlinkTimeout::CaretBlinkTimeout(std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent), m_flashTime(QApplication::cursorFlashTime())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeout);
    connect(&m_timer, &QTimer::timeout, this, &CaretBlinkTimeout::stopBlinking);
    QCoreApplication::instance()->installEventFilter(this);
    m_timer.start();
}

CaretBlinkTimeout::~CaretBlinkTimeout()
{
    resumeBlinking();
}

bool CaretBlinkTimeout::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
    case QEvent::TouchBegin:
        // Text boxes read the flash time again when it changes, and on focus in, which comes
        // after the key or click that moves the focus.
        resumeBlinking();
        m_timer.start();
        break;
    default: break;
    }
    return false;
}

void CaretBlinkTimeout::stopBlinking()
{
    if (m_stopped)
        return;
    m_flashTime = QApplication::cursorFlashTime();
    m_stopped = true;
    // 0: the caret shows steadily.
    QApplication::setCursorFlashTime(0);
}

void CaretBlinkTimeout::resumeBlinking()
{
    if (!m_stopped)
        return;
    m_stopped = false;
    QApplication::setCursorFlashTime(m_flashTime);
}

} // namespace pellitor::platform
