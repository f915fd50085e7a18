// Where the help page lies: beside the program in a build tree, in the data folder once installed.
#pragma once

#include <QString>

class QWidget;

namespace pellitor {

// The help page for a program in programFolder: help.htm beside it when there is one (a build
// tree), else the one in the installed data folder relative to it (bin/../share/pellitor). When
// neither exists, the path beside the program, which the opener then fails to open quietly.
QString findHelpPage(const QString& programFolder);

// Opens the help page at path for owner. When no program could open it, an error box says so and
// where the page is, so the user can open it by hand.
void openHelpPage(QWidget* owner, const QString& path);

} // namespace pellitor
