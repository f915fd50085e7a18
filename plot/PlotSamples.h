// The curve of a picture, Qt-free: y sampled over x, broken into pieces where the evaluation fails
// and where the curve jumps, and the y range that shows it.
#pragma once

#include "PlotSpan.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

namespace pellitor::plot {

struct Point {
    double x;
    double y;
};

// A curve's pieces, each in order of x and all in order of x; no line joins two of them.
using Pieces = std::vector<std::vector<Point>>;

// y at a 32-bit x, or nothing where the evaluation gives no value.
using Curve = std::function<std::optional<double>(float)>;
// y at many 32-bit x at once: ys[i] for xs[i], as a Curve gives each.
using Curves = std::function<void(std::span<const float> xs, std::span<std::optional<double>> ys)>;

// The values of curve, taken one x at a time.
Curves eachOf(Curve curve);

// y over xs at samples evenly spaced, at least one per pixel column of a picture columns wide,
// taken SampleBlock at a time. A stop requested through stop ends it between two blocks, with the
// samples taken so far.
inline constexpr std::size_t SampleBlock = 256;
std::vector<std::optional<Point>> sample(const Curves& curves, const Span& xs, int columns, std::stop_token stop = {});

// The y range of the values that were found, with a margin. Poles and huge values must not flatten
// the rest: it spans the middle 90% of the values, widened by a quarter of that on each side but
// never beyond the smallest and the largest value. None when no value was found.
std::optional<Span> automaticRange(const std::vector<std::optional<Point>>& samples);

// Where the curve breaks between its points a and b (a.x below b.x), as the pieces find it: the
// interval is halved towards the larger step until the step is at most two pixels (rows per unit
// pixelsPerUnit), which a continuous curve reaches, or lies beyond one edge of ys. Nothing when it
// runs on; else the 32-bit x of the break: one with no value (gap), or of two neighbouring x whose
// step stays large (a jump or a pole), the one with the larger |y|.
struct Break {
    double x;
    bool gap;
};
std::optional<Break> breakBetween(const Curve& curve, Point a, Point b, const Span& ys, double pixelsPerUnit);

// The pieces of the curve: a piece ends at a sample without a value and at a jump. Between two
// samples that lie more than a few pixels apart in y (rows pixels for the span ys), the interval
// is halved towards the larger step until the step is small, which a continuous curve reaches;
// a step that stays large down to neighbouring 32-bit x is a jump or a pole, and breaks the curve.
// A step whose ends both lie beyond the same edge of ys is drawn as it is: nothing of it shows.
// A stop requested through stop ends it between two samples, with the pieces found so far.
Pieces pieces(const Curve& curve, const std::vector<std::optional<Point>>& samples, const Span& ys, int rows,
              std::stop_token stop = {});

} // namespace pellitor::plot
