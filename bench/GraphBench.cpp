// The graph's costs through the real widget (offscreen, release): a full redraw, from new inputs
// to the curve computed on the graph's thread and painted, at 1920x1080; and a frame of a pan at
// 3840x2160, from a drag of a few pixels to the curve computed for the moved view and painted;
// for 2cos(x^2)/x, sin(200x) (a band: the curve swings faster than a column) and a sum of 1,000 x;
// and the redraw of the longest expression the live graph promises to follow within 100 ms, 10^4
// characters (a sum of 5,000 x). And the calculations on a curve over the first view (-10 to 10,
// 640 columns): an intersection, the x where y reaches a level, an area and a slope. And a page of
// the table of values a million rows from its start.
#include "Area.h"
#include "GraphCanvas.h"
#include "LevelCrossing.h"
#include "LocaleNumberText.h"
#include "Slope.h"
#include "TableWindow.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

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

// An expression compiled as the graph's thread compiles it, read as the report reads it.
struct Curve {
    explicit Curve(const std::u16string& expression) : compiled(translate(expression, refusal).value().postfix, false)
    {
    }
    graph::ValueAt single()
    {
        return [this](float x) { return valueAt(compiled, x); };
    }
    graph::ValueAtDouble wide()
    {
        return [this](double x) { return valueAtDouble(compiled, x); };
    }
    std::u16string refusal;
    CompiledPostfix compiled;
};

constexpr plot::Span FirstView{-10.0, 10.0};
constexpr plot::Span ViewYs{-6.3, 6.3};

// The next intersection of 2cos(x^2)/x from x = 0.5 to the right, with x/4 (found a column away)
// and with 5, which it never meets there: the whole search, 100 view widths.
void BM_Intersection(benchmark::State& state, const std::u16string& other)
{
    Curve f(u"2cos(x^2)/x");
    Curve g(other);
    for (auto _ : state) {
        graph::IntersectionSearch search(f.single(), g.single(), 0.5f, 1, FirstView, ViewYs, 640, 480);
        while (search.step(640) == graph::IntersectionSearch::State::Searching) {
        }
        benchmark::DoNotOptimize(search.found());
    }
}

// The next x from 0.5 to the right where 2cos(x^2)/x reaches 5, which it never does there: the
// whole search, 100 view widths.
void BM_LevelSearch(benchmark::State& state)
{
    Curve f(u"2cos(x^2)/x");
    for (auto _ : state) {
        graph::IntersectionSearch search = graph::levelSearch(f.single(), 5.0f, 0.5f, 1, FirstView, ViewYs, 640, 480);
        while (search.step(640) == graph::IntersectionSearch::State::Searching) {
        }
        benchmark::DoNotOptimize(search.found());
    }
}

// Every x of the first view where 2cos(x^2)/x reaches 0.5, for marking them.
void BM_LevelCrossings(benchmark::State& state)
{
    Curve f(u"2cos(x^2)/x");
    for (auto _ : state)
        benchmark::DoNotOptimize(graph::levelCrossingsIn(f.single(), 0.5f, FirstView, ViewYs, 640, 480));
}

// The area under 2cos(x^2)/x over the first view (it diverges at 0), and from 0.5 to 10.
void BM_Area(benchmark::State& state, double from)
{
    Curve f(u"2cos(x^2)/x");
    for (auto _ : state)
        benchmark::DoNotOptimize(graph::areaOf(f.wide(), from, FirstView.to));
}

void BM_Slope(benchmark::State& state)
{
    Curve f(u"2cos(x^2)/x");
    for (auto _ : state)
        benchmark::DoNotOptimize(graph::slopeAt(f.wide(), 1.0));
}

void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

// This thread's CPU time in milliseconds: a page's own cost, which a busy machine's other work
// does not add to.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A page down in the table of values of 2cos(x^2)/x, 1080 pixels high, from row 10^6 on: the new
// rows' x and y computed (a block at a time) and written, and the view painted; now and then the
// model's window moves along. worst_cpu_ms is the slowest page's CPU time.
void BM_TablePage(benchmark::State& state)
{
    std::u16string refusal;
    graph::TableWindow window(numbers());
    window.setCurves({{QStringLiteral("y"), translate(u"2cos(x^2)/x", refusal).value().postfix, false}});
    window.resize(480, 1080);
    window.show();
    QTableView* view = window.view();
    view->setFocus();
    while (window.model()->stepOf(view->rowAt(0)) < 1'000'000)
        press(view, Qt::Key_End, Qt::ControlModifier);
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    double worst = 0.0;
    for (auto _ : state) {
        const double start = threadMilliseconds();
        press(view, Qt::Key_PageDown);
        view->viewport()->render(&image);
        worst = std::max(worst, threadMilliseconds() - start);
    }
    state.counters["worst_cpu_ms"] = worst;
}

BENCHMARK_CAPTURE(BM_Intersection, 2cos_x2_over_x_and_x_over_4, u"x/4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Intersection, 2cos_x2_over_x_and_5_none, u"5")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LevelSearch)->Name("BM_LevelSearch/2cos_x2_over_x_at_5_none")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LevelCrossings)->Name("BM_LevelCrossings/2cos_x2_over_x_at_0.5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Area, 2cos_x2_over_x_over_the_view, -10.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Area, 2cos_x2_over_x_from_0.5, 0.5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Slope)->Name("BM_Slope/2cos_x2_over_x_at_1")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePage)->Name("BM_TablePage/2cos_x2_over_x_at_row_1e6")->Unit(benchmark::kMillisecond)->UseRealTime();

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
