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

// The samples a block of evaluations takes at most (a caller that must stop can do so between).
inline constexpr std::size_t SampleBlock = 256;

// The y range of the values that were found, with a margin of a twentieth on each side. It shows
// the whole curve where the curve is bounded in view, and cuts off only growth without bound (a
// pole, a run towards overflow), which would flatten the rest. The rule: with q05 and q95 the 5%
// and 95% quantiles of the values and s = q95 - q05, the range reaches down to the least value
// where that lies within 2s below q05, else to a quarter of s below q05; and up alike. It then
// reaches on to y = 0 where 0 lies within a fifth of the range's height beyond it. A flat curve,
// or one whose spread a 32-bit y cannot show, gets a range around its value. The range ends at
// the ends of the 32-bit numbers (+-FLT_MAX) at the most. None when no value was found.
std::optional<Span> automaticRange(const std::vector<std::optional<Point>>& samples);

// Where the curve breaks between its points a and b (a.x below b.x), as the pieces find it: the
// interval is halved towards the larger step until the step is at most two pixels (rows per unit
// pixelsPerUnit), which a continuous curve reaches, or lies beyond one edge of ys, or has shrunk
// to three quarters or less in three halvings in a row, as a continuous curve's does. Nothing when
// it runs on; else the 32-bit x of the break: one with no value (gap), or of two neighbouring x
// whose step stays large (a jump or a pole), the one with the larger |y|.
struct Break {
    double x;
    bool gap;
};
std::optional<Break> breakBetween(const Curve& curve, Point a, Point b, const Span& ys, double pixelsPerUnit);

// breakBetween as a search that asks for one x at a time, to run side by side with others.
class BreakSearch {
public:
    BreakSearch(Point a, Point b, const Span& ys, double pixelsPerUnit);
    // The x to evaluate next; nothing once the search has ended.
    std::optional<float> probe() const { return m_probe; }
    void take(std::optional<double> y);
    // What the search found, once it has ended.
    const std::optional<Break>& found() const { return m_found; }

private:
    void settle();

    Point m_a;
    Point m_b;
    Span m_ys;
    double m_pixelsPerUnit;
    std::optional<float> m_probe;
    std::optional<Break> m_found;
    int m_shrinking = 0; // halvings in a row that shrank the step
};

// The pieces of the curve: a piece ends at a sample without a value and at a jump. Between two
// samples that lie more than a few pixels apart in y (rows pixels for the span ys), the interval
// is halved towards the larger step until the step is small, which a continuous curve reaches;
// a step that stays large down to neighbouring 32-bit x is a jump or a pole, and breaks the curve.
// A step whose ends both lie beyond the same edge of ys is drawn as it is: nothing of it shows.
// A stop requested through stop ends it between two samples, with the pieces found so far.
Pieces pieces(const Curves& curves, const std::vector<std::optional<Point>>& samples, const Span& ys, int rows,
              std::stop_token stop = {});

} // namespace pellitor::plot
