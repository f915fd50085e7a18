// The Qt pointer: follows the enter, leave and mouse events that our windows receive, so that it
// knows the widget under the pointer without asking the display server, on X11 and on Wayland
// alike, and costs nothing while the pointer rests.
#include "Pointer.h"

#include <QApplication>
#include <QCursor>
#include <QDropEvent>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <utility>

namespace pellitor::platform {

namespace {

// Only an X server can say where the pointer is outside our windows; a Wayland client learns the
// pointer's position only from the events of its own surfaces.
bool serverKnowsThePointer()
{
    return QGuiApplication::platformName() == u"xcb";
}

QWidget* widgetOf(const QWindow* window)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return widget;
    }
    return nullptr;
}

class QtPointer final : public QObject, public Pointer {
public:
    explicit QtPointer(QObject* parent) : QObject(parent)
    {
        if (parent)
            parent->installEventFilter(this);
    }

    QPoint pointerPosition() const override { return serverKnowsThePointer() ? QCursor::pos() : m_global; }

    QWidget* widgetUnderPointer() const override
    {
        if (!m_window || !m_window->isVisible() || (m_window->windowStates() & Qt::WindowMinimized))
            return nullptr;
        QWidget* top = widgetOf(m_window);
        if (!top || !top->rect().contains(m_local))
            return nullptr;
        QWidget* child = top->childAt(m_local);
        return child ? child : top;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // Qt delivers these to a window only while no modal window blocks it.
            if (window) {
                const auto* pointerEvent = static_cast<QSinglePointEvent*>(event);
                follow(window, pointerEvent->position().toPoint(), pointerEvent->globalPosition().toPoint());
            }
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
            if (window) {
                const QPoint local = static_cast<QDropEvent*>(event)->position().toPoint();
                follow(window, local, window->mapToGlobal(local));
            }
            break;
        case QEvent::Leave: // also when a modal window blocks the window under the pointer
        case QEvent::DragLeave:
        case QEvent::Hide:
        case QEvent::Close:
            if (window && window == m_window)
                m_window = nullptr;
            changed();
            break;
        case QEvent::WindowUnblocked:
            if (!m_window && serverKnowsThePointer())
                askTheServer();
            changed();
            break;
        case QEvent::WindowStateChange:
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            // A window minimised, or a widget appearing, moving or going under a resting pointer.
            changed();
            break;
        default: break;
        }
        return false;
    }

private:
    void follow(QWindow* window, QPoint local, QPoint global)
    {
        m_window = window;
        m_local = local;
        m_global = global;
        changed();
    }

    // The pointer moved while a modal window blocked ours; only the server saw where to.
    void askTheServer()
    {
        m_global = QCursor::pos();
        if (QWindow* window = QGuiApplication::topLevelAt(m_global)) {
            m_window = window;
            m_local = window->mapFromGlobal(m_global);
        }
    }

    QPointer<QWindow> m_window; // the window of ours the pointer is over, or null
    QPoint m_local;             // the pointer in m_window's coordinates
    QPoint m_global;            // and in screen coordinates, as the last event gave it
};

QPointer<QtPointer> tracker;
std::function<void()> listener;
} // namespace

Pointer& Pointer::standard()
{
    // Parented to the application, so that it stops watching before the application ends.
    if (!tracker)
        tracker = new QtPointer(QCoreApplication::instance());
    return *tracker;
}

void Pointer::startTracking()
{
    standard();
}

void Pointer::setChangeListener(std::function<void()> newListener)
{
    listener = std::move(newListener);
}

void Pointer::changed()
{
    if (listener)
        listener();
}

} // namespace pellitor::platform
