// Choosing and installing the translations for the user's languages.
#include "Translations.h"

#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>

namespace pellitor {

namespace {

QString s_current;

// The file-name suffixes to try for a UI language, most specific first: "pt-Latn-BR" gives
// pt_Latn_BR, pt_BR and pt.
QStringList suffixesFor(const QString& uiLanguage)
{
    QString name = uiLanguage;
    name.replace(u'-', u'_');
    const QStringList parts = name.split(u'_', Qt::SkipEmptyParts);
    QStringList suffixes;
    if (parts.isEmpty())
        return suffixes;
    suffixes << parts.join(u'_');
    if (parts.size() > 2)
        suffixes << parts.front() + u'_' + parts.back();
    if (parts.size() > 1)
        suffixes << parts.front();
    suffixes.removeDuplicates();
    return suffixes;
}

bool isProgramLanguage(const QString& uiLanguage)
{
    const QString language = uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0);
    return language.compare(u"en", Qt::CaseInsensitive) == 0 || language == u"C" || language == u"POSIX";
}

} // namespace

Translations::Translations(const QStringList& languages, const QString& programFolder) : m_previous(s_current)
{
    const QString folder = findDataFolder(programFolder, QStringLiteral("translations"));
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Each file by its exact name: QTranslator::load would otherwise try shorter names itself.
    const auto load = [](QTranslator& translator, const QString& from, const QString& name) {
        const QString path = QDir(from).filePath(name + QStringLiteral(".qm"));
        return !from.isEmpty() && QFileInfo(path).isFile() && translator.load(path);
    };
    for (const QString& uiLanguage : languages) {
        if (isProgramLanguage(uiLanguage))
            break;
        const QStringList suffixes = suffixesFor(uiLanguage);
        const auto found = std::find_if(suffixes.begin(), suffixes.end(), [&](const QString& suffix) {
            return load(m_pellitor, folder, QStringLiteral("pellitor_") + suffix);
        });
        if (found == suffixes.end())
            continue;
        m_language = *found;
        QCoreApplication::installTranslator(&m_pellitor);
        // Qt's own texts (the message box's button, the names of keys), when they are installed.
        for (const QString& suffix : suffixes) {
            if (load(m_qt, qtFolder, QStringLiteral("qtbase_") + suffix)) {
                QCoreApplication::installTranslator(&m_qt);
                break;
            }
        }
        break;
    }
    s_current = m_language;
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_pellitor);
    s_current = m_previous;
}

QString Translations::current()
{
    return s_current;
}

QStringList Translations::userLanguages()
{
    // The locale of messages, as the C library finds it: the first of these that is set.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        if (value == "C" || value == "POSIX" || value.startsWith("C.") || value.startsWith("C@"))
            return {};
        return QLocale::system().uiLanguages();
    }
    return {};
}

} // namespace pellitor
