// The Calculate command through the real window (offscreen): the expression and the parameter put
// into their boxes, Enter in the expression box, the report laid out in the result box. Lengths
// from 1,000 to 1,000,000 characters, so that Google Benchmark fits the cost against the length;
// and a syntax error's box for an undefined symbol of up to 10^7 letters.
#include "GraphLink.h"
#include "InputBox.h"
#include "QtMessageBox.h"
#include "ResultBox.h"
#include "TranslatedMessageBox.h"
#include "frmMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace pellitor;

namespace {

frmMain* window = nullptr;

// An expression of length characters, built from the piece as the shape asks.
enum class Shape { Sum, Nested };

QString expression(Shape shape, int length)
{
    if (shape == Shape::Sum)
        return "x" + QString("+x").repeated((length - 1) / 2);
    const int depth = (length - 1) / 2;
    return QString("(").repeated(depth) + "x" + QString(")").repeated(depth);
}

void BM_WindowCalculate(benchmark::State& state, Shape shape)
{
    auto* text1 = window->findChild<InputBox*>("Text1");
    auto* text2 = window->findChild<InputBox*>("Text2");
    auto* text4 = window->findChild<ResultBox*>("Text4");
    const QString text = expression(shape, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        text1->setText(text);
        text2->setText("1");
        emit text1->enterPressed();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(text4->visualLineCount());
    }
    if (!text4->toPlainText().contains("  y="))
        state.SkipWithError("the window gave no value");
    state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(BM_WindowCalculate, sum, Shape::Sum)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowCalculate, nested, Shape::Nested)
    ->RangeMultiplier(10)
    ->Range(1'000, 1'000'000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// One key typed at the end of a long expression, with and without the graph window open: the
// graph follows the text on a thread of its own, so the key must cost the same either way.
void BM_KeyAtTheEnd(benchmark::State& state, bool graphOpen)
{
    auto* text1 = window->findChild<InputBox*>("Text1");
    text1->setText(expression(Shape::Sum, static_cast<int>(state.range(0))));
    text1->setFocus();
    text1->setCursorPosition(text1->text().size());
    if (graphOpen)
        window->showGraph();
    for (auto _ : state) {
        QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
        QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(text1, &plus);
        QCoreApplication::sendEvent(text1, &x);
        QCoreApplication::processEvents();
    }
    if (graphOpen)
        window->graphLink()->closeGraph();
    QCoreApplication::processEvents();
    state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(BM_KeyAtTheEnd, graph_closed, false)
    ->RangeMultiplier(10)
    ->Range(1'000'000, 10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_KeyAtTheEnd, graph_open, true)
    ->RangeMultiplier(10)
    ->Range(1'000'000, 10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A syntax error whose undefined symbol is a name of that many letters ("2+yy...y"), shown in
// the real message box as the program shows it: from Enter (the whole Calculate command) and from
// the message alone, each to the box on the screen. The box closes as soon as it shows.
void BM_UndefinedSymbol(benchmark::State& state, bool fromEnter)
{
    platform::QtMessageBox qtBoxes;
    TranslatedMessageBox boxes(qtBoxes);
    const platform::InstallGuard<platform::MessageBox> shown(boxes);
    auto* text1 = window->findChild<InputBox*>("Text1");
    const QString name(static_cast<qsizetype>(state.range(0)), u'y');
    const std::u16string message = u"Character 1:  Undefined symbol : '" + name.toStdU16String() + u"'";
    for (auto _ : state) {
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        if (fromEnter) {
            text1->setText("2+" + name);
            emit text1->enterPressed();
        } else {
            boxes.showMessage(message, u"Syntax Error", 16);
        }
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(BM_UndefinedSymbol, from_enter, true)
    ->RangeMultiplier(10)
    ->Range(1'000, 10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_UndefinedSymbol, box_alone, false)
    ->RangeMultiplier(10)
    ->Range(1'000, 10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    auto main = std::make_unique<frmMain>();
    main->show();
    QCoreApplication::processEvents();
    window = main.get();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
