// Where the help page lies: beside the program in a build tree, in the data folder once installed;
// in the window's language where a translated page exists.
#pragma once

#include <QString>

class QWidget;

namespace pellitor {

// The help page for a program in programFolder, for a window in language ("de", "pt_BR"; empty
// for English): help_<language>.htm, else help_<the language without its region>.htm, else
// help.htm, each beside the program (a build tree) or in the installed data folder relative to
// it (bin/../share/pellitor). When none exists, the path of help.htm beside the program, which
// the opener then fails to open quietly.
QString findHelpPage(const QString& programFolder, const QString& language = QString());

// Opens the help page at path for owner, at its section (an element's id) where one is named. When
// no program could open it, an error box says so and where the page is, so the user can open it by
// hand.
void openHelpPage(QWidget* owner, const QString& path, const QString& section = QString());

} // namespace pellitor
