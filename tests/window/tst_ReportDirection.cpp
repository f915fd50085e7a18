// The report in the left-to-right result box under the locale of the test's LC_ALL: a negative y
// reads with its sign in front of its digits, in scripts written from right to left too. Where a
// character shows is read from the real box's pixels: changing one character of the report
// changes the pixels from that character's place on.
#include "RecordingMessageBox.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QtTest>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

// The leftmost column in which the two pictures differ, or -1.
int leftmostDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 0;
    for (int x = 0; x < a.width(); ++x) {
        for (int y = 0; y < a.height(); ++y) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return x;
        }
    }
    return -1;
}

} // namespace

class tst_ReportDirection : public QObject {
    Q_OBJECT

private slots:
    void signBeforeDigits()
    {
        RecordingMessageBox boxes;
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        child<InputBox>(window, "Text1")->setText("x*1000");
        child<InputBox>(window, "Text2")->setText("-1236.067");
        click(window, "XPButton28");
        QVERIFY(boxes.empty());

        const QString report = pellitor::testing::report(window);
        const qsizetype sign = report.indexOf("\n  y=") + 5;
        QVERIFY2(sign > 5, qPrintable(report));
        qsizetype firstDigit = sign + 1;
        while (firstDigit < report.size() && !report.at(firstDigit).isDigit())
            ++firstDigit;
        const qsizetype lastDigit = report.size() - 1;
        QVERIFY2(firstDigit < lastDigit && report.at(lastDigit).isDigit(), qPrintable(report));

        auto* box = child<ResultBox>(window, "Text4");
        QVERIFY(!box->hasFocus());
        const QImage shown = box->grab().toImage();
        // Where the character at `at` shows: the report with it replaced by one of the same kind
        // ("+" for the sign, another digit for a digit), which leaves the text's direction alone.
        const auto placeOf = [&](qsizetype at, QChar replacement) {
            QString changed = report;
            changed[at] = replacement;
            box->setPlainText(changed);
            return leftmostDifference(shown, box->grab().toImage());
        };
        const int signX = placeOf(sign, u'+');
        const int firstX = placeOf(firstDigit, report.at(firstDigit) == u'1' ? u'7' : u'1');
        const int lastX = placeOf(lastDigit, report.at(lastDigit) == u'1' ? u'7' : u'1');
        const QString where = QStringLiteral("%1: sign at %2, first digit at %3, last digit at %4")
                                  .arg(report.mid(sign - 2), QString::number(signX), QString::number(firstX),
                                       QString::number(lastX));
        QVERIFY2(signX > 0 && signX < firstX && firstX < lastX, qPrintable(where));
    }
};

QTEST_MAIN(tst_ReportDirection)
#include "tst_ReportDirection.moc"
