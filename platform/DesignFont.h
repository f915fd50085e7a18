// The windows' design font: Tahoma 8.25 pt, shipped by the system outside the font path.
#pragma once

#include <QFont>

namespace pellitor::platform {

// Registers Tahoma with the application when its file is present; a missing file is not an
// error (Qt then picks its nearest sans-serif). Safe to call more than once.
void registerDesignFonts();
// Tahoma, 8.25 points, regular.
QFont designFont();

} // namespace pellitor::platform
