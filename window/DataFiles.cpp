// Finding a data file or folder beside the program or in its installed data folder.
#include "DataFiles.h"

#include <QDir>
#include <QFileInfo>

namespace pellitor {

namespace {
template <class Accept>
QString find(const QString& programFolder, const QString& name, Accept accept)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(name);
    if (accept(QFileInfo(beside)))
        return beside;
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral(PELLITOR_DATA_FROM_BINDIR "/") + name));
    return accept(QFileInfo(installed)) ? installed : QString();
}
} // namespace

QString findDataFile(const QString& programFolder, const QString& name)
{
    return find(programFolder, name, [](const QFileInfo& info) { return info.isFile(); });
}

QString findDataFolder(const QString& programFolder, const QString& name)
{
    return find(programFolder, name, [](const QFileInfo& info) { return info.isDir(); });
}

} // namespace pellitor
