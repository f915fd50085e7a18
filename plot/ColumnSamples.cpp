// The samples of each pixel column and the reduction of the pieces to the columns' ranges.
#include "ColumnSamples.h"

#include "Probes.h"
#include "SingleOrder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pellitor::plot {

namespace {
// A number in [0, 1) for one eighth of one column, the same on every run (splitmix64 of the two).
double scatter(int column, int eighth)
{
    std::uint64_t z = std::uint64_t(column) * SamplesPerColumn + std::uint64_t(eighth) + 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1p-53;
}

// The x of one column's samples, from its left edge up to (not including) the next one's.
void columnXs(const Span& xs, int columns, int column, std::vector<float>& into)
{
    const double left = sampleAt(xs, columns, 2 * std::int64_t{column});
    const double right = sampleAt(xs, columns, 2 * std::int64_t{column} + 2);
    const std::uint32_t first = orderKey(static_cast<float>(left));
    const std::uint32_t end = orderKey(static_cast<float>(right));
    if (end - first <= std::uint32_t(SamplesPerColumn)) {
        for (std::uint32_t key = first; key < end; ++key)
            into.push_back(singleOfKey(key));
        return;
    }
    into.push_back(static_cast<float>(left));
    for (int eighth = 1; eighth < SamplesPerColumn; ++eighth) {
        const double at = (eighth + scatter(column, eighth)) / SamplesPerColumn;
        const float x = static_cast<float>(left + (right - left) * at);
        // Where the floats lie far apart, two places may round to one x.
        if (x > into.back() && orderKey(x) < end)
            into.push_back(x);
    }
}

bool better(double a, double b, bool maximum)
{
    return maximum ? a > b : a < b;
}

// The extremum between the samples a and c that b, better than both, shows: the bracket of three
// floats is narrowed by probing the middle of its longer half until its ends are b's neighbours
// or the evaluations are spent. A probe without a value counts as no better.
class ExtremumSearch {
public:
    ExtremumSearch(Point a, Point b, Point c, bool maximum) : m_a(a), m_b(b), m_c(c), m_maximum(maximum) { settle(); }

    std::optional<float> probe() const { return m_probe; }
    void take(std::optional<double> y)
    {
        const Point probed{*m_probe, y.value_or(m_b.y)};
        if (y && better(*y, m_b.y, m_maximum)) {
            (m_right ? m_a : m_c) = m_b;
            m_b = probed;
        } else {
            (m_right ? m_c : m_a) = probed;
        }
        ++m_probes;
        settle();
    }
    const Point& best() const { return m_b; }

private:
    void settle()
    {
        m_probe.reset();
        const std::uint32_t ka = orderKey(static_cast<float>(m_a.x));
        const std::uint32_t kb = orderKey(static_cast<float>(m_b.x));
        const std::uint32_t kc = orderKey(static_cast<float>(m_c.x));
        if (m_probes >= LongestSearch || (kc - kb <= 1 && kb - ka <= 1))
            return;
        m_right = kc - kb >= kb - ka;
        m_probe = m_right ? singleOfKey(kb + (kc - kb) / 2) : singleOfKey(ka + (kb - ka) / 2);
    }

    Point m_a;
    Point m_b;
    Point m_c;
    bool m_maximum;
    bool m_right = true;
    int m_probes = 0;
    std::optional<float> m_probe;
};

// The least and the greatest y that the samples first to end (one column's) show inside it, as
// searches between their neighbours in samples, appended to searches.
void searchColumn(const std::vector<std::optional<Point>>& samples, std::size_t first, std::size_t end,
                  std::vector<ExtremumSearch>& searches)
{
    for (const bool maximum : {false, true}) {
        std::size_t best = end;
        for (std::size_t i = first; i < end; ++i) {
            if (samples[i] && (best == end || better(samples[i]->y, samples[best]->y, maximum)))
                best = i;
        }
        if (best == end || best == 0 || best + 1 >= samples.size())
            continue;
        const std::optional<Point>& before = samples[best - 1];
        const std::optional<Point>& after = samples[best + 1];
        // Only a turn is looked into: where the neighbours are as good, the curve is level there.
        if (before && after && better(samples[best]->y, before->y, maximum)
            && better(samples[best]->y, after->y, maximum))
            searches.emplace_back(*before, *samples[best], *after, maximum);
    }
}
} // namespace

std::vector<std::optional<Point>> columnSamples(const Curves& curves, const Span& xs, int columns, std::stop_token stop)
{
    std::vector<float> at;
    std::vector<std::size_t> starts; // where each column's samples begin in at
    at.reserve(static_cast<std::size_t>(columns) * SamplesPerColumn + 1);
    for (int column = 0; column < columns; ++column) {
        starts.push_back(at.size());
        columnXs(xs, columns, column, at);
    }
    starts.push_back(at.size());
    at.push_back(static_cast<float>(xs.to));

    std::vector<std::optional<Point>> samples(at.size());
    std::vector<std::optional<double>> ys;
    for (std::size_t start = 0; start < at.size() && !stop.stop_requested(); start += SampleBlock) {
        const std::span<const float> block(at.data() + start, std::min(SampleBlock, at.size() - start));
        ys.resize(block.size());
        curves(block, ys);
        for (std::size_t i = 0; i < block.size(); ++i)
            samples[start + i] = ys[i] ? std::optional<Point>(Point{block[i], *ys[i]}) : std::nullopt;
    }

    // The columns' extrema, searched side by side.
    std::vector<ExtremumSearch> searches;
    for (int column = 0; column < columns && !stop.stop_requested(); ++column)
        searchColumn(samples, starts[column], starts[column + 1], searches);
    runTogether(std::span(searches), curves, stop);
    std::vector<Point> found;
    found.reserve(searches.size());
    for (const ExtremumSearch& search : searches)
        found.push_back(search.best());
    // The extrema found go in among the samples, in order of x; an x already sampled is not taken.
    std::sort(found.begin(), found.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
    std::vector<std::optional<Point>> merged;
    merged.reserve(samples.size() + found.size());
    auto next = found.begin();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        for (; next != found.end() && next->x < at[i]; ++next) {
            if (merged.empty() || !merged.back() || merged.back()->x < next->x)
                merged.emplace_back(*next);
        }
        if (next != found.end() && next->x == at[i])
            ++next;
        merged.push_back(samples[i]);
    }
    return merged;
}

Pieces perColumn(const Pieces& pieces, const Span& xs, int columns)
{
    const double perUnit = columns / (xs.to - xs.from);
    const auto columnOf = [&](double x) {
        return std::clamp(static_cast<int>(std::floor((x - xs.from) * perUnit)), 0, columns - 1);
    };
    Pieces reduced;
    reduced.reserve(pieces.size());
    for (const std::vector<Point>& piece : pieces) {
        std::vector<Point> kept;
        for (std::size_t first = 0; first < piece.size();) {
            const int column = columnOf(piece[first].x);
            std::size_t end = first + 1;
            std::size_t low = first;
            std::size_t high = first;
            for (; end < piece.size() && columnOf(piece[end].x) == column; ++end) {
                if (piece[end].y < piece[low].y)
                    low = end;
                if (piece[end].y > piece[high].y)
                    high = end;
            }
            std::size_t chosen[] = {first, std::min(low, high), std::max(low, high), end - 1};
            for (std::size_t i = 0; i < 4; ++i) {
                if (i == 0 || chosen[i] != chosen[i - 1])
                    kept.push_back(piece[chosen[i]]);
            }
            first = end;
        }
        reduced.push_back(std::move(kept));
    }
    return reduced;
}

} // namespace pellitor::plot
