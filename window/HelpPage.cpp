// The help page: its place, relative to the program's folder, and the error box when no program
// opens it.
#include "HelpPage.h"

#include "DocumentOpener.h"
#include "MessageBox.h"

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

void openHelpPage(QWidget* owner, const QString& path)
{
    if (platform::openDocument(owner, path))
        return;
    const QString text = QStringLiteral("No program could open the help page. It is here:\n") + QDir::toNativeSeparators(path);
    platform::MessageBox::show(text.toStdU16String(), u"Error", platform::MessageStyle::Exclamation);
}

} // namespace pellitor
