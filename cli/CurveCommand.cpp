// The readings of a curve from the command line: the x where y reaches a level, the slope at an
// x and the area over a range, computed by the graph's core with the Calculate command's
// evaluation (in 64 bits for the slope and the area), and written with the user's decimal sign.
#include "CurveCommand.h"

#include "Area.h"
#include "Complaints.h"
#include "Evaluation.h"
#include "LevelCrossing.h"
#include "MessageBox.h"
#include "OperandReader.h"
#include "PlotSamples.h"
#include "PlotSpan.h"
#include "Range.h"
#include "SignificantDigits.h"
#include "Slope.h"
#include "TextCodec.h"
#include "UserNumbers.h"

#include <variant>
#include <vector>

namespace pellitor::cli {

namespace {

// The x of a 32-bit number in full: nine significant digits tell it from its neighbours.
constexpr int SingleDigits = 9;

// The expression compiled, and the numbers of the user's locale.
struct Reading {
    std::optional<CompiledPostfix> compiled;
    const platform::NumberText* numbers = nullptr;
    int failure = 0;
};

Reading readExpression(const CommandLine& line)
{
    Reading reading;
    const TranslatedOperand expression = translateOperand(line.operands.front());
    if (expression.failure != 0) {
        reading.failure = expression.failure;
        return reading;
    }
    std::variant<const platform::NumberText*, std::string> numbers = userNumbers();
    if (const std::string* reason = std::get_if<std::string>(&numbers)) {
        complain(*reason);
        reading.failure = ExitMessage;
        return reading;
    }
    reading.numbers = std::get<const platform::NumberText*>(numbers);
    reading.compiled.emplace(expression.translation->postfix, line.degree);
    return reading;
}

// A plain number ("-1.25E-07") with the locale's decimal sign, as the report's x has it; the
// minus sign and the exponent stay as they are, so that -x reads the x back.
std::string localised(const std::string& plain, const platform::NumberText& numbers)
{
    const std::string half = toUtf8(numbers.general(0.5f)); // "0" sign "5"
    const std::string sign = half.substr(1, half.size() - 2);
    std::string text;
    for (const char c : plain)
        text += c == '.' ? sign : std::string(1, c);
    return text;
}

// Every x in the range where y reaches C, as the graph marks them in a view of the range as wide
// as a default picture (800 pixel columns, 500 rows of the automatic y range).
int solve(const CommandLine& line, platform::StandardOutput& out)
{
    float level = 0.0f;
    plot::Span xs;
    if (!take(readLevel(*line.level, "C"), level) || !take(readSpan(*line.within, "--in"), xs))
        return ExitUsage;
    const plot::Size view;
    if (const std::optional<std::string> reason = sampleStepsTooSmall(xs, view.width)) {
        complain(*reason);
        return ExitUsage;
    }
    Reading reading = readExpression(line);
    if (reading.failure != 0)
        return reading.failure;
    const graph::ValueAt value = [&reading](float x) { return valueAt(*reading.compiled, x); };
    std::vector<std::optional<plot::Point>> samples;
    for (int k = 0; k <= view.width; ++k) {
        const float x = static_cast<float>(xs.from + k * ((xs.to - xs.from) / view.width));
        if (const std::optional<float> y = value(x))
            samples.push_back(plot::Point{x, *y});
    }
    const std::optional<plot::Span> ys = plot::automaticRange(samples);
    if (!ys)
        return 1;
    const std::vector<graph::Intersection> found = graph::levelCrossingsIn(value, level, xs, *ys, view.width,
                                                                           view.height);
    for (const graph::Intersection& at : found)
        out.write(localised(graph::withDigits(at.x, SingleDigits), *reading.numbers) + "\n");
    return found.empty() ? 1 : 0;
}

int slope(const CommandLine& line, platform::StandardOutput& out)
{
    // -x is read exactly as the Calculate command reads the parameter box, refusals included.
    const std::optional<float> x = readParameter(fromUtf8(line.value.value_or("0")), platform::MessageBox::current());
    if (!x)
        return ExitMessage;
    Reading reading = readExpression(line);
    if (reading.failure != 0)
        return reading.failure;
    const graph::Slope slope = graph::slopeAt([&reading](double at) { return valueAtDouble(*reading.compiled, at); },
                                              *x);
    const platform::NumberText& numbers = *reading.numbers;
    const std::string at = "no slope at x=" + toUtf8(numbers.general(*x));
    switch (slope.outcome) {
    case graph::Slope::Outcome::Value:
        out.write(localised(graph::withError(slope.value, slope.error), numbers) + "\n");
        return 0;
    case graph::Slope::Outcome::Corner:
        out.write(at + ": a corner, from the left " + localised(graph::withDigits(slope.left, SingleDigits), numbers)
                  + ", from the right " + localised(graph::withDigits(slope.right, SingleDigits), numbers) + "\n");
        return 1;
    case graph::Slope::Outcome::Break: break;
    }
    out.write(at + ": a gap, a pole or a jump at or near it\n");
    return 1;
}

int area(const CommandLine& line, platform::StandardOutput& out)
{
    std::pair<double, double> limits;
    if (!take(readLimits(*line.range, "--area"), limits))
        return ExitUsage;
    Reading reading = readExpression(line);
    if (reading.failure != 0)
        return reading.failure;
    const graph::Area area = graph::areaOf([&reading](double at) { return valueAtDouble(*reading.compiled, at); },
                                           limits.first, limits.second);
    const auto shown = [&](double x) {
        return localised(graph::shortestWithin(x, area.within, SingleDigits), *reading.numbers);
    };
    switch (area.outcome) {
    case graph::Area::Outcome::Value:
        out.write(localised(graph::withError(area.value, area.error), *reading.numbers) + "\t"
                  + localised(graph::errorBound(area.error), *reading.numbers) + "\n");
        return 0;
    case graph::Area::Outcome::Diverges: out.write("diverges at x=" + shown(area.from) + "\n"); return 1;
    case graph::Area::Outcome::Undefined: break;
    }
    out.write("undefined: no value from x=" + shown(area.from) + " to x=" + shown(area.to) + "\n");
    return 1;
}

} // namespace

int runCurveReading(const CommandLine& line, platform::StandardOutput& out)
{
    switch (line.mode) {
    case Mode::Solve: return solve(line, out);
    case Mode::Slope: return slope(line, out);
    default: return area(line, out);
    }
}

} // namespace pellitor::cli
