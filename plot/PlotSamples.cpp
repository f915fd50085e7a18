// Sampling the curve, choosing its y range and finding its jumps.
#include "PlotSamples.h"

#include "Probes.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace pellitor::plot {

namespace {
// A step of at most this many pixels is drawn as it is; a larger one is looked into.
constexpr double SmallStep = 2.0;
constexpr double Shrunk = 0.75;
constexpr int ShrinkingSteps = 3;
// A range cut to the 32-bit numbers, where every y lies: a margin beyond them could be neither
// shown nor labelled.
Span withinSingles(const Span& span)
{
    constexpr double Largest = FLT_MAX;
    return {std::max(span.from, -Largest), std::min(span.to, Largest)};
}
} // namespace

BreakSearch::BreakSearch(Point a, Point b, const Span& ys, double pixelsPerUnit)
    : m_a(a), m_b(b), m_ys(ys), m_pixelsPerUnit(pixelsPerUnit)
{
    settle();
}

// The interval is halved towards the larger step until it ends one way or the other.
void BreakSearch::settle()
{
    m_probe.reset();
    if (std::fabs(m_b.y - m_a.y) * m_pixelsPerUnit <= SmallStep)
        return;
    // Beyond the same edge, a step shows nothing, however steep: near a pole neighbouring
    // 32-bit x lie far apart in y.
    if ((m_a.y > m_ys.to && m_b.y > m_ys.to) || (m_a.y < m_ys.from && m_b.y < m_ys.from))
        return;
    const float middle = static_cast<float>((m_a.x + m_b.x) / 2.0);
    if (middle == static_cast<float>(m_a.x) || middle == static_cast<float>(m_b.x)) {
        m_found = Break{std::fabs(m_a.y) >= std::fabs(m_b.y) ? m_a.x : m_b.x, false};
        return;
    }
    m_probe = middle;
}

void BreakSearch::take(std::optional<double> y)
{
    const float middle = *m_probe;
    if (!y) {
        m_found = Break{middle, true};
        m_probe.reset();
        return;
    }
    const Point m{static_cast<double>(middle), *y};
    const double step = std::fabs(m_b.y - m_a.y);
    if (std::fabs(m.y - m_a.y) >= std::fabs(m_b.y - m.y))
        m_b = m;
    else
        m_a = m;
    // A step that a continuous curve makes shrinks with each halving, one with a jump in it
    // keeps the jump: three halvings in a row that leave at most three quarters of the step
    // show a curve that runs on (a jump smaller than a fifth of the step may hide in it).
    m_shrinking = std::fabs(m_b.y - m_a.y) <= Shrunk * step ? m_shrinking + 1 : 0;
    if (m_shrinking >= ShrinkingSteps) {
        m_probe.reset();
        return;
    }
    settle();
}

std::optional<Break> breakBetween(const Curve& curve, Point a, Point b, const Span& ys, double pixelsPerUnit)
{
    BreakSearch search(a, b, ys, pixelsPerUnit);
    runAlone(search, curve);
    return search.found();
}

Curves eachOf(Curve curve)
{
    return [curve = std::move(curve)](std::span<const float> xs, std::span<std::optional<double>> ys) {
        for (std::size_t i = 0; i < xs.size(); ++i)
            ys[i] = curve(xs[i]);
    };
}

std::optional<Span> automaticRange(const std::vector<std::optional<Point>>& samples)
{
    std::vector<double> values;
    for (const std::optional<Point>& point : samples) {
        if (point)
            values.push_back(point->y);
    }
    if (values.empty())
        return std::nullopt;
    const auto quantile = [&values](double q) {
        const auto at = values.begin() + static_cast<std::ptrdiff_t>(q * double(values.size() - 1));
        std::nth_element(values.begin(), at, values.end());
        return *at;
    };
    const auto [least, greatest] = std::minmax_element(values.begin(), values.end());
    const double lowest = *least;
    const double highest = *greatest;
    const double low = quantile(0.05);
    const double high = quantile(0.95);
    const double spread = high - low;
    double from = lowest >= low - 2.0 * spread ? lowest : low - spread / 4.0;
    double to = highest <= high + 2.0 * spread ? highest : high + spread / 4.0;
    if (from > 0.0 && from <= (to - from) / 5.0)
        from = 0.0;
    if (to < 0.0 && -to <= (to - from) / 5.0)
        to = 0.0;
    // A flat curve, or one whose spread a 32-bit y cannot show, gets a range around its value.
    const double magnitude = std::max(std::fabs(from), std::fabs(to));
    if (to - from <= magnitude * 1e-6) {
        const double half = std::max(1.0, magnitude / 10.0);
        return withinSingles({(from + to) / 2.0 - half, (from + to) / 2.0 + half});
    }
    const double margin = (to - from) / 20.0;
    return withinSingles({from - margin, to + margin});
}

Pieces pieces(const Curves& curves, const std::vector<std::optional<Point>>& samples, const Span& ys, int rows,
              std::stop_token stop)
{
    const double pixelsPerUnit = rows / (ys.to - ys.from);
    // The step from each sample to the one before, where both have a value, looked into side by
    // side with all the others.
    std::vector<BreakSearch> steps;
    std::vector<std::size_t> stepOf(samples.size(), 0); // 1 + the index of its step, 0: none
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] && samples[i]) {
            steps.emplace_back(*samples[i - 1], *samples[i], ys, pixelsPerUnit);
            stepOf[i] = steps.size();
        }
    }
    runTogether(std::span(steps), curves, stop);

    Pieces result;
    std::vector<Point> piece;
    const auto close = [&] {
        if (!piece.empty())
            result.push_back(std::move(piece));
        piece.clear();
    };
    for (std::size_t i = 0; i < samples.size() && !stop.stop_requested(); ++i) {
        if (!samples[i]) {
            close();
            continue;
        }
        if (stepOf[i] != 0 && steps[stepOf[i] - 1].found())
            close();
        piece.push_back(*samples[i]);
    }
    close();
    return result;
}

} // namespace pellitor::plot
