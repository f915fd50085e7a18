// The main window when memory runs out during Calculate: wherever in the command an allocation
// fails, the window shows "Out of memory." and goes on, and the next Calculate works.
#include "FailingAllocations.h"
#include "RecordingMessageBox.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QtTest>

using namespace pellitor;
using namespace pellitor::testing;

class tst_OutOfMemory : public QObject {
    Q_OBJECT

private slots:
    void everyFailedAllocationGivesTheBox()
    {
        RecordingMessageBox boxes;
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* text1 = child<InputBox>(window, "Text1");
        auto* text2 = child<InputBox>(window, "Text2");

        // 200,001 characters: each working copy of the text takes at least 400 KB.
        const QString sum = QStringLiteral("x") + QStringLiteral("+x").repeated(100'000);
        int failures = 0;
        for (std::size_t nth = 1; nth < 100; ++nth) {
            text1->setText(sum);
            text2->setText("2");
            bool failed = false;
            {
                const FailingAllocations failing(nth, 400'000);
                click(window, "XPButton28");
                failed = failing.failed();
            }
            if (!failed) {
                QCOMPARE(report(window), "Function y=" + sum + "\n  x=2\n  y=200,002.0000");
                QCOMPARE(boxes.shown().size(), std::size_t(failures));
                break;
            }
            ++failures;
            QCOMPARE(boxes.shown().size(), std::size_t(failures));
            QCOMPARE(QString::fromStdU16String(boxes.last().text), "Out of memory.");
            QCOMPARE(QString::fromStdU16String(boxes.last().title), "Error");

            // The window goes on: a short calculation right after gives its report.
            text1->setText("2x");
            text2->setText("3");
            click(window, "XPButton28");
            QCOMPARE(report(window), "Function y=2x\n  x=3\n  y=6.0000");
            QCOMPARE(boxes.shown().size(), std::size_t(failures));
        }
        // The window's copy of the box, the check, the rewriting, the postfix text, ...
        QVERIFY2(failures >= 4, qPrintable(QString::number(failures)));
    }
};

QTEST_MAIN(tst_OutOfMemory)
#include "tst_OutOfMemory.moc"
