// The windows in the user's language: which translation the user's languages choose, the words
// of both windows, the report and the messages in a translation, English where the window's
// texts stay, and the help page in the window's language.
#include "AboutLayout.h"
#include "GraphCanvas.h"
#include "GraphLink.h"
#include "HelpPage.h"
#include "MainLayout.h"
#include "RecordingMessageBox.h"
#include "RecordingOpener.h"
#include "TranslatedMessageBox.h"
#include "Translations.h"
#include "WindowDriver.h"
#include "frmF2.h"
#include "frmMain.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <optional>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

// What a reader and a sighted user meet of a control: its caption (or text), its tooltip and its
// accessible name and description.
struct Words {
    QString shown;
    QString toolTip;
    QString name;
    QString description;
};

Words wordsOf(QWidget* widget)
{
    Words words;
    if (auto* button = qobject_cast<XPButton*>(widget))
        words.shown = button->Caption();
    else if (auto* radio = qobject_cast<QRadioButton*>(widget))
        words.shown = radio->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        words.shown = label->text();
    words.toolTip = widget->toolTip();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    words.name = iface->text(QAccessible::Name);
    words.description = iface->text(QAccessible::Description);
    return words;
}

// Sets the environment variable for the object's lifetime (nullptr unsets it), then restores it.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_previous = qgetenv(name);
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~EnvironmentVariable()
    {
        if (m_previous)
            qputenv(m_name, *m_previous);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<QByteArray> m_previous;
};

// A copy of from at to, with the byte at offset (if any) changed.
void copyChanged(const QString& from, const QString& to, qsizetype offset = -1)
{
    QFile in(from), out(to);
    QVERIFY(in.open(QIODevice::ReadOnly) && QDir().mkpath(QFileInfo(to).path()) && out.open(QIODevice::WriteOnly));
    QByteArray data = in.readAll();
    if (offset >= 0)
        data[offset] = char(0xF3);
    out.write(data);
}

QString qtTranslation(const QString& language)
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + language + ".qm";
}

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingMessageBox> m_recorded;
    std::unique_ptr<TranslatedMessageBox> m_boxes;
    std::unique_ptr<platform::InstallGuard<platform::MessageBox>> m_installed;
    std::unique_ptr<RecordingOpener> m_opener;

    // The main window as the program starts it: its messages through the translating box.
    std::unique_ptr<frmMain> openWindow(const QStringList& languages, std::optional<Translations>& translations)
    {
        translations.emplace(languages, programFolder());
        auto window = std::make_unique<frmMain>();
        window->show();
        return window;
    }

private slots:
    void init()
    {
        m_recorded = std::make_unique<RecordingMessageBox>();
        m_boxes = std::make_unique<TranslatedMessageBox>(*m_recorded);
        m_installed = std::make_unique<platform::InstallGuard<platform::MessageBox>>(*m_boxes);
        m_opener = std::make_unique<RecordingOpener>();
    }
    void cleanup()
    {
        m_opener.reset();
        m_installed.reset();
        m_boxes.reset();
        m_recorded.reset();
    }

    // The first of the user's languages that Pellitor speaks wins; English, the program's own,
    // wins where it stands. A region or script that has no file of its own falls back to the
    // language; Portugal's Portuguese does not take Brazil's.
    void choice_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("calculate");
        QTest::newRow("none") << QStringList{} << ""
                              << "Calculate";
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de"
                                << "Berechnen";
        QTest::newRow("Austrian German") << QStringList{"de_AT"} << "de"
                                         << "Berechnen";
        QTest::newRow("with a script") << QStringList{"ru-Cyrl-RU"} << "ru"
                                       << "Расчёт";
        QTest::newRow("Brazil") << QStringList{"pt-BR"} << "pt_BR"
                                << "Calcular";
        QTest::newRow("Brazil with a script") << QStringList{"pt-Latn-BR"} << "pt_BR"
                                              << "Calcular";
        QTest::newRow("Portugal, then French") << QStringList{"pt-PT", "pt", "fr-FR"} << "fr"
                                               << "Calculer";
        QTest::newRow("Japanese, then Polish") << QStringList{"ja-JP", "pl-PL"} << "pl"
                                               << "Oblicz";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << ""
                                               << "Calculate";
        QTest::newRow("C") << QStringList{"C"} << ""
                           << "Calculate";
        QTest::newRow("Spanish") << QStringList{"es-MX"} << "es"
                                 << "Calcular";
        QTest::newRow("Italian") << QStringList{"it"} << "it"
                                 << "Calcola";
    }
    void choice()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QFETCH(QString, calculate);
        {
            const Translations translations(languages, programFolder());
            QCOMPARE(translations.language(), chosen);
            QCOMPARE(Translations::current(), chosen);
            QCOMPARE(QCoreApplication::translate("pellitor::frmMain", "Calculate"), calculate);
        }
        // Gone with the object: the next window speaks English.
        QCOMPARE(Translations::current(), QString());
        QCOMPARE(QCoreApplication::translate("pellitor::frmMain", "Calculate"), "Calculate");
    }

    // Installed, the translations lie in the data folder relative to the program's folder.
    void installed()
    {
        QTemporaryDir root;
        const QString folder = root.filePath("prefix/share/pellitor/translations");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(root.filePath("prefix/bin")));
        QVERIFY(QFile::copy(programFolder() + "/translations/pellitor_pl.qm", folder + "/pellitor_pl.qm"));
        const Translations polish({"pl-PL"}, root.filePath("prefix/bin"));
        QCOMPARE(polish.language(), "pl");
        QCOMPARE(QCoreApplication::translate("pellitor::frmMain", "Calculate"), "Oblicz");
        const Translations none({"de-DE"}, root.filePath("prefix/bin"));
        QCOMPARE(none.language(), QString());
    }

    // Only a checked translation loads: Pellitor's own must be the file its build made, Qt's must
    // hold together. Any other is skipped, as if it were not there (the reasons and the line on
    // stderr: tst_TranslationCheck, scripts/l10n-check).
    void checkedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qsizetype>("offset");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("intact") << "bin/translations/pellitor_de.qm" << qsizetype(-1) << "de"
                                << "Abbrechen";
        QTest::newRow("Pellitor's, one byte changed") << "bin/translations/pellitor_de.qm" << qsizetype(5876) << ""
                                                      << "Cancel";
        QTest::newRow("Pellitor's, not made by the build")
            << "bin/translations/pellitor_de_CH.qm" << qsizetype(-1) << "de"
            << "Abbrechen";
        QTest::newRow("Qt's, a section past the end") << "qt/qtbase_de.qm" << qsizetype(17) << "de"
                                                      << "Cancel";
    }
    void checkedFiles()
    {
        QFETCH(QString, file);
        QFETCH(qsizetype, offset);
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        QTemporaryDir root;
        const QString own = programFolder() + "/translations/pellitor_de.qm";
        copyChanged(own, root.filePath("bin/translations/pellitor_de.qm"));
        copyChanged(qtTranslation("de"), root.filePath("qt/qtbase_de.qm"));
        copyChanged(file.startsWith("qt") ? qtTranslation("de") : own, root.filePath(file), offset);
        const Translations translations({"de-CH", "de"}, root.filePath("bin"), root.filePath("qt"));
        QCOMPARE(translations.language(), language);
        QCOMPARE(QCoreApplication::translate("pellitor::frmMain", "Calculate"),
                 language.isEmpty() ? "Calculate" : "Berechnen");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }

    // Qt's translation for a right-to-left language (Hebrew's, in the place of Qt's German) turns
    // no window right to left: the main window shows the same pixels as with Qt's German.
    void staysLeftToRight()
    {
        QTemporaryDir root;
        copyChanged(qtTranslation("he"), root.filePath("qtbase_de.qm"));
        QImage shown[2];
        for (const QString& qtFolder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), root.path()}) {
            const Translations translations({"de"}, programFolder(), qtFolder);
            frmMain window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCoreApplication::processEvents(); // the translators' change of language
            QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
            shown[qtFolder == root.path()] = window.grab().toImage();
        }
        QCOMPARE(shown[1], shown[0]);
    }

    // Messages in the C or POSIX locale keep the program's own texts whatever LANGUAGE asks for,
    // as gettext does; the first of LC_ALL, LC_MESSAGES and LANG that is set decides.
    void cLocale_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcMessages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<bool>("english");
        QTest::newRow("LC_ALL=C") << QByteArray("C") << QByteArray("de_DE.UTF-8") << QByteArray("de_DE.UTF-8") << true;
        QTest::newRow("LC_MESSAGES=POSIX") << QByteArray() << QByteArray("POSIX") << QByteArray("de_DE.UTF-8") << true;
        QTest::newRow("LANG=C.UTF-8") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << true;
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << true;
        QTest::newRow("LC_ALL over LANG=C") << QByteArray("de_DE.UTF-8") << QByteArray() << QByteArray("C") << false;
    }
    void cLocale()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcMessages);
        QFETCH(QByteArray, lang);
        QFETCH(bool, english);
        const auto value = [](const QByteArray& v) { return v.isEmpty() ? nullptr : v.constData(); };
        const EnvironmentVariable language("LANGUAGE", "de:fr");
        const EnvironmentVariable all("LC_ALL", value(lcAll));
        const EnvironmentVariable messages("LC_MESSAGES", value(lcMessages));
        const EnvironmentVariable langVariable("LANG", value(lang));
        QCOMPARE(Translations::userLanguages().isEmpty(), english);
    }

    // Every worded control of the main window in German: captions, tooltips and what a reader
    // hears. The keypad's tokens and the variable's name stay as they are.
    void mainWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* control, const char* shown, const char* toolTip, const char* name,
                            const char* description = "") {
            QTest::newRow(control) << control << shown << toolTip << name << description;
        };
        row("Label1", "Ausdruck  z. B. 2cos(x^2)/x", "", "Ausdruck  z. B. 2cos(x^2)/x");
        row("Option1", "Rad", "", "Rad");
        row("Option2", "Grad", "", "Grad");
        row("Frame1", "", "", "Parameter");
        row("Frame2", "", "", "Ergebnis");
        row("Label2", "x", "", "x");
        row("Label4", "Funktion", "", "Funktion");
        row("Text1", "", "", "Ausdruck", "z. B. 2cos(x^2)/x");
        row("Text2", "", "", "Parameter x");
        row("Text4", "", "", "Ergebnis");
        row("List1", "", "", "Funktion");
        row("XPButton7", "1", "", "1");
        row("XPButton23", ".", "Dezimalpunkt", ".", "Dezimalpunkt");
        row("XPButton24", "x", "Variable x", "x", "Variable x");
        row("XPButton26", "B", "Rücktaste", "B", "Rücktaste");
        row("XPButton27", "Einsetzen", "Funktion auswählen und einsetzen", "Einsetzen",
            "Funktion auswählen und einsetzen");
        row("XPButton28", "Berechnen", "", "Berechnen");
        row("XPButton29", "Löschen", "", "Löschen");
        row("XPButton30", "Hilfe", "", "Hilfe");
        row("XPButton31", "Info", "", "Info");
    }
    void mainWindow()
    {
        QFETCH(QString, control);
        QFETCH(QString, shown);
        QFETCH(QString, toolTip);
        QFETCH(QString, name);
        QFETCH(QString, description);
        std::optional<Translations> german;
        const auto window = openWindow({"de-DE"}, german);
        const Words words = wordsOf(child(*window, control));
        QCOMPARE(words.shown, shown);
        QCOMPARE(words.toolTip, toolTip);
        QCOMPARE(words.name, name);
        QCOMPARE(words.description, description);
        // The caption that the program shows, not a token, is what the window is named by.
        QCOMPARE(window->windowTitle(), "Pellitor");
        QCOMPARE(child<QListWidget>(*window, "List1")->item(0)->text(), "abs()");
    }

    // Without a translation every word is the English one, as the tables hold it.
    void mainWindowInEnglish()
    {
        std::optional<Translations> english;
        const auto window = openWindow({"en-US", "de-DE"}, english);
        for (const layout::Button& button : MainLayout::buttons()) {
            const Words words = wordsOf(child(*window, button.name));
            QCOMPARE(words.shown, QString::fromUtf8(button.caption));
            QCOMPARE(words.toolTip, button.toolTip ? QString::fromUtf8(button.toolTip) : QString());
        }
        for (const layout::AccessibleName& entry : MainLayout::accessibleNames())
            QCOMPARE(wordsOf(child(*window, entry.control)).name, QString::fromUtf8(entry.name));
        QCOMPARE(child<QLabel>(*window, "Label1")->text(), "Expression  e.g. 2cos(x^2)/x");
        QCOMPARE(child<QRadioButton>(*window, "Option2")->text(), "Angle");
    }

    // The report's words in the user's language; the expression, x, y and the layout of the
    // lines stay as the command writes them.
    void report_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("report");
        QTest::newRow("German value") << "de"
                                      << "2cos(x^2)/x"
                                      << "1"
                                      << "Funktion y=2cos(x^2)/x\n  x=1\n  y=1.0806";
        QTest::newRow("German failure") << "de"
                                        << "1/x"
                                        << "0"
                                        << "Funktion y=1/x\n  x=0\n  Der Ausdruck ist bei x=0 nicht berechenbar";
        QTest::newRow("French failure") << "fr"
                                        << "log(x)"
                                        << "-2"
                                        << "Fonction y=log(x)\n  x=-2\n  Impossible de calculer l'expression en x=-2";
        QTest::newRow("Russian value") << "ru"
                                       << "x^2"
                                       << "3"
                                       << "Функция y=x^2\n  x=3\n  y=9.0000";
        QTest::newRow("Polish failure") << "pl"
                                        << "sqr(x)"
                                        << "-1"
                                        << "Funkcja y=sqr(x)\n  x=-1\n  Nie można obliczyć wyrażenia dla x=-1";
        QTest::newRow("Spanish, no value") << "es"
                                           << ""
                                           << ""
                                           << "Función y=0\n  x=0\n  y=0.0000";
        QTest::newRow("Brazilian syntax error") << "pt_BR"
                                                << "2+y"
                                                << "1"
                                                << "Função y=2+y\n";
        QTest::newRow("Italian failure") << "it"
                                         << "1/x"
                                         << "0"
                                         << "Funzione y=1/x\n  x=0\n  Impossibile calcolare l'espressione per x=0";
        QTest::newRow("English") << "en"
                                 << "1/x"
                                 << "0"
                                 << "Function y=1/x\n  x=0\n  Can not calculate the expression at x=0";
    }
    void report()
    {
        QFETCH(QString, language);
        QFETCH(QString, expression);
        QFETCH(QString, x);
        QFETCH(QString, report);
        std::optional<Translations> translations;
        const auto window = openWindow({language}, translations);
        place(child<InputBox>(*window, "Text1"), expression, 0);
        place(child<InputBox>(*window, "Text2"), x, 0);
        click(*window, "XPButton28");
        QCOMPARE(testing::report(*window), report);
    }

    // The messages of the translator, the checks and the evaluation, in German: the position,
    // the symbol as typed and the style stay.
    void messages_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        QTest::newRow("undefined symbol") << "2+yes"
                                          << "0"
                                          << "Syntaxfehler"
                                          << "Zeichen 2:  Nicht definiertes Symbol: 'yes'" << 16;
        QTest::newRow("operand expected") << "2+-x"
                                          << "0"
                                          << "Syntaxfehler"
                                          << "Zeichen 2:  Operand erwartet" << 16;
        QTest::newRow("closing parenthesis") << "(x+1"
                                             << "0"
                                             << "Syntaxfehler"
                                             << "Zeichen 4:  Schließende Klammer erwartet" << 16;
        QTest::newRow("illegal expression") << "x=1"
                                            << "0"
                                            << "Fehler"
                                            << "Der Ausdruck ist ungültig." << 48;
        QTest::newRow("illegal parameter") << "x"
                                           << "1a"
                                           << "Fehler"
                                           << "Es sind ungültige Daten vorhanden." << 48;
        QTest::newRow("out of range") << "x"
                                      << "1" + QString(40, '0') << "Fehler"
                                      << "Der Parameter liegt außerhalb des Bereichs einer 32-Bit-Zahl." << 48;
        QTest::newRow("overflow") << "exp(1000)"
                                  << "0"
                                  << "Fehler"
                                  << "Überlauf" << 48;
    }
    void messages()
    {
        QFETCH(QString, expression);
        QFETCH(QString, x);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, style);
        std::optional<Translations> german;
        const auto window = openWindow({"de"}, german);
        place(child<InputBox>(*window, "Text1"), expression, 0);
        place(child<InputBox>(*window, "Text2"), x, 0);
        click(*window, "XPButton28");
        QCOMPARE(m_recorded->shown().size(), std::size_t(1));
        QCOMPARE(QString::fromStdU16String(m_recorded->last().title), title);
        QCOMPARE(QString::fromStdU16String(m_recorded->last().text), text);
        QCOMPARE(m_recorded->last().style, style);
    }

    // Without a translation, and for a text it does not know, the box shows the text as written;
    // a symbol or token that reads like a message is not translated inside a message.
    void messagesAsWritten_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English") << "en"
                                 << "Character 2:  Undefined symbol : 'y'"
                                 << "Character 2:  Undefined symbol : 'y'";
        QTest::newRow("English title") << "en"
                                       << "Syntax Error"
                                       << "Syntax Error";
        QTest::newRow("unknown") << "de"
                                 << "Something else"
                                 << "Something else";
        QTest::newRow("unknown after a position") << "de"
                                                  << "Character 7:  Something else"
                                                  << "Zeichen 7:  Something else";
        QTest::newRow("no position") << "de"
                                     << "Character :  Operand expected"
                                     << "Character :  Operand expected";
        QTest::newRow("a token that reads like a message") << "de"
                                                           << "Bad token in Evaluate: Overflow"
                                                           << "Ungültiges Token in Evaluate: Overflow";
        QTest::newRow("a placeholder in the symbol") << "de"
                                                     << "Undefined symbol : '%1'"
                                                     << "Nicht definiertes Symbol: '%1'";
        QTest::newRow("Help's, the path kept")
            << "de"
            << "No program could open the help page. It is here:\n/a b/help.htm"
            << "Kein Programm konnte die Hilfeseite öffnen. Sie liegt hier:\n/a b/help.htm";
        QTest::newRow("the key's code, titled Pellitor") << "de"
                                                         << "Pellitor"
                                                         << "Pellitor";
        const QString letters(1000000, u'a');
        QTest::newRow("a symbol of a million letters") << "de"
                                                       << "Character 1:  Undefined symbol : '" + letters + "'"
                                                       << "Zeichen 1:  Nicht definiertes Symbol: '" + letters + "'";
    }
    void messagesAsWritten()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const Translations translations({language}, programFolder());
        QCOMPARE(TranslatedMessageBox::translate(text), shown);
    }

    // The About window in Russian: its title, version, copyright and OK; the name and the web
    // address stay.
    void about()
    {
        const Translations russian({"ru-RU"}, programFolder());
        frmF2 dialog;
        QCOMPARE(dialog.windowTitle(), "О программе Pellitor");
        QCOMPARE(child<QLabel>(dialog, "lblTitle")->text(), "Pellitor");
        QCOMPARE(child<QLabel>(dialog, "Label2")->text(), "Версия 1.0");
        QCOMPARE(child<QLabel>(dialog, "Label1")->text(), AboutLayout::WebAddressText);
        QCOMPARE(child<QLabel>(dialog, "lblDisclaimer")->text(), "© 2026 авторы Pellitor");
        QCOMPARE(child<XPButton>(dialog, "cmdOK")->Caption(), "ОК");
        QCOMPARE(wordsOf(child(dialog, "cmdOK")).name, "ОК");
    }

    // The text boxes' menu in German, with Qt's own German names of the keys.
    void contextMenu()
    {
        std::optional<Translations> german;
        const auto window = openWindow({"de-DE"}, german);
        auto* box = child<InputBox>(*window, "Text1");
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(box, &event);
        auto* menu = box->findChild<QMenu*>();
        QVERIFY(menu);
        QStringList labels;
        for (const QAction* action : menu->actions())
            labels << action->text().section(u'\t', 0, 0);
        QCOMPARE(labels, (QStringList{"&Rückgängig", "Wieder&herstellen", "", "&Ausschneiden", "&Kopieren", "&Einfügen",
                                      "Löschen", "", "Alles auswählen", "", "Graph"}));
        QCOMPARE(menu->actions().constFirst()->text(), "&Rückgängig\tStrg+Z");
        QCOMPARE(menu->actions().constLast()->shortcut().toString(QKeySequence::NativeText), "Strg+G");
        menu->close();
    }

    // The graph window's words: its title, what a screen reader hears, its status line.
    void graphWindow()
    {
        std::optional<Translations> german;
        const auto window = openWindow({"de-DE"}, german);
        window->showGraph();
        graph::GraphWindow* graph = window->graphLink()->graphWindow();
        QVERIFY(graph);
        QCOMPARE(graph->windowTitle(), "Graph");
        child<InputBox>(*window, "Text1")->setText("2+");
        QTRY_COMPARE(graph->statusText(), "Zeichen 2:  Operand erwartet");
        child<InputBox>(*window, "Text1")->setText("x");
        QTRY_VERIFY(!graph->canvas()->computing());
        QCOMPARE(graph->canvas()->accessibleName(), "Graph von y=x");
        QVERIFY(graph->canvas()->accessibleDescription().startsWith("x von -10 bis 10; y von "));
        QCOMPARE(child<QLabel>(*graph, "status")->accessibleName(), "Status");
    }

    // Help opens the page in the window's language where there is one: the build puts the
    // German page beside the program.
    void help_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("German") << "de-DE"
                                << "help_de.htm";
        QTest::newRow("French: none, the English one") << "fr"
                                                       << "help.htm";
        QTest::newRow("English") << "en"
                                 << "help.htm";
    }
    void help()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        std::optional<Translations> translations;
        const auto window = openWindow({language}, translations);
        click(*window, "XPButton30");
        QCOMPARE(m_opener->opened().size(), std::size_t(1));
        QCOMPARE(m_opener->opened()[0].document, programFolder() + "/" + page);
    }

    // The page's name from the window's language, beside the program or installed.
    void helpPage_data()
    {
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("opened");
        const QString english = "prefix/share/pellitor/help.htm";
        const QString german = "prefix/share/pellitor/help_de.htm";
        QTest::newRow("German installed") << QStringList{english, german} << "de" << german;
        QTest::newRow("German beside, English installed") << QStringList{english, "prefix/bin/help_de.htm"} << "de"
                                                          << "prefix/bin/help_de.htm";
        QTest::newRow("Brazil's page") << QStringList{english, "prefix/share/pellitor/help_pt_BR.htm",
                                                      "prefix/share/pellitor/help_pt.htm"}
                                       << "pt_BR"
                                       << "prefix/share/pellitor/help_pt_BR.htm";
        QTest::newRow("the language's page for a region")
            << QStringList{english, "prefix/share/pellitor/help_pt.htm"} << "pt_BR"
            << "prefix/share/pellitor/help_pt.htm";
        QTest::newRow("no page in the language") << QStringList{english, german} << "fr" << english;
        QTest::newRow("English") << QStringList{english, german} << "" << english;
        QTest::newRow("nowhere") << QStringList{} << "de"
                                 << "prefix/bin/help.htm";
    }
    void helpPage()
    {
        QFETCH(QStringList, pages);
        QFETCH(QString, language);
        QFETCH(QString, opened);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("prefix/bin"));
        for (const QString& page : pages) {
            QVERIFY(QDir().mkpath(QFileInfo(root.filePath(page)).path()));
            QFile file(root.filePath(page));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(findHelpPage(root.filePath("prefix/bin"), language), root.filePath(opened));
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
