// The graph's costs through the real widget (offscreen, release): a full redraw, from new inputs
// to the curve computed on the graph's thread and painted, at 1920x1080; and a frame of a pan at
// 3840x2160, from a drag of a few pixels to the curve computed for the moved view and painted;
// for 2cos(x^2)/x, sin(200x) (a band: the curve swings faster than a column) and a sum of 1,000 x;
// and the redraw of the longest expression the live graph promises to follow within 100 ms, 10^4
// characters (a sum of 5,000 x).
#include "GraphCanvas.h"
#include "LocaleNumberText.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace pellitor;

namespace {

QString sumOfXs(int terms)
{
    return QStringLiteral("x") + QStringLiteral("+x").repeated(terms - 1);
}

const platform::NumberText& numbers()
{
    static const platform::LocaleNumberText english(QLocale(QLocale::English, QLocale::UnitedStates));
    return english;
}

void waitForCurve(const graph::GraphCanvas& canvas)
{
    while (canvas.computing())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_GraphRedraw(benchmark::State& state, const QString& expression)
{
    graph::GraphCanvas canvas(numbers(), [](const QString& text) { return text; });
    canvas.resize(1920, 1080);
    QImage image(canvas.size(), QImage::Format_RGB32);
    bool other = false;
    for (auto _ : state) {
        // The parameter changes each time, so that every round is a new drawing of the same view.
        other = !other;
        canvas.setInputs({expression.toStdU16String(), other ? u"0.5" : u"0.25", false});
        waitForCurve(canvas);
        canvas.render(&image);
    }
}

void drag(graph::GraphCanvas& canvas, QPointF from, QPointF to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, canvas.mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, canvas.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, canvas.mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &press);
    QCoreApplication::sendEvent(&canvas, &move);
    QCoreApplication::sendEvent(&canvas, &release);
}

void BM_GraphPanFrame(benchmark::State& state, const QString& expression)
{
    graph::GraphCanvas canvas(numbers(), [](const QString& text) { return text; });
    canvas.resize(3840, 2160);
    canvas.setInputs({expression.toStdU16String(), u"0.5", false});
    waitForCurve(canvas);
    QImage image(canvas.size(), QImage::Format_RGB32);
    const QPointF centre(1920, 1080);
    for (auto _ : state) {
        drag(canvas, centre, centre + QPointF(4, 0));
        waitForCurve(canvas);
        canvas.render(&image);
    }
}

BENCHMARK_CAPTURE(BM_GraphRedraw, 2cos_x2_over_x, QStringLiteral("2cos(x^2)/x"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_GraphRedraw, sin_200x, QStringLiteral("sin(200x)"))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_GraphRedraw, sum_of_1000_x, sumOfXs(1000))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_GraphRedraw, sum_of_5000_x, sumOfXs(5000))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_GraphPanFrame, 2cos_x2_over_x, QStringLiteral("2cos(x^2)/x"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_GraphPanFrame, sum_of_1000_x, sumOfXs(1000))->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
