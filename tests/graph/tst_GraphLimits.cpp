// The graph window at its limits (offscreen): a curve at the end of the 32-bit numbers, an x typed
// far out, zooms that one axis stops, and a window larger than any picture.
#include "ShownGraph.h"

#include <QLineEdit>
#include <QtTest>

#include <cfloat>
#include <memory>

using namespace pellitor;
using namespace pellitor::graph;

using testing::settled;
using testing::shownGraph;

class tst_GraphLimits : public QObject {
    Q_OBJECT
private slots:
    // The automatic range stops at +-FLT_MAX: a new curve there is shown, and Ctrl+0 fits it.
    void aCurveAtTheEndOfTheNumbersIsShown()
    {
        const auto window = shownGraph(u"3*10^38");
        GraphCanvas* canvas = window->canvas();
        QVERIFY(settled(canvas));
        window->setInputs({u"x*3.3*10^38", {}, false});
        QVERIFY(settled(canvas));
        const plot::Span ys = canvas->viewport().ys();
        QVERIFY(ys.from < -3e38 && ys.from >= -double(FLT_MAX));
        QVERIFY(ys.to > 3e38 && ys.to <= double(FLT_MAX));
        QCOMPARE(window->statusText(), QString());
    }

    // A typed x far out takes the view with it, as wide as the 32-bit x there need.
    void aTypedXFarOutTakesTheView_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("x");
        QTest::newRow("300000") << QStringLiteral("300000") << 300000.0;
        QTest::newRow("10^8") << QStringLiteral("100000000") << 1e8;
        QTest::newRow("10^30") << QStringLiteral("1") + QString(30, u'0') << 1e30;
        QTest::newRow("-FLT_MAX") << QStringLiteral("-340282346638528859811704183484516925440") << -double(FLT_MAX);
    }
    void aTypedXFarOutTakesTheView()
    {
        QFETCH(QString, typed);
        QFETCH(double, x);
        const auto window = shownGraph(u"x");
        GraphCanvas* canvas = window->canvas();
        QVERIFY(settled(canvas));
        QTest::keyClicks(canvas, typed.first(1)); // the first opens the field, the rest goes there
        QLineEdit* field = window->findChild<QLineEdit*>(QStringLiteral("xField"));
        QVERIFY(field && field->isVisible());
        QTest::keyClicks(field, typed.sliced(1));
        QTest::keyClick(field, Qt::Key_Return);
        const plot::Span xs = canvas->viewport().xs();
        QVERIFY2(xs.from <= x && x <= xs.to, qPrintable(QStringLiteral("%1 to %2").arg(xs.from).arg(xs.to)));
        QVERIFY2(!window->statusText().startsWith(QStringLiteral("Finest view")), qPrintable(window->statusText()));
        QVERIFY(settled(canvas));
        QVERIFY(canvas->readout().startsWith(QStringLiteral("x = ")));
    }

    // However large the window, the picture is at most what pellitor-calc draws.
    void aHugeWindowDrawsAtMostTheLargestPicture()
    {
        const auto window = shownGraph(u"sin(x)");
        GraphCanvas* canvas = window->canvas();
        canvas->setFixedSize(9000, 8500);
        QVERIFY(settled(canvas));
        QCOMPARE(canvas->pictureSize().width, plot::MaxSide);
        QCOMPARE(canvas->pictureSize().height, plot::MaxSide);
        QCOMPARE(canvas->curve()->size.width, plot::MaxSide);
        std::optional<plot::Size> saved;
        canvas->whenDrawn([&saved](const plot::PlotPicture& picture) { saved = picture.size; });
        QTRY_VERIFY(saved);
        QCOMPARE(saved->width, plot::MaxSide);
        QCOMPARE(saved->height, plot::MaxSide);
    }
};

QTEST_MAIN(tst_GraphLimits)
#include "tst_GraphLimits.moc"
