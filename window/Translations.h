// The window in the user's language: Pellitor's own translations (Qt Linguist) and Qt's, for the
// first of the user's UI languages that Pellitor speaks, installed in the application.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace pellitor {

class Translations {
public:
    // Installs the translations for the first of languages (most preferred first, as
    // QLocale::uiLanguages names them, "de-DE" or "de_DE") that Pellitor has a translation for.
    // English, the program's own language, ends the search where it stands in the list, so an
    // English user whose later choices include German keeps the English texts. Pellitor's
    // translations lie in translations/ beside the program (a build tree) or in the installed
    // data folder; Qt's own in Qt's translations folder, where they are installed. A file that
    // fails its check (TranslationCheck.h) is skipped, with one line on stderr, as if it were
    // not there. Whatever a translation says, the windows stay left to right: their layout is
    // fixed and their texts are formulas.
    Translations(const QStringList& languages, const QString& programFolder);
    // The same with Qt's translations taken from qtFolder.
    Translations(const QStringList& languages, const QString& programFolder, const QString& qtFolder);
    // Removes what it installed: the window speaks English again.
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language whose texts are installed, as its file names it ("de", "pt_BR"); empty for
    // English.
    QString language() const { return m_language; }
    // The language of the translations installed now, empty when none are.
    static QString current();

    // The user's UI languages, most preferred first. None when messages are in the C or POSIX
    // locale (or no locale is set), which keeps the program's own texts whatever LANGUAGE says,
    // as gettext does.
    static QStringList userLanguages();

private:
    // The bytes a translator reads: checked, then kept for as long as it is installed.
    QByteArray m_pellitorData;
    QByteArray m_qtData;
    QTranslator m_pellitor;
    QTranslator m_qt;
    QString m_language;
    QString m_previous;
};

} // namespace pellitor
