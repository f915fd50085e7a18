// Where the help page lies: beside the program in a build tree, in the data folder once installed.
#pragma once

#include <QString>

namespace pellitor {

// The help page for a program in programFolder: help.htm beside it when there is one (a build
// tree), else the one in the installed data folder relative to it (bin/../share/pellitor). When
// neither exists, the path beside the program, which the opener then fails to open quietly.
QString findHelpPage(const QString& programFolder);

} // namespace pellitor
