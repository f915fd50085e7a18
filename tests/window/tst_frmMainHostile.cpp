// The main window fed what a paste or a script can put into its boxes: huge and deeply nested
// expressions, control characters, surrogates, parameters beyond a 32-bit number, and errors
// raised during the evaluation. Each case must end in a message box or a report, and the window
// must calculate normally right after.
#include "RecordingMessageBox.h"
#include "RecordingOpener.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

const QString Previous = QStringLiteral("Function y=1+1\n  x=0\n  y=2.0000");

QString repeated(const QString& piece, int times)
{
    return piece.repeated(times);
}

} // namespace

class tst_frmMainHostile : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingMessageBox> m_boxes;
    std::unique_ptr<RecordingOpener> m_opener;
    std::unique_ptr<frmMain> m_window;

    InputBox* text1() const { return child<InputBox>(*m_window, "Text1"); }
    InputBox* text2() const { return child<InputBox>(*m_window, "Text2"); }

    // Puts the texts into the boxes as a paste does and clicks "Calculate".
    void calculate(const QString& expression, const QString& parameter)
    {
        text1()->setText(expression);
        text2()->setText(parameter);
        click(*m_window, "XPButton28");
    }

    // The window still does its job: a plain calculation gives its report and shows no box.
    void verifyUsable()
    {
        const std::size_t boxes = m_boxes->shown().size();
        calculate("2 x", "3");
        QCOMPARE(report(*m_window), "Function y=2x\n  x=3\n  y=6.0000");
        QCOMPARE(text1()->text(), "2x");
        QCOMPARE(m_boxes->shown().size(), boxes);
    }

    // Exactly one box was shown since the window opened, with this title and this text.
    void verifyOneBox(const QString& title, const QString& text)
    {
        QCOMPARE(m_boxes->shown().size(), std::size_t(1));
        QCOMPARE(QString::fromStdU16String(m_boxes->last().title), title);
        QCOMPARE(QString::fromStdU16String(m_boxes->last().text), text);
    }

private slots:
    void init()
    {
        m_boxes = std::make_unique<RecordingMessageBox>();
        m_opener = std::make_unique<RecordingOpener>();
        m_window = std::make_unique<frmMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        calculate("1+1", "0");
        QCOMPARE(report(*m_window), Previous);
        QVERIFY(m_boxes->empty());
    }
    void cleanup()
    {
        m_window.reset();
        m_opener.reset();
        m_boxes.reset();
    }

    // Texts that end in a report (and no box), with what the boxes and the report then hold.
    void reported_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("report");

        const QString sum = "1" + repeated("+1", 499'999); // 999,999 characters
        QTest::newRow("10^6-character sum") << sum << "0" << sum << "Function y=" + sum + "\n  x=0\n  y=500,000.0000";
        const QString blanks = repeated(" ", 1'000'000) + "x";
        QTest::newRow("10^6 blanks") << blanks << "2"
                                     << "x"
                                     << "Function y=x\n  x=2\n  y=2.0000";
        const QString nested = repeated("(", 100'000) + "x" + repeated(")", 100'000);
        QTest::newRow("10^5 nested parentheses")
            << nested << "2" << nested << "Function y=" + nested + "\n  x=2\n  y=2.0000";
        const QString implied = repeated("1x", 500'000); // the rewriting puts a "*" after each character
        QTest::newRow("10^6-character product")
            << implied << "1" << implied << "Function y=" + implied + "\n  x=1\n  y=1.0000";
        QTest::newRow("parameter --") << "x+1"
                                      << "--"
                                      << "x+1"
                                      << "Function y=x+1\n  x=0\n  y=1.0000";
        QTest::newRow("parameter -") << "x+1"
                                     << "-"
                                     << "x+1"
                                     << "Function y=x+1\n  x=0\n  y=1.0000";
        QTest::newRow("parameter 400 digits below 1") << "x+1"
                                                      << "0." + repeated("0", 398) + "1"
                                                      << "x+1"
                                                      << "Function y=x+1\n  x=0\n  y=1.0000";
        QTest::newRow("parameter 400 digits of pi") << "x"
                                                    << "3.14159265" + repeated("0", 390) << "x"
                                                    << "Function y=x\n  x=3.141593\n  y=3.1416";
    }
    void reported()
    {
        QFETCH(QString, expression);
        QFETCH(QString, parameter);
        QFETCH(QString, text1);
        QFETCH(QString, report);
        calculate(expression, parameter);
        QCOMPARE(this->text1()->text(), text1);
        QCOMPARE(pellitor::testing::report(*m_window), report);
        QVERIFY(m_boxes->empty());
        verifyUsable();
    }

    // Texts that end in a message box, with the report they leave: the previous one when a check
    // refused the input, the first line only when the translation or the evaluation failed.
    void refused_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("report");

        const QString illegal = "The expression is illegal.";
        const QString badData = "Illegal data exist.";
        QList<QChar> controls;
        for (char16_t c = 0; c < 0x20; ++c)
            controls << QChar(c);
        controls << QChar(0x7F);
        for (const QChar control : controls) {
            QTest::addRow("expression U+%04X", control.unicode()) << "2*x" + QString(control) + "+1"
                                                                  << "1"
                                                                  << "Error" << illegal << Previous;
            QTest::addRow("parameter U+%04X", control.unicode())
                << "x"
                << "1" + QString(control) << "Error" << badData << Previous;
        }
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, a surrogate pair
        QTest::newRow("expression surrogate pair") << "x+" + emoji << "1"
                                                   << "Error" << illegal << Previous;
        QTest::newRow("parameter surrogate pair") << "x" << emoji + "1"
                                                  << "Error" << badData << Previous;
        QTest::newRow("lone high surrogate") << "x" + QString(QChar(0xD83D)) << "1"
                                             << "Error" << illegal << Previous;
        QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) + "x"
                                            << "1"
                                            << "Error" << illegal << Previous;
        QTest::newRow("parameter lone surrogate") << "x"
                                                  << "1" + QString(QChar(0xDC00)) << "Error" << badData << Previous;
        const QString longSum = "1" + repeated("+1", 499'999);
        QTest::newRow("10^6 characters ending in a refused one") << longSum + "="
                                                                 << "1"
                                                                 << "Error" << illegal << Previous;
        QTest::newRow("parameter 1e400") << "x"
                                         << "1e400"
                                         << "Error" << badData << Previous;
        QTest::newRow("parameter 400 digits") << "x" << repeated("9", 400) << "Error"
                                              << "The parameter is beyond the range of a 32-bit number."
                                              << "Function y=x\n";
        QTest::newRow("parameter -400 digits") << "x"
                                               << "-" + repeated("7", 400) << "Error"
                                               << "The parameter is beyond the range of a 32-bit number."
                                               << "Function y=x\n";

        const QString open = repeated("(", 100'000) + "x";
        QTest::newRow("10^5 unclosed parentheses") << open << "1"
                                                   << "Syntax Error"
                                                   << "Character 100001:  Closing parenthesis expected"
                                                   << "Function y=" + open + "\n";
        const QString dangling = "1" + repeated("+1", 499'999) + "+";
        QTest::newRow("10^6 characters ending in an operator") << dangling << "1"
                                                               << "Syntax Error"
                                                               << "Character 1000000:  Operand expected"
                                                               << "Function y=" + dangling + "\n";

        QTest::newRow("exp(1000)") << "exp(1000)"
                                   << "1"
                                   << "Error"
                                   << "Overflow"
                                   << "Function y=exp(1000)\n";
        QTest::newRow("10^39 beyond 32 bits") << "10^39"
                                              << "1"
                                              << "Error"
                                              << "Overflow"
                                              << "Function y=10^39\n";
        QTest::newRow("repeated squaring") << "x" + repeated("^2", 20) << "10"
                                           << "Error"
                                           << "Overflow"
                                           << "Function y=x" + repeated("^2", 20) + "\n";
    }
    void refused()
    {
        QFETCH(QString, expression);
        QFETCH(QString, parameter);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, report);
        calculate(expression, parameter);
        verifyOneBox(title, message);
        QCOMPARE(pellitor::testing::report(*m_window), report);
        verifyUsable();
    }
};

QTEST_MAIN(tst_frmMainHostile)
#include "tst_frmMainHostile.moc"
