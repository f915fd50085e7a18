// The classic desktop's numbers for keys, shift states and mouse buttons, as the button's key
// and mouse events carry them.
#pragma once

#include <Qt>
#include <QtGlobal>

namespace pellitor::platform {

// The virtual-key code of a Qt key: letters and digits are their upper-case ASCII codes, Space
// is 32, Enter 13, F1 112, the numeric keypad's digits 96 to 105; 0 for keys it has none for.
qint16 virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift 1, Ctrl 2, Alt 4, added together.
qint16 shiftState(Qt::KeyboardModifiers modifiers);
// Left 1, right 2, middle 4, added together.
qint16 mouseButtons(Qt::MouseButtons buttons);

} // namespace pellitor::platform
