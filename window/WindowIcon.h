// The calculator's window icon, 32 x 32 and 16 x 16, shared by both windows.
#pragma once

#include <QIcon>

namespace pellitor {

QIcon calculatorIcon();

} // namespace pellitor
