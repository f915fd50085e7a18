// Whether a widget's window is blocked by a modal window, as Qt decides it for the mouse and the
// keyboard: calls that reach a widget in another way (an assistive tool's action) ask this first.
#pragma once

class QWidget;

namespace pellitor::platform {

// True while the topmost modal window blocks widget's window: an application-modal window blocks
// every window except itself and the windows it owns; a window-modal one blocks the windows that
// own it.
bool isBlockedByModalWindow(const QWidget* widget);

} // namespace pellitor::platform
