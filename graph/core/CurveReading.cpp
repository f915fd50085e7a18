// Zeros, extrema and breaks of a curve, exact to neighbouring 32-bit x.
#include "CurveReading.h"

#include "SingleOrder.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

namespace pellitor::graph {

namespace {

constexpr plot::Span Everywhere{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};

template <typename Y>
bool opposite(Y a, Y b)
{
    return (a < 0 && b > 0) || (a > 0 && b < 0);
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

// The gap between the valued x near and far (the edges the curve has on either side of it, near
// the side it is seen from): a pole when |y| at an edge dwarfs the view (1/x runs out of the
// 32-bit range beside 0), at the middle of the x without a value (0 for 1/x, never a subnormal
// beside it); else a gap, at its first x without a value.
Feature gapFeature(const ValueAt& value, float near, float far, const plot::Span& ys)
{
    const int towards = far > near ? 1 : -1;
    const float first = nextSingle(near, towards);
    if (huge(value(near), ys) || huge(value(far), ys))
        return {Feature::Kind::Pole, middleSingle(first, nextSingle(far, -towards)), std::nullopt};
    return {Feature::Kind::Gap, first, std::nullopt};
}

// A break of the curve at x between the valued x before and after it, as a feature: a jump (a
// pole where |y| dwarfs the view), or where x has no value, the gap it lies in.
Feature breakFeature(const ValueAt& value, float x, bool gap, float before, float after, const plot::Span& ys)
{
    if (!gap) {
        const std::optional<float> y = value(x);
        return {huge(y, ys) ? Feature::Kind::Pole : Feature::Kind::Jump, x, y};
    }
    return gapFeature(value, gapEdge(value, before, x), gapEdge(value, after, x), ys);
}

// x in the middle of the run from a to b; a run on one side of 0 is halved by magnitude, so that
// the mirrored run has the mirrored middle.
float middleOfRun(float a, float b)
{
    if (std::signbit(a) != std::signbit(b))
        return middleSingle(a, b);
    std::uint32_t low = std::bit_cast<std::uint32_t>(std::fabs(a));
    std::uint32_t high = std::bit_cast<std::uint32_t>(std::fabs(b));
    if (low > high)
        std::swap(low, high);
    const float middle = std::bit_cast<float>(low + (high - low) / 2);
    return std::signbit(a) ? -middle : middle;
}

// The end of the run of neighbouring 32-bit x around best that give y, towards direction: outwards
// in doubling steps until one does not, then halved back to the last that does.
float runEnd(const ValueAt& value, float best, float y, int direction)
{
    std::int64_t in = plot::orderKey(best);
    std::int64_t out = in;
    for (std::int64_t step = 1;; step *= 2) {
        const std::int64_t key = in + direction * step;
        const float x = plot::singleOfKey(static_cast<std::uint32_t>(std::clamp<std::int64_t>(key, 0, 0xFFFFFFFF)));
        const std::optional<float> at = key < 0 || key > 0xFFFFFFFF || !std::isfinite(x) ? std::nullopt : value(x);
        if (!at || *at != y) {
            out = key;
            break;
        }
        in = key;
    }
    while (std::abs(out - in) > 1) {
        const std::int64_t middle = in + (out - in) / 2;
        const std::optional<float> at = value(plot::singleOfKey(static_cast<std::uint32_t>(middle)));
        (at && *at == y ? in : out) = middle;
    }
    return plot::singleOfKey(static_cast<std::uint32_t>(in));
}
// Where y changes sign between a and b, down to neighbouring 32-bit x: an x where y is 0, or of the
// two neighbours across which it changes sign the one with the smaller |y|; with y there. Nothing
// where y has no value on the way or changes sign in a jump (a step over neighbours beyond
// largestStep).
template <typename Y, typename Value>
std::optional<std::pair<float, Y>> crossingBetween(const Value& value, float a, float b, double largestStep)
{
    if (a > b)
        std::swap(a, b);
    std::optional<Y> ya = value(a);
    std::optional<Y> yb = value(b);
    if (!ya || !yb)
        return std::nullopt;
    if (*ya == 0)
        return std::pair{a, Y(0)};
    if (*yb == 0)
        return std::pair{b, Y(0)};
    if (!opposite(*ya, *yb))
        return std::nullopt;
    for (float m = middleSingle(a, b); m != a && m != b; m = middleSingle(a, b)) {
        const std::optional<Y> ym = value(m);
        if (!ym)
            return std::nullopt;
        if (*ym == 0)
            return std::pair{m, Y(0)};
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
    return std::fabs(*ya) <= std::fabs(*yb) ? std::pair{a, *ya} : std::pair{b, *yb};
}
} // namespace

float nextSingle(float x, int direction)
{
    return std::nextafter(x, direction > 0 ? std::numeric_limits<float>::infinity()
                                           : -std::numeric_limits<float>::infinity());
}

float middleSingle(float a, float b)
{
    std::uint32_t low = plot::orderKey(a);
    std::uint32_t high = plot::orderKey(b);
    if (low > high)
        std::swap(low, high);
    return plot::singleOfKey(low + (high - low) / 2);
}

std::optional<Feature> zeroBetween(const ValueAt& value, float a, float b, double largestStep)
{
    const std::optional<std::pair<float, float>> zero = crossingBetween<float>(value, a, b, largestStep);
    if (!zero)
        return std::nullopt;
    // A run of x where y is 0 that reaches 0 itself (x/4 is 0 from -2.8E-45 to 2.8E-45) has its
    // zero at 0, never at a subnormal beside it.
    float x = zero->first;
    if (zero->second == 0.0f && x != 0.0f) {
        const int towards = x > 0.0f ? -1 : 1;
        const float end = runEnd(value, x, 0.0f, towards);
        if (towards * end >= 0.0f)
            x = 0.0f;
    }
    return Feature{Feature::Kind::Zero, x, zero->second};
}

std::optional<SignChange> signChangeBetween(const plot::Curve& value, float a, float b, double largestStep)
{
    const std::optional<std::pair<float, double>> change = crossingBetween<double>(value, a, b, largestStep);
    if (!change)
        return std::nullopt;
    return SignChange{change->first, change->second};
}

std::optional<Feature> extremumBetween(const ValueAt& value, float a, float b, bool maximum)
{
    if (a > b)
        std::swap(a, b);
    const auto better = [maximum](float u, float v) { return maximum ? u > v : u < v; };
    // Thirds of the stretch of 32-bit numbers, until three or fewer are left.
    std::uint32_t low = plot::orderKey(a);
    std::uint32_t high = plot::orderKey(b);
    while (high - low > 2) {
        const std::uint32_t first = low + (high - low) / 3;
        const std::uint32_t second = high - (high - low) / 3;
        const std::optional<float> y1 = value(plot::singleOfKey(first));
        const std::optional<float> y2 = value(plot::singleOfKey(second));
        if (!y1 || !y2)
            return std::nullopt;
        if (better(*y2, *y1))
            low = first;
        else
            high = second;
    }
    float best = plot::singleOfKey(low);
    std::optional<float> bestY = value(best);
    for (std::uint32_t key = low + 1; key <= high; ++key) {
        const std::optional<float> y = value(plot::singleOfKey(key));
        if (y && (!bestY || better(*y, *bestY))) {
            best = plot::singleOfKey(key);
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
    // Every x of the run gives the extreme y: the extremum is known to lie within it, no nearer.
    const float from = runEnd(value, best, *bestY, -1);
    const float to = runEnd(value, best, *bestY, 1);
    return Feature{maximum ? Feature::Kind::Maximum : Feature::Kind::Minimum, middleOfRun(from, to), bestY, from, to};
}

std::vector<Feature> featuresOf(const plot::Pieces& pieces, const ValueAt& value, const plot::Span& ys, int rows,
                                std::size_t exactEach, std::stop_token stop)
{
    std::size_t zeros = 0;
    std::size_t turns[2] = {0, 0}; // minima, maxima
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
                const plot::Point& nearer = std::fabs(p.y) <= std::fabs(q.y) ? p : q;
                if (zeros++ >= exactEach)
                    found.push_back({Feature::Kind::Zero, float(nearer.x), float(nearer.y)});
                else if (const std::optional<Feature> zero = zeroBetween(value, float(p.x), float(q.x), largestStep))
                    found.push_back(*zero);
            }
            if (i + 1 < piece.size()) {
                const plot::Point& r = piece[i + 1];
                const bool maximum = q.y > p.y;
                if ((q.y - p.y) * (r.y - q.y) < 0.0 && turns[maximum]++ >= exactEach) {
                    const Feature::Kind kind = maximum ? Feature::Kind::Maximum : Feature::Kind::Minimum;
                    found.push_back({kind, float(q.x), float(q.y), float(q.x), float(q.x)});
                } else if ((q.y - p.y) * (r.y - q.y) < 0.0) {
                    if (const std::optional<Feature> turn = extremumBetween(value, float(p.x), float(r.x), maximum))
                        found.push_back(*turn);
                }
            }
        }
        if (k + 1 < pieces.size() && !piece.empty() && !pieces[k + 1].empty()) {
            if (const std::optional<plot::Break> gap = plot::breakBetween(curve, piece.back(), pieces[k + 1].front(),
                                                                          Everywhere, pixelsPerUnit))
                found.push_back(breakFeature(value, static_cast<float>(gap->x), gap->gap, float(piece.back().x),
                                             float(pieces[k + 1].front().x), ys));
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Feature& a, const Feature& b) { return a.x < b.x; });
    return found;
}

FeatureSearch::FeatureSearch(ValueAt value, Looking looking, float start, int direction, const plot::Span& xs,
                             const plot::Span& ys, int columns, int rows, bool atFeature, double limitWidths)
    : m_value(std::move(value)), m_looking(looking), m_start(start), m_direction(direction > 0 ? 1 : -1),
      m_step((xs.to - xs.from) / std::max(1, columns)), m_ys(ys),
      m_limit(double(start) + m_direction * limitWidths * (xs.to - xs.from)),
      m_pixelsPerUnit(std::max(1, rows) / (ys.to - ys.from))
{
    m_limit = std::clamp(m_limit, -double(FLT_MAX), double(FLT_MAX));
    m_previous = Sample{start, m_value(start)};
    // A trace put in a gap (at 0 of 1/x, say) finds the gap it stands in: its edge behind, up to
    // a view's width back, makes it whole.
    if (looking != Looking::Break || m_previous->y || atFeature)
        return;
    for (int back = 1; back <= columns; ++back) {
        const float behind = static_cast<float>(double(start) - m_direction * back * m_step);
        if (std::isfinite(behind) && m_value(behind)) {
            m_gapEdge = gapEdge(m_value, behind, start);
            m_startsInGap = true;
            return;
        }
    }
}

FeatureSearch::State FeatureSearch::step(int steps)
{
    for (int i = 0; i < steps && m_state == State::Searching; ++i) {
        ++m_done;
        float x = static_cast<float>(double(m_start) + m_direction * double(m_done) * m_step);
        if (m_direction * (x - m_previous->x) <= 0.0f)
            x = nextSingle(m_previous->x, m_direction);
        if (m_direction * (double(x) - m_limit) > 0.0 || !std::isfinite(x)) {
            // A gap that reaches beyond the search: the curve does not come back within it.
            if (m_gapEdge) {
                const Feature::Kind kind = huge(m_value(*m_gapEdge), m_ys) ? Feature::Kind::Pole : Feature::Kind::Gap;
                m_found = Feature{kind, nextSingle(*m_gapEdge, m_direction), std::nullopt};
            }
            m_state = m_found ? State::Found : State::NotFound;
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
        if (feature && (feature->x != m_start || m_startsInGap)) {
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
        if (previous.y && !next.y) {
            // Into a gap: its edge, down to neighbouring x; what it is shows where the curve
            // comes out of it again.
            m_gapEdge = gapEdge(m_value, previous.x, next.x);
        } else if (!previous.y && next.y) {
            // Out of it. The search may have begun in it: then the curve's edge here is what it
            // finds, but for a pole's, which is the one the trace stands at.
            const float edge = gapEdge(m_value, next.x, previous.x);
            if (m_gapEdge)
                take(gapFeature(m_value, *m_gapEdge, edge, m_ys));
            else if (!huge(m_value(edge), m_ys))
                take(Feature{Feature::Kind::Gap, nextSingle(edge, -m_direction), std::nullopt});
            m_gapEdge.reset();
            m_startsInGap = false;
        } else if (previous.y && next.y) {
            const plot::Point a{double(low), double(low == previous.x ? *previous.y : *next.y)};
            const plot::Point b{double(high), double(high == next.x ? *next.y : *previous.y)};
            if (const std::optional<plot::Break> found = plot::breakBetween(curveOf(m_value), a, b, Everywhere,
                                                                            m_pixelsPerUnit))
                take(breakFeature(m_value, static_cast<float>(found->x), found->gap, low, high, m_ys));
        }
        return;
    }
}

} // namespace pellitor::graph
