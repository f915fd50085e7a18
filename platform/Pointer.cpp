// The Qt pointer: QCursor::pos() and QApplication::widgetAt(), which honours widget masks.
#include "Pointer.h"

#include <QApplication>
#include <QCursor>

namespace pellitor::platform {

namespace {
class QtPointer final : public Pointer {
public:
    QPoint pointerPosition() const override { return QCursor::pos(); }
    QWidget* widgetAt(QPoint globalPos) const override { return QApplication::widgetAt(globalPos); }
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
