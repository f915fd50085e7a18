// The help page's place, relative to the program's folder.
#include "HelpPage.h"

#include <QDir>
#include <QFileInfo>

namespace pellitor {

QString findHelpPage(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("help.htm"));
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(PELLITOR_DATA_FROM_BINDIR "/help.htm")));
    return QFileInfo(installed).isFile() ? installed : beside;
}

} // namespace pellitor
