// The Qt pointer: QCursor::pos() and QApplication::widgetAt(), which honours widget masks.
#include "Pointer.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include <algorithm>

namespace pellitor::platform {

namespace {
class QtPointer final : public Pointer {
public:
    QPoint pointerPosition() const override { return QCursor::pos(); }
    QWidget* widgetAt(QPoint globalPos) const override
    {
        // Only a point inside one of our visible windows can have one of our widgets under it.
        // Asking the display server which window lies there costs a round trip, and the hover
        // poll asks 20 times a second wherever the pointer is.
        return insideOurWindow(globalPos) ? QApplication::widgetAt(globalPos) : nullptr;
    }

    bool awayFromOurWindows(QPoint globalPos) const override
    {
        return !insideOurWindow(globalPos) && !QApplication::activeModalWidget()
               && !QApplication::activePopupWidget();
    }

private:
    static bool insideOurWindow(QPoint globalPos)
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [&](const QWidget* window) {
            return window->isVisible() && window->frameGeometry().contains(globalPos);
        });
    }
};

QtPointer qtPointer;
Pointer* installed = &qtPointer;
} // namespace

Pointer& Pointer::current()
{
    return *installed;
}

Pointer* Pointer::install(Pointer* pointer)
{
    Pointer* previous = installed;
    installed = pointer ? pointer : &qtPointer;
    return previous;
}

} // namespace pellitor::platform
