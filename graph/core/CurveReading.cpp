// Zeros, extrema and breaks of a curve, exact to neighbouring 32-bit x.
#include "CurveReading.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>

namespace pellitor::graph {

namespace {
// The 32-bit numbers in the order of the line: their bits turned so that they compare as
// unsigned integers do.
std::uint32_t keyOf(float x)
{
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(x);
    return (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
}

float singleOf(std::uint32_t key)
{
    return std::bit_cast<float>((key & 0x80000000u) ? key & 0x7FFFFFFFu : ~key);
}

constexpr plot::Span Everywhere{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};

bool opposite(float a, float b)
{
    return (a < 0.0f && b > 0.0f) || (a > 0.0f && b < 0.0f);
}

plot::Curve curveOf(const ValueAt& value)
{
    return [&value](float x) -> std::optional<double> { return value(x); };
}

// Whether |y| dwarfs the view: the curve runs off towards a pole.
bool huge(const std::optional<float>& y, const plot::Span& ys)
{
    return y && std::fabs(*y) > 100.0 * std::max(std::fabs(ys.from), std::fabs(ys.to));
}

// The edge of a gap seen from valued, which has a value, towards lacking, which has none: the last
// 32-bit x with a value, down to neighbouring x.
float gapEdge(const ValueAt& value, float valued, float lacking)
{
    for (float m = middleSingle(valued, lacking); m != valued && m != lacking; m = middleSingle(valued, lacking))
        (value(m) ? valued : lacking) = m;
    return valued;
}

// A break of the curve at x as a feature: a jump; or where x has no value (its edge seen from
// valued), a pole when |y| at the edge dwarfs the view (1/x runs out of the 32-bit range beside
// 0), else a gap.
Feature breakFeature(const ValueAt& value, float x, bool gap, float valued, const plot::Span& ys)
{
    if (!gap) {
        const std::optional<float> y = value(x);
        return {huge(y, ys) ? Feature::Kind::Pole : Feature::Kind::Jump, x, y};
    }
    const float edge = gapEdge(value, valued, x);
    const std::optional<float> y = value(edge);
    if (huge(y, ys))
        return {Feature::Kind::Pole, edge, y};
    return {Feature::Kind::Gap, x, std::nullopt};
}
} // namespace

float nextSingle(float x, int direction)
{
    return std::nextafter(x, direction > 0 ? std::numeric_limits<float>::infinity()
                                           : -std::numeric_limits<float>::infinity());
}

float middleSingle(float a, float b)
{
    std::uint32_t low = keyOf(a);
    std::uint32_t high = keyOf(b);
    if (low > high)
        std::swap(low, high);
    return singleOf(low + (high - low) / 2);
}

std::optional<Feature> zeroBetween(const ValueAt& value, float a, float b, double largestStep)
{
    if (a > b)
        std::swap(a, b);
    std::optional<float> ya = value(a);
    std::optional<float> yb = value(b);
    if (!ya || !yb)
        return std::nullopt;
    if (*ya == 0.0f)
        return Feature{Feature::Kind::Zero, a, 0.0f};
    if (*yb == 0.0f)
        return Feature{Feature::Kind::Zero, b, 0.0f};
    if (!opposite(*ya, *yb))
        return std::nullopt;
    for (float m = middleSingle(a, b); m != a && m != b; m = middleSingle(a, b)) {
        const std::optional<float> ym = value(m);
        if (!ym)
            return std::nullopt;
        if (*ym == 0.0f)
            return Feature{Feature::Kind::Zero, m, 0.0f};
        if (opposite(*ym, *ya)) {
            b = m;
            yb = ym;
        } else {
            a = m;
            ya = ym;
        }
    }
    if (std::fabs(double(*yb) - double(*ya)) > largestStep)
        return std::nullopt; // the sign changes in a jump, not through 0
    return std::fabs(*ya) <= std::fabs(*yb) ? Feature{Feature::Kind::Zero, a, ya} : Feature{Feature::Kind::Zero, b, yb};
}

std::optional<Feature> extremumBetween(const ValueAt& value, float a, float b, bool maximum)
{
    if (a > b)
        std::swap(a, b);
    const auto better = [maximum](float u, float v) { return maximum ? u > v : u < v; };
    // Thirds of the stretch of 32-bit numbers, until three or fewer are left.
    std::uint32_t low = keyOf(a);
    std::uint32_t high = keyOf(b);
    while (high - low > 2) {
        const std::uint32_t first = low + (high - low) / 3;
        const std::uint32_t second = high - (high - low) / 3;
        const std::optional<float> y1 = value(singleOf(first));
        const std::optional<float> y2 = value(singleOf(second));
        if (!y1 || !y2)
            return std::nullopt;
        if (better(*y2, *y1))
            low = first;
        else
            high = second;
    }
    float best = singleOf(low);
    std::optional<float> bestY = value(best);
    for (std::uint32_t key = low + 1; key <= high; ++key) {
        const std::optional<float> y = value(singleOf(key));
        if (y && (!bestY || better(*y, *bestY))) {
            best = singleOf(key);
            bestY = y;
        }
    }
    if (!bestY)
        return std::nullopt;
    // Where the curve is not one hill between a and b, the thirds may stop beside its top: climb
    // on to neighbours that are higher.
    for (int climb = 0; climb < 64; ++climb) {
        bool moved = false;
        for (const int direction : {-1, 1}) {
            const float next = nextSingle(best, direction);
            const std::optional<float> y = value(next);
            if (y && better(*y, *bestY)) {
                best = next;
                bestY = y;
                moved = true;
            }
        }
        if (!moved)
            break;
    }
    return Feature{maximum ? Feature::Kind::Maximum : Feature::Kind::Minimum, best, bestY};
}

std::vector<Feature> featuresOf(const plot::Pieces& pieces, const ValueAt& value, const plot::Span& ys, int rows,
                                std::stop_token stop)
{
    const double pixelsPerUnit = rows / (ys.to - ys.from);
    const double largestStep = 2.0 / pixelsPerUnit;
    const plot::Curve curve = curveOf(value);
    std::vector<Feature> found;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const std::vector<plot::Point>& piece = pieces[k];
        for (std::size_t i = 1; i < piece.size() && !stop.stop_requested(); ++i) {
            const plot::Point& p = piece[i - 1];
            const plot::Point& q = piece[i];
            if (p.y == 0.0 && (found.empty() || found.back().x != float(p.x)))
                found.push_back({Feature::Kind::Zero, float(p.x), 0.0f});
            else if ((p.y < 0.0 && q.y > 0.0) || (p.y > 0.0 && q.y < 0.0)) {
                if (const std::optional<Feature> zero = zeroBetween(value, float(p.x), float(q.x), largestStep))
                    found.push_back(*zero);
            }
            if (i + 1 < piece.size()) {
                const plot::Point& r = piece[i + 1];
                if ((q.y - p.y) * (r.y - q.y) < 0.0) {
                    if (const std::optional<Feature> turn = extremumBetween(value, float(p.x), float(r.x), q.y > p.y))
                        found.push_back(*turn);
                }
            }
        }
        if (k + 1 < pieces.size() && !piece.empty() && !pieces[k + 1].empty()) {
            if (const std::optional<plot::Break> gap = plot::breakBetween(curve, piece.back(), pieces[k + 1].front(),
                                                                          Everywhere, pixelsPerUnit))
                found.push_back(breakFeature(value, static_cast<float>(gap->x), gap->gap, float(piece.back().x), ys));
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Feature& a, const Feature& b) { return a.x < b.x; });
    return found;
}

FeatureSearch::FeatureSearch(ValueAt value, Looking looking, float start, int direction, const plot::Span& xs,
                             const plot::Span& ys, int columns, int rows, double limitWidths)
    : m_value(std::move(value)), m_looking(looking), m_start(start), m_direction(direction > 0 ? 1 : -1),
      m_step((xs.to - xs.from) / std::max(1, columns)), m_ys(ys),
      m_limit(double(start) + m_direction * limitWidths * (xs.to - xs.from)),
      m_pixelsPerUnit(std::max(1, rows) / (ys.to - ys.from))
{
    m_limit = std::clamp(m_limit, -double(FLT_MAX), double(FLT_MAX));
    m_previous = Sample{start, m_value(start)};
}

FeatureSearch::State FeatureSearch::step(int steps)
{
    for (int i = 0; i < steps && m_state == State::Searching; ++i) {
        ++m_done;
        float x = static_cast<float>(double(m_start) + m_direction * double(m_done) * m_step);
        if (m_direction * (x - m_previous->x) <= 0.0f)
            x = nextSingle(m_previous->x, m_direction);
        if (m_direction * (double(x) - m_limit) > 0.0 || !std::isfinite(x)) {
            m_state = State::NotFound;
            break;
        }
        const Sample next{x, m_value(x)};
        look(*m_previous, next);
        m_beforePrevious = m_previous;
        m_previous = next;
    }
    return m_state;
}

void FeatureSearch::look(const Sample& previous, const Sample& next)
{
    const auto take = [this](const std::optional<Feature>& feature) {
        if (feature && feature->x != m_start) {
            m_found = feature;
            m_state = State::Found;
        }
    };
    const float low = std::min(previous.x, next.x);
    const float high = std::max(previous.x, next.x);
    switch (m_looking) {
    case Looking::Zero:
        if (next.y && *next.y == 0.0f)
            take(Feature{Feature::Kind::Zero, next.x, 0.0f});
        else if (previous.y && next.y && opposite(*previous.y, *next.y))
            take(zeroBetween(m_value, low, high, 2.0 / m_pixelsPerUnit));
        return;
    case Looking::Extremum:
        if (m_beforePrevious && m_beforePrevious->y && previous.y && next.y
            && (*previous.y - *m_beforePrevious->y) * (*next.y - *previous.y) < 0.0f)
            take(extremumBetween(m_value, m_beforePrevious->x, next.x, *previous.y > *m_beforePrevious->y));
        return;
    case Looking::Break:
        if (previous.y.has_value() != next.y.has_value()) {
            // Into a gap, or out of one: its edge, down to neighbouring x.
            const float valued = previous.y ? previous.x : next.x;
            const float lacking = previous.y ? next.x : previous.x;
            const float edge = gapEdge(m_value, valued, lacking);
            take(breakFeature(m_value, nextSingle(edge, lacking > valued ? 1 : -1), true, edge, m_ys));
        } else if (previous.y && next.y) {
            const plot::Point a{double(low), double(low == previous.x ? *previous.y : *next.y)};
            const plot::Point b{double(high), double(high == next.x ? *next.y : *previous.y)};
            if (const std::optional<plot::Break> found = plot::breakBetween(curveOf(m_value), a, b, Everywhere,
                                                                            m_pixelsPerUnit))
                take(breakFeature(m_value, static_cast<float>(found->x), found->gap, previous.x, m_ys));
        }
        return;
    }
}

} // namespace pellitor::graph
