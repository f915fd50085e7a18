// Moving the graph's view in the real widget (offscreen): the wheel with Shift or Ctrl zooms one
// axis, a box drawn with the right button (or Shift and the left) zooms to it and Escape drops
// it, and Back and Forward step through the views made.
#include "PlotPainter.h"
#include "ShownGraph.h"
#include "ViewNavigator.h"

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
    shown.window = testing::shownGraph(std::move(expression));
    shown.canvas = shown.window->canvas();
    return shown;
}

void wheel(QWidget* widget, QPoint at, int notches, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

bool same(const plot::Span& a, const plot::Span& b)
{
    return a.from == b.from && a.to == b.to;
}

} // namespace

class tst_GraphView : public QObject {
    Q_OBJECT
private slots:
    void theWheelZoomsOneAxisWithShiftOrCtrl_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("xMoves");
        QTest::addColumn<bool>("yMoves");
        QTest::newRow("both") << int(Qt::NoModifier) << true << true;
        QTest::newRow("Shift: x") << int(Qt::ShiftModifier) << true << false;
        QTest::newRow("Ctrl: y") << int(Qt::ControlModifier) << false << true;
    }
    void theWheelZoomsOneAxisWithShiftOrCtrl()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, xMoves);
        QFETCH(bool, yMoves);
        Shown shown = graphOf(u"sin(x)");
        const plot::Span xs = shown.canvas->viewport().xs();
        const plot::Span ys = shown.canvas->viewport().ys();
        wheel(shown.canvas, shown.canvas->rect().center(), 2, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(!same(shown.canvas->viewport().xs(), xs), xMoves);
        QCOMPARE(!same(shown.canvas->viewport().ys(), ys), yMoves);
    }

    void aBoxZoomsToWhatItCovers_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("escape");
        QTest::newRow("right button") << int(Qt::RightButton) << int(Qt::NoModifier) << false;
        QTest::newRow("Shift and left") << int(Qt::LeftButton) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Escape drops it") << int(Qt::RightButton) << int(Qt::NoModifier) << true;
    }
    void aBoxZoomsToWhatItCovers()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(bool, escape);
        Shown shown = graphOf(u"x");
        GraphCanvas* canvas = shown.canvas;
        const plot::Span xs = canvas->viewport().xs();
        const QRectF frame = plot::pictureFrame(canvas->shownPicture());
        // From a quarter to the middle of the frame in x, the top half in y.
        const QPoint from = QPointF(frame.left() + frame.width() / 4, frame.top() + 1).toPoint();
        const QPoint to = frame.center().toPoint();
        const auto mouse = Qt::MouseButton(button);
        QTest::mousePress(canvas, mouse, Qt::KeyboardModifiers(modifiers), from);
        QTest::mouseMove(canvas, to);
        QVERIFY(canvas->navigator()->box());
        if (escape)
            QTest::keyClick(canvas, Qt::Key_Escape);
        QTest::mouseRelease(canvas, mouse, Qt::KeyboardModifiers(modifiers), to);
        QVERIFY(!canvas->navigator()->box());
        const plot::Span now = canvas->viewport().xs();
        if (escape) {
            QVERIFY(same(now, xs));
            return;
        }
        const double width = xs.to - xs.from;
        QVERIFY2(std::abs(now.from - (xs.from + width / 4)) < width / frame.width() * 2,
                 qPrintable(QString::number(now.from)));
        QVERIFY(std::abs(now.to - (xs.from + width / 2)) < width / frame.width() * 2);
        QVERIFY(canvas->viewport().ys().from > -1.0); // the top half
    }

    void backAndForwardStepThroughTheViewsMade()
    {
        Shown shown = graphOf(u"x");
        GraphCanvas* canvas = shown.canvas;
        const plot::Span first = canvas->viewport().xs();
        QTest::keyClick(canvas, Qt::Key_Plus, Qt::ControlModifier);
        const plot::Span zoomed = canvas->viewport().xs();
        QTest::keyClick(canvas, Qt::Key_Right, Qt::ControlModifier);
        const plot::Span panned = canvas->viewport().xs();
        QTest::keyClick(canvas, Qt::Key_Left, Qt::AltModifier);
        QVERIFY(same(canvas->viewport().xs(), zoomed));
        QTest::mousePress(canvas, Qt::BackButton, {}, canvas->rect().center());
        QVERIFY(same(canvas->viewport().xs(), first));
        QVERIFY(!canvas->navigator()->canGoBack());
        QTest::keyClick(canvas, Qt::Key_Right, Qt::AltModifier);
        QTest::mousePress(canvas, Qt::ForwardButton, {}, canvas->rect().center());
        QVERIFY(same(canvas->viewport().xs(), panned));
        QVERIFY(!canvas->navigator()->canGoForward());
    }
};

QTEST_MAIN(tst_GraphView)
#include "tst_GraphView.moc"
