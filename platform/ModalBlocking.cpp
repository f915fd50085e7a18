// Modal blocking read from Qt's public state: the topmost modal widget and the owner chains.
#include "ModalBlocking.h"

#include <QApplication>
#include <QWidget>

namespace pellitor::platform {

namespace {
// owner is window or owns it, through parents across windows.
bool owns(const QWidget* owner, const QWidget* window)
{
    for (const QWidget* w = window; w; w = w->parentWidget()) {
        if (w == owner)
            return true;
    }
    return false;
}
} // namespace

bool isBlockedByModalWindow(const QWidget* widget)
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (!widget || !modal)
        return false;
    const QWidget* window = widget->window();
    if (modal->windowModality() == Qt::WindowModal)
        return window != modal && owns(window, modal);
    return !owns(modal, window);
}

} // namespace pellitor::platform
