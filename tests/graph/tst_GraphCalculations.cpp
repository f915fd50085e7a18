// The calculations on the traced curve in the real graph window (offscreen): I and Shift+I to the
// next intersection with another shown curve, "y=" and a height in the x field, T for the slope
// with its tangent, A and B for the area; each read as the readout says it.
#include "ShownGraph.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::graph;

namespace {

struct Shown {
    std::unique_ptr<GraphWindow> window;
    GraphCanvas* canvas = nullptr;
};

Shown graphOf(std::u16string expression)
{
    Shown shown;
    shown.window = testing::shownGraph(std::move(expression), u"0");
    shown.canvas = shown.window->canvas();
    shown.canvas->setFocus();
    return shown;
}

using testing::settled;

} // namespace

class tst_GraphCalculations : public QObject {
    Q_OBJECT
private slots:
    void intersectionsWithAnotherCurve()
    {
        Shown shown = graphOf(u"x^2");
        QVERIFY(settled(shown.canvas));
        shown.canvas->pinLive();
        shown.window->setInputs({u"x+2", u"0", false});
        QVERIFY(settled(shown.canvas));
        shown.canvas->traceTo(0.0f);
        QTest::keyClick(shown.canvas, Qt::Key_I);
        QTRY_VERIFY(shown.canvas->readout().contains("intersection"));
        QCOMPARE(shown.canvas->readout(), QStringLiteral("intersection with y1 at x = 2; y = 4.0000 and 4.0000"));
        QTest::keyClick(shown.canvas, Qt::Key_I, Qt::ShiftModifier);
        QTRY_VERIFY(shown.canvas->readout().contains("x = -1;"));
        QCOMPARE(*shown.canvas->traceX(), -1.0f);
    }

    void aHeightTypedAfterY()
    {
        Shown shown = graphOf(u"sin(x)");
        QVERIFY(settled(shown.canvas));
        shown.canvas->traceTo(0.0f);
        QTest::keyClick(shown.canvas, Qt::Key_Y);
        auto* field = shown.window->findChild<QLineEdit*>(QStringLiteral("xField"));
        QVERIFY(field->isVisible());
        QCOMPARE(field->text(), QStringLiteral("y="));
        QTest::keyClicks(field, QStringLiteral("0.5"));
        QTest::keyClick(field, Qt::Key_Return);
        QTRY_VERIFY(shown.canvas->readout().startsWith("y = 0.5000 at"));
        QCOMPARE(*shown.canvas->traceX(), float(std::asin(0.5)));
        QCOMPARE(shown.canvas->calculationMarks().levelXs.size(), std::size_t(7)); // sin(x) = 0.5 seven times in view
        shown.canvas->setFocus();
        QTest::keyClick(shown.canvas, Qt::Key_Y);
        QTest::keyClicks(field, QStringLiteral("0.5"));
        QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier); // to the left
        QTRY_VERIFY(*shown.canvas->traceX() < 0.0f);
        QVERIFY(std::abs(*shown.canvas->traceX() - float(std::asin(0.5) - 2 * M_PI + M_PI - 2 * std::asin(0.5)))
                < 1e-5);
    }

    void theSlopeWithItsTangentAndTheArea_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("area");
        QTest::newRow("x^2") << "x^2" << 1.0f << 2.0f << "dy/dx = 4 (± "
                             << "∫ from 1 to 2 = 2.3333333333333";
        QTest::newRow("1/x") << "1/x" << 1.0f << 2.0f << "dy/dx = -0.25 (± "
                             << "∫ from 1 to 2 = 0.69314718055995";
        QTest::newRow("1/x over its pole") << "1/x" << -1.0f << 1.0f << "dy/dx = -1 (± "
                                           << "diverges at x = 0";
        QTest::newRow("1/x to its pole") << "1/x" << -1.0f << 0.0f << "no slope: a gap"
                                         << "diverges at x = 0";
        QTest::newRow("abs(x): a corner") << "abs(x)" << -1.0f << 0.0f << "no slope: a corner"
                                          << "∫ from -1 to 0 = 0.5";
    }
    void theSlopeWithItsTangentAndTheArea()
    {
        QFETCH(QString, expression);
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(QString, slope);
        QFETCH(QString, area);
        Shown shown = graphOf(expression.toStdU16String());
        QVERIFY(settled(shown.canvas));
        shown.canvas->traceTo(a);
        QTest::keyClick(shown.canvas, Qt::Key_A);
        shown.canvas->traceTo(b);
        QTest::keyClick(shown.canvas, Qt::Key_B);
        QVERIFY2(shown.canvas->readout().contains(area), qPrintable(shown.canvas->readout()));
        QVERIFY(shown.canvas->calculationMarks().area);
        QTest::keyClick(shown.canvas, Qt::Key_T);
        QVERIFY2(shown.canvas->readout().contains(slope), qPrintable(shown.canvas->readout()));
        QCOMPARE(shown.canvas->calculationMarks().tangentAt.has_value(), !slope.startsWith("no slope"));
    }
};

QTEST_MAIN(tst_GraphCalculations)
#include "tst_GraphCalculations.moc"
