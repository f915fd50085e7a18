// Sampling the curve, choosing its y range and finding its jumps.
#include "PlotSamples.h"

#include <algorithm>
#include <cmath>

namespace pellitor::plot {

namespace {
// A step of at most this many pixels is drawn as it is; a larger one is looked into.
constexpr double SmallStep = 2.0;
} // namespace

std::optional<Break> breakBetween(const Curve& curve, Point a, Point b, const Span& ys, double pixelsPerUnit)
{
    for (;;) {
        if (std::fabs(b.y - a.y) * pixelsPerUnit <= SmallStep)
            return std::nullopt;
        // Beyond the same edge, a step shows nothing, however steep: near a pole neighbouring
        // 32-bit x lie far apart in y.
        if ((a.y > ys.to && b.y > ys.to) || (a.y < ys.from && b.y < ys.from))
            return std::nullopt;
        const float middle = static_cast<float>((a.x + b.x) / 2.0);
        if (middle == static_cast<float>(a.x) || middle == static_cast<float>(b.x))
            return Break{std::fabs(a.y) >= std::fabs(b.y) ? a.x : b.x, false};
        const std::optional<double> y = curve(middle);
        if (!y)
            return Break{middle, true};
        const Point m{static_cast<double>(middle), *y};
        if (std::fabs(m.y - a.y) >= std::fabs(b.y - m.y))
            b = m;
        else
            a = m;
    }
}

Curves eachOf(Curve curve)
{
    return [curve = std::move(curve)](std::span<const float> xs, std::span<std::optional<double>> ys) {
        for (std::size_t i = 0; i < xs.size(); ++i)
            ys[i] = curve(xs[i]);
    };
}

std::vector<std::optional<Point>> sample(const Curves& curves, const Span& xs, int columns, std::stop_token stop)
{
    // Two samples per column find more of a curve that turns within a column.
    const std::int64_t count = sampleCount(columns);
    std::vector<std::optional<Point>> samples;
    samples.reserve(static_cast<std::size_t>(count));
    std::vector<float> blockXs;
    std::vector<std::optional<double>> ys;
    for (std::int64_t start = 0; start < count && !stop.stop_requested(); start += SampleBlock) {
        blockXs.clear();
        for (std::int64_t i = start; i < std::min<std::int64_t>(count, start + SampleBlock); ++i)
            blockXs.push_back(static_cast<float>(sampleAt(xs, columns, i)));
        ys.resize(blockXs.size());
        curves(blockXs, ys);
        for (std::size_t i = 0; i < blockXs.size(); ++i)
            samples.push_back(ys[i] ? std::optional<Point>(Point{blockXs[i], *ys[i]}) : std::nullopt);
    }
    return samples;
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
    std::sort(values.begin(), values.end());
    const auto quantile = [&values](double q) { return values[static_cast<std::size_t>(q * (values.size() - 1))]; };
    const double low = quantile(0.05);
    const double high = quantile(0.95);
    double from = std::max(values.front(), low - (high - low) / 4.0);
    double to = std::min(values.back(), high + (high - low) / 4.0);
    // A flat curve, or one whose spread a 32-bit y cannot show, gets a range around its value.
    const double magnitude = std::max(std::fabs(from), std::fabs(to));
    if (to - from <= magnitude * 1e-6) {
        const double half = std::max(1.0, magnitude / 10.0);
        return Span{(from + to) / 2.0 - half, (from + to) / 2.0 + half};
    }
    const double margin = (to - from) / 20.0;
    return Span{from - margin, to + margin};
}

Pieces pieces(const Curve& curve, const std::vector<std::optional<Point>>& samples, const Span& ys, int rows,
              std::stop_token stop)
{
    const double pixelsPerUnit = rows / (ys.to - ys.from);
    Pieces result;
    std::vector<Point> piece;
    const auto close = [&] {
        if (!piece.empty())
            result.push_back(std::move(piece));
        piece.clear();
    };
    for (const std::optional<Point>& point : samples) {
        if (stop.stop_requested())
            break;
        if (!point) {
            close();
            continue;
        }
        if (!piece.empty() && breakBetween(curve, piece.back(), *point, ys, pixelsPerUnit))
            close();
        piece.push_back(*point);
    }
    close();
    return result;
}

} // namespace pellitor::plot
