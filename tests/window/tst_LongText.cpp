// The main window with texts of a million characters: an idle box lays nothing out and repaints
// only its caret, an edit or a click lays out only what shows, the keypad's caret and selection
// rules still hold, and the result box holds and wraps the whole report.
#include "RecordingMessageBox.h"
#include "RecordingOpener.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

const QString Sum = "x" + QString("+x").repeated(499'999); // 999,999 characters

// No action on a box may lay out more than this, whatever the length of its text.
constexpr qint64 ShownCharacters = 20'000;

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class tst_LongText : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingMessageBox> m_boxes;
    std::unique_ptr<RecordingOpener> m_opener;
    std::unique_ptr<frmMain> m_window;

    InputBox* text1() const { return child<InputBox>(*m_window, "Text1"); }
    ResultBox* text4() const { return child<ResultBox>(*m_window, "Text4"); }

    qint64 laidOut() const
    {
        qint64 sum = 0;
        for (const char* name : {"Text1", "Text2", "Text4"})
            sum += child<TextBoxBase>(*m_window, name)->laidOutCharacters();
        return sum;
    }
    // Paints every box now, so that what painting lays out is counted too.
    void paintBoxes()
    {
        for (const char* name : {"Text1", "Text2", "Text4"})
            child<TextBoxBase>(*m_window, name)->viewport()->repaint();
    }

private slots:
    void initTestCase()
    {
        // A quick blink keeps the idle spells short.
        QApplication::setCursorFlashTime(100);
    }
    void init()
    {
        m_boxes = std::make_unique<RecordingMessageBox>();
        m_opener = std::make_unique<RecordingOpener>();
        m_window = std::make_unique<frmMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_opener.reset();
        m_boxes.reset();
    }

    // With the caret blinking in a box of 10^6 characters, the box repaints and lays out nothing.
    void idle_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("Text1") << "Text1";
        QTest::newRow("Text2") << "Text2";
        QTest::newRow("Text4") << "Text4";
    }
    void idle()
    {
        QFETCH(QString, box);
        auto* target = child<TextBoxBase>(*m_window, box);
        target->setText(Sum);
        target->setFocus();
        PaintCounter counter(target->viewport());
        QTRY_VERIFY(counter.paints >= 1);
        const qint64 before = target->laidOutCharacters();
        QTRY_VERIFY(counter.paints >= 5); // the caret went off and on twice
        QCOMPARE(target->laidOutCharacters(), before);
    }

    // A blink repaints the caret's strip and nothing else.
    void blinkPaintsOnlyTheCaret()
    {
        text1()->setText(Sum);
        text1()->setCursorPosition(500'000);
        PaintCounter counter(text1()->viewport());
        QTRY_VERIFY(counter.paints >= 1);
        const QImage first = text1()->grab().toImage();
        // On a busy machine the caret may blink off and on again between two grabs: grab
        // again at the next blink until the picture differs.
        QRect changed;
        for (int blink = 0; blink < 4 && changed.isEmpty(); ++blink) {
            const int paints = counter.paints;
            QTRY_VERIFY(counter.paints > paints);
            const QImage second = text1()->grab().toImage();
            for (int y = 0; y < first.height(); ++y)
                for (int x = 0; x < first.width(); ++x)
                    if (first.pixel(x, y) != second.pixel(x, y))
                        changed |= QRect(x, y, 1, 1);
        }
        QVERIFY(!changed.isEmpty());
        QVERIFY2(text1()->cursorRect().contains(changed), qPrintable(QString("changed %1,%2 %3x%4")
                                                                         .arg(changed.x())
                                                                         .arg(changed.y())
                                                                         .arg(changed.width())
                                                                         .arg(changed.height())));
    }

    // A box of 10^6 characters shows the same pixels as one that holds only the part that shows.
    void showsAsShortText_data()
    {
        QTest::addColumn<int>("caret");
        QTest::newRow("caret at the start") << 0;
        QTest::newRow("caret at the end") << int(Sum.size());
    }
    void showsAsShortText()
    {
        QFETCH(int, caret);
        const QString part = caret == 0 ? Sum.left(300) : Sum.right(300);
        InputBox whole;
        InputBox shortOne;
        for (auto [box, text] : {std::pair{&whole, Sum}, std::pair{&shortOne, part}}) {
            box->resize(text1()->size());
            box->setFont(text1()->font());
            box->setText(text);
            box->setCursorPosition(caret == 0 ? 0 : int(text.size()));
        }
        QCOMPARE(whole.grab().toImage(), shortOne.grab().toImage());
    }

    // What each action lays out, with 10^6 characters in the expression box.
    void editCost_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("action");
        QTest::newRow("key at the end") << int(Sum.size()) << "key";
        QTest::newRow("key at the start") << 0 << "key";
        QTest::newRow("keypad in the middle") << 500'000 << "XPButton7";
        QTest::newRow("B in the middle") << 500'000 << "XPButton26";
        QTest::newRow("End") << 0 << "End";
        QTest::newRow("Home") << int(Sum.size()) << "Home";
        QTest::newRow("click into the box") << 500'000 << "click";
        QTest::newRow("Angle") << 500'000 << "Option2";
        QTest::newRow("Calculate") << 500'000 << "XPButton28";
    }
    void editCost()
    {
        QFETCH(int, caret);
        QFETCH(QString, action);
        place(text1(), Sum, caret);
        paintBoxes();
        const qint64 before = laidOut();
        if (action == "key")
            QTest::keyClick(text1(), Qt::Key_9);
        else if (action == "End" || action == "Home")
            QTest::keyClick(text1(), action == "End" ? Qt::Key_End : Qt::Key_Home);
        else if (action == "click")
            QTest::mouseClick(text1()->viewport(), Qt::LeftButton);
        else if (action == "Option2")
            QTest::mouseClick(child(*m_window, action), Qt::LeftButton);
        else
            click(*m_window, action);
        paintBoxes();
        const qint64 cost = laidOut() - before;
        QVERIFY2(cost <= ShownCharacters, qPrintable(QString::number(cost)));
        QVERIFY(m_boxes->empty());
    }

    // The keypad's rules in the middle of a long text: the text goes in at the selection's start,
    // the selected characters stay, the caret follows what went in and shows.
    void keypadInLongText_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        const QString left = Sum.left(600'000);
        const QString right = Sum.mid(600'000);
        QTest::newRow("5 at the caret") << 600'000 << 0 << "XPButton13" << left + "5" + right << 600'001;
        QTest::newRow("+ keeps the selection") << 600'000 << 3 << "XPButton10" << left + "+" + right << 600'001;
        QTest::newRow("B before the selection") << 600'000 << 3 << "XPButton26" << left.chopped(1) + right << 599'999;
        QTest::newRow("B at the end") << int(Sum.size()) << 0 << "XPButton26" << Sum.chopped(1) << int(Sum.size()) - 1;
    }
    void keypadInLongText()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, button);
        place(text1(), Sum, start, length);
        click(*m_window, button);
        QTEST(text1()->text(), "text");
        QTEST(text1()->cursorPosition(), "caret");
        QVERIFY(!text1()->hasSelectedText());
        QVERIFY(text1()->firstShown() <= text1()->cursorPosition());
        QVERIFY(text1()->rect().contains(text1()->cursorRect()));
    }

    // The whole report is in the result box, wrapped into lines that tile it and fit the box.
    void wholeReport()
    {
        text1()->setText(Sum);
        child<InputBox>(*m_window, "Text2")->setText("1");
        click(*m_window, "XPButton28");
        const QString report = "Function y=" + Sum + "\n  x=1\n  y=500,000.0000";
        QCOMPARE(text4()->toPlainText(), report);
        QCOMPARE(text1()->cursorPosition(), 0);
        QCOMPARE(text1()->firstShown(), 0);

        QFont font = text4()->font();
        font.setKerning(false);
        const QFontMetricsF metrics(font);
        const qreal width = text4()->viewport()->width() - 8;
        const qreal widest = metrics.horizontalAdvance(u'+') + metrics.horizontalAdvance(u'x');
        const int lines = text4()->visualLineCount();
        QVERIFY(lines > 1000);
        int expectedStart = 0;
        for (int line = 0; line < lines; ++line) {
            const auto [start, end] = text4()->visualLine(line);
            QCOMPARE(start, expectedStart);
            expectedStart = end < report.size() && report.at(end) == u'\n' ? end + 1 : end;
            if (line % 997 != 0 && line != lines - 1)
                continue;
            const qreal used = metrics.horizontalAdvance(report.mid(start, end - start));
            QVERIFY(used <= width);
            if (expectedStart == end && end < report.size()) // a wrapped line is full
                QVERIFY(used > width - widest);
        }
        QCOMPARE(expectedStart, report.size());

        // Ctrl+End shows the last line.
        text4()->setFocus();
        QTest::keyClick(text4(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(text4()->cursorPosition(), report.size());
        QCOMPARE(text4()->verticalScrollBar()->value(), text4()->verticalScrollBar()->maximum());
        QVERIFY(text4()->viewport()->rect().contains(text4()->cursorRect().translated(-text4()->viewport()->pos())));
    }
};

QTEST_MAIN(tst_LongText)
#include "tst_LongText.moc"
