// Where the files that the window reads at run time lie: beside the program in a build tree, in
// the data folder once installed.
#pragma once

#include <QString>

namespace pellitor {

// The path of the file name (relative) for a program in programFolder: beside the program when
// it is there (a build tree), else in the installed data folder relative to it
// (bin/../share/pellitor). Empty when it is in neither.
QString findDataFile(const QString& programFolder, const QString& name);
// The same for a folder.
QString findDataFolder(const QString& programFolder, const QString& name);

} // namespace pellitor
