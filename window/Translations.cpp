// Choosing and installing the translations for the user's languages.
#include "Translations.h"

#include "DataFiles.h"
#include "TranslationCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <functional>

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

// Reads the translation at path into data and loads it from there when check finds no fault in
// it; else says on stderr why it is skipped. False also when there is no such file.
bool loadChecked(QTranslator& translator, QByteArray& data, const QString& path,
                 const std::function<QString(const QByteArray&)>& check)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    // No more than a check can pass: a longer file fails it.
    QString fault = file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
    if (fault.isEmpty()) {
        data = file.read(translationCheck::LargestFile + 1);
        fault = check(data);
    }
    if (fault.isEmpty()
        && !translator.load(reinterpret_cast<const uchar*>(data.constData()), int(data.size()), QString()))
        fault = QStringLiteral("Qt's translator refused it");
    if (fault.isEmpty())
        return true;
    data.clear();
    std::fprintf(stderr, "pellitor: skipped the translation %s: %s\n", qPrintable(QDir::toNativeSeparators(path)),
                 qPrintable(fault));
    std::fflush(stderr);
    return false;
}

bool isProgramLanguage(const QString& uiLanguage)
{
    const QString language = uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0);
    return language.compare(u"en", Qt::CaseInsensitive) == 0 || language == u"C" || language == u"POSIX";
}

} // namespace

Translations::Translations(const QStringList& languages, const QString& programFolder)
    : Translations(languages, programFolder, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
{
}

Translations::Translations(const QStringList& languages, const QString& programFolder, const QString& qtFolder)
    : m_previous(s_current)
{
    const QString folder = findDataFolder(programFolder, QStringLiteral("translations"));
    // Each file by its exact name: QTranslator::load would otherwise try shorter names itself.
    // Each is tried once: a file skipped for "de-CH" is not tried, nor reported, again for "de".
    QStringList tried;
    const auto path = [&tried](const QString& from, const QString& name) {
        const QString file = from.isEmpty() ? QString() : QDir(from).filePath(name + QStringLiteral(".qm"));
        if (tried.contains(file))
            return QString();
        tried << file;
        return file;
    };
    for (const QString& uiLanguage : languages) {
        if (isProgramLanguage(uiLanguage))
            break;
        const QStringList suffixes = suffixesFor(uiLanguage);
        const auto found = std::find_if(suffixes.begin(), suffixes.end(), [&](const QString& suffix) {
            const QString name = QStringLiteral("pellitor_") + suffix;
            return loadChecked(m_pellitor, m_pellitorData, path(folder, name), [&](const QByteArray& data) {
                return translationCheck::ownFault(name + QStringLiteral(".qm"), data);
            });
        });
        if (found == suffixes.end())
            continue;
        m_language = *found;
        QCoreApplication::installTranslator(&m_pellitor);
        // Qt's own texts (the message box's button, the names of keys), when they are installed.
        for (const QString& suffix : suffixes) {
            if (loadChecked(m_qt, m_qtData, path(qtFolder, QStringLiteral("qtbase_") + suffix),
                            [](const QByteArray& data) { return translationCheck::structuralFault(data); })) {
                QCoreApplication::installTranslator(&m_qt);
                break;
            }
        }
        break;
    }
    // Qt's translation for a right-to-left language would mirror every window: the keypad's "("
    // and ")" would swap places and the function list would read "()abs". Set explicitly, the
    // direction stays whatever a translation installed now or later says.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
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
