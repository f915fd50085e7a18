// Several curves in the real graph window (offscreen): Ctrl+D pins the live expression, the
// legend lists the shown curves in their colours, the y range takes them all in, PageUp and
// PageDown move the trace between them and the readout names the curve, Ctrl+H hides and Delete
// removes the traced pinned curve.
#include "ShownGraph.h"
#include "TableWindow.h"

#include <QAbstractItemModel>

#include <QtTest>

#include <memory>
#include <set>

using namespace pellitor;
using namespace pellitor::graph;

namespace {

using testing::englishNumbers;
using testing::settled;

} // namespace

class tst_GraphCurves : public QObject {
    Q_OBJECT
private slots:
    void pinnedCurvesShowTraceHideAndGo()
    {
        GraphWindow window(englishNumbers(), [](const QString& text) { return text; });
        window.resize(640, 480);
        window.show();
        GraphCanvas* canvas = window.canvas();
        canvas->setFocus();
        window.setInputs({u"sin(x)", u"0", false});
        QVERIFY(settled(canvas));
        QTest::keyClick(canvas, Qt::Key_D, Qt::ControlModifier);
        window.setInputs({u"x/2", u"0", false});
        QVERIFY(settled(canvas));
        QTest::keyClick(canvas, Qt::Key_D, Qt::ControlModifier);
        window.setInputs({u"x^2", u"0", false});
        QVERIFY(settled(canvas));
        QCOMPARE(canvas->curves().pins().size(), std::size_t(2));

        plot::PlotPicture picture = canvas->shownPicture();
        QCOMPARE(picture.more.size(), std::size_t(2));
        QCOMPARE(QString::fromStdU16String(picture.more[0].label), QStringLiteral("y1 = sin(x)"));
        QCOMPARE(QString::fromStdU16String(picture.more[1].label), QStringLiteral("y2 = x/2"));
        QCOMPARE(QString::fromStdU16String(picture.label), QStringLiteral("y3 = x^2"));
        const std::set<std::uint32_t> colours{plot::curveColour(picture.style.colours, picture.more[0].colour),
                                              plot::curveColour(picture.style.colours, picture.more[1].colour),
                                              plot::curveColour(picture.style.colours, picture.colour)};
        QCOMPARE(colours.size(), std::size_t(3));
        // The automatic range takes in x/2's -5 as well as x^2's 100.
        QVERIFY(canvas->viewport().ys().from <= -5.0);
        QVERIFY(canvas->viewport().ys().to >= 100.0);

        QVERIFY2(canvas->accessibleDescription().contains(
                     "Curves: y1 = sin(x); y2 = x/2; y3 = x^2; the trace reads y3"),
                 qPrintable(canvas->accessibleDescription()));
        QTest::keyClick(canvas, Qt::Key_Right); // traced: the live curve
        QVERIFY2(canvas->readout().startsWith("y3: x = "), qPrintable(canvas->readout()));
        QTest::keyClick(canvas, Qt::Key_PageUp); // round to the first
        QVERIFY2(canvas->readout().startsWith("y1: x = "), qPrintable(canvas->readout()));
        QTest::keyClick(canvas, Qt::Key_PageUp);
        QVERIFY2(canvas->readout().startsWith("y2: x = "), qPrintable(canvas->readout()));
        QTest::keyClick(canvas, Qt::Key_H, Qt::ControlModifier); // hides x/2
        QVERIFY(settled(canvas));
        QVERIFY(!canvas->curves().pins()[1].shown);
        QCOMPARE(canvas->shownPicture().more.size(), std::size_t(1));
        QVERIFY2(canvas->readout().startsWith("y2: x = "), qPrintable(canvas->readout())); // the live one, now y2
        QTest::keyClick(canvas, Qt::Key_PageDown);
        QTest::keyClick(canvas, Qt::Key_Delete); // removes sin(x)
        QVERIFY(settled(canvas));
        QCOMPARE(canvas->curves().pins().size(), std::size_t(1));
        QCOMPARE(canvas->shownPicture().more.size(), std::size_t(0));
        QVERIFY2(canvas->readout().startsWith("x = "), qPrintable(canvas->readout())); // one curve: no name
    }

    // Ctrl+T: the table of the shown curves, headed as the legend names them, its rows in view
    // marked as points on each curve.
    void theTableOfValuesReadsTheShownCurves()
    {
        GraphWindow window(englishNumbers(), [](const QString& text) { return text; });
        window.resize(640, 480);
        window.show();
        GraphCanvas* canvas = window.canvas();
        window.setInputs({u"sin(x)", u"0", false});
        QVERIFY(settled(canvas));
        canvas->pinLive();
        window.setInputs({u"x/2", u"0", false});
        QVERIFY(settled(canvas));
        window.showTable();
        auto* table = window.findChild<TableWindow*>(QStringLiteral("tableWindow"));
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->model()->columnCount(), 3);
        QCOMPARE(table->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("y2 = x/2"));
        QTRY_VERIFY(!canvas->calculationMarks().tableRows.empty());
        std::set<std::size_t> curves;
        for (const auto& row : canvas->calculationMarks().tableRows)
            curves.insert(row.curve);
        QCOMPARE(curves.size(), std::size_t(2));
        table->close();
        QTRY_VERIFY(canvas->calculationMarks().tableRows.empty());
    }
};

QTEST_MAIN(tst_GraphCurves)
#include "tst_GraphCurves.moc"
