// The help page's place, relative to the program's folder, and its language; and the error box
// when no program opens it.
#include "HelpPage.h"

#include "DataFiles.h"
#include "DocumentOpener.h"
#include "MessageBox.h"

#include <QDir>
#include <QStringList>
#include <QUrl>

namespace pellitor {

QString findHelpPage(const QString& programFolder, const QString& language)
{
    QStringList names;
    if (!language.isEmpty()) {
        names << QStringLiteral("help_%1.htm").arg(language);
        const QString withoutRegion = language.section(u'_', 0, 0);
        if (withoutRegion != language)
            names << QStringLiteral("help_%1.htm").arg(withoutRegion);
    }
    names << QStringLiteral("help.htm");
    for (const QString& name : names) {
        const QString found = findDataFile(programFolder, name);
        if (!found.isEmpty())
            return found;
    }
    return QDir(programFolder).filePath(QStringLiteral("help.htm"));
}

void openHelpPage(QWidget* owner, const QString& path, const QString& section)
{
    QUrl page = QUrl::fromLocalFile(path);
    page.setFragment(section);
    if (platform::openDocument(owner, section.isEmpty() ? path : page.toString()))
        return;
    const QString text = QStringLiteral("No program could open the help page. It is here:\n")
                         + QDir::toNativeSeparators(path);
    platform::MessageBox::show(text.toStdU16String(), u"Error", platform::MessageStyle::Exclamation);
}

} // namespace pellitor
