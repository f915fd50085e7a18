// Areas by adaptive Gauss-Kronrod quadrature, with the poles and gaps that make them diverge or
// leave them undefined.
#include "Area.h"

#include "KronrodRule.h"
#include "PlotSamples.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <variant>
#include <vector>

namespace pellitor::graph {

namespace {

constexpr std::size_t MostPieces = 2000;
constexpr double RelativeTolerance = 1e-13;
constexpr double NoiseTolerance = 5e-14;    // of the integral of |y|: rounding leaves about 10^-14
constexpr double NarrowestPiece = 0x1p-100; // of the whole range: a piece this narrow sits at a pole
constexpr double NarrowestGap = 0x1p-20;    // of the whole range: a wider stretch without values is a gap

using Piece = KronrodPiece;

bool lessError(const Piece& a, const Piece& b)
{
    return a.error < b.error;
}

// Doubles in the order of the line as integers, to halve a stretch of them in a few steps.
std::int64_t keyOf(double x)
{
    const std::int64_t bits = std::bit_cast<std::int64_t>(std::fabs(x));
    return std::signbit(x) ? -bits : bits;
}

double ofKey(std::int64_t key)
{
    return key < 0 ? -std::bit_cast<double>(-key) : std::bit_cast<double>(key);
}

// The edge of a gap seen from valued, which has a value, towards lacking, which has none: the
// last x with a value, down to neighbouring doubles.
double gapEdge(const ValueAtDouble& value, double valued, double lacking)
{
    for (;;) {
        const std::int64_t a = keyOf(valued);
        const std::int64_t b = keyOf(lacking);
        const double middle = ofKey((a >> 1) + (b >> 1) + (a & b & 1));
        if (middle == valued || middle == lacking)
            return valued;
        (value(middle) ? valued : lacking) = middle;
    }
}

// Where y jumps beside the 32-bit x that a break was found at (of two neighbours, the one with the
// larger |y|): the first double past the jump, down to neighbouring doubles.
double jumpAt(const ValueAtDouble& value, float x)
{
    const auto step = [&value](double a, double b) {
        const std::optional<double> ya = value(a), yb = value(b);
        return ya && yb ? std::fabs(*yb - *ya) : std::numeric_limits<double>::infinity();
    };
    const float below = std::nextafter(x, -INFINITY), above = std::nextafter(x, INFINITY);
    double a = step(below, x) >= step(x, above) ? below : x;
    double b = a == below ? x : above;
    for (;;) {
        const std::int64_t ka = keyOf(a), kb = keyOf(b);
        const double middle = ofKey((ka >> 1) + (kb >> 1) + (ka & kb & 1));
        if (middle == a || middle == b)
            return b;
        (step(a, middle) >= step(middle, b) ? b : a) = middle;
    }
}

// The ends that the pieces must have in [lo, hi]: where y jumps, as the picture breaks the curve
// (a step that stays beyond two pixels of 1,000 rows over the values' range down to neighbouring
// 32-bit x, among 1,024 columns), and the lone samples without a value. No rule is to straddle a
// jump: steps that mirror about a piece's middle look alike to both rules, which then agree on a
// wrong value.
std::vector<double> breaksIn(const ValueAtDouble& value, double lo, double hi)
{
    constexpr int Columns = 1024;
    constexpr int Rows = 1000;
    std::vector<std::optional<plot::Point>> samples;
    for (int k = 0; k <= Columns; ++k) {
        const float x = static_cast<float>(lo + k * ((hi - lo) / Columns));
        const std::optional<double> y = x > lo && x < hi ? value(x) : std::nullopt;
        samples.push_back(y ? std::optional(plot::Point{x, *y}) : std::nullopt);
    }
    const std::optional<plot::Span> ys = plot::automaticRange(samples);
    if (!ys || !(ys->to > ys->from))
        return {};
    const plot::Curve curve = [&value](float x) { return value(x); };
    constexpr plot::Span Everywhere{-INFINITY, INFINITY};
    std::vector<double> ends;
    for (std::size_t k = 1; k + 1 < samples.size(); ++k) {
        const std::optional<plot::Point>& p = samples[k - 1];
        const std::optional<plot::Point>& q = samples[k];
        if (!q && p && samples[k + 1])
            ends.push_back(static_cast<float>(lo + k * ((hi - lo) / Columns)));
        if (!p || !q)
            continue;
        if (const std::optional<plot::Break> found = plot::breakBetween(curve, *p, *q, Everywhere,
                                                                        Rows / (ys->to - ys->from)))
            ends.push_back(found->gap ? found->x : jumpAt(value, static_cast<float>(found->x)));
    }
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    std::erase_if(ends, [&](double x) { return !(x > lo && x < hi); });
    return ends;
}

// One integration over [lo, hi], lo below hi.
class Integration {
public:
    Integration(const ValueAtDouble& value, double lo, double hi) : m_value(value), m_lo(lo), m_hi(hi) {}

    Area run(std::stop_token stop);

private:
    // Where the nearest value lies on one side of a point without one.
    struct Side {
        enum class Kind { Found, End, Wide } kind;
        double distance;
    };

    std::optional<Area> add(double from, double to, std::vector<Piece>& fresh);
    std::optional<Area> split(const Piece& parent);
    std::optional<Area> pointWithoutValue(double x, double from, double to, std::vector<Piece>& todo);
    Side side(double x, int direction, double limit) const;
    bool divergesAt(double x, double near) const;
    Area gapAround(double x) const;
    Area unsettled(const Piece& worst) const;

    double width() const { return m_hi - m_lo; }
    // The integral of the pieces so far, with the sum of their errors.
    Area sum() const;

    const ValueAtDouble& m_value;
    double m_lo;
    double m_hi;
    std::vector<Piece> m_pieces; // a heap on the error
    double m_cutError = 0.0;     // what the points left out may have held
    bool m_exhausted = false;    // more points without a value than pieces may be
};

Area Integration::sum() const
{
    Area area{Area::Outcome::Value, 0.0, m_exhausted ? std::numeric_limits<double>::infinity() : m_cutError};
    for (const Piece& piece : m_pieces) {
        area.value += piece.value;
        area.error += piece.error;
    }
    return area;
}

Area Integration::run(std::stop_token stop)
{
    // The pieces end at the jumps, and each is halved once at least, so that it has a parent to
    // answer to.
    std::vector<double> ends = breaksIn(m_value, m_lo, m_hi);
    ends.insert(ends.begin(), m_lo);
    ends.push_back(m_hi);
    std::vector<Piece> whole;
    for (std::size_t i = 1; i < ends.size(); ++i) {
        if (std::optional<Area> trouble = add(ends[i - 1], ends[i], whole))
            return *trouble;
    }
    for (const Piece& piece : whole) {
        if (std::optional<Area> trouble = split(piece))
            return *trouble;
    }
    for (;;) {
        const Area area = sum();
        double absolute = 0.0;
        for (const Piece& piece : m_pieces)
            absolute += piece.absolute;
        if (area.error <= std::max(RelativeTolerance * std::fabs(area.value), NoiseTolerance * absolute) || m_exhausted
            || m_pieces.empty())
            return area;
        if (stop.stop_requested())
            return {Area::Outcome::Value, area.value, std::numeric_limits<double>::infinity()};
        std::pop_heap(m_pieces.begin(), m_pieces.end(), lessError);
        const Piece worst = m_pieces.back();
        const double middle = 0.5 * (worst.from + worst.to);
        if (m_pieces.size() >= MostPieces || !(worst.from < middle && middle < worst.to)
            || worst.to - worst.from <= std::max(NarrowestPiece * width(), 0x1p-40 * std::fabs(middle))) {
            std::push_heap(m_pieces.begin(), m_pieces.end(), lessError);
            const Area at = unsettled(worst);
            return at.outcome == Area::Outcome::Value ? area : at;
        }
        m_pieces.pop_back();
        if (std::optional<Area> trouble = split(worst))
            return *trouble;
    }
}

// Integrates [from, to] into pieces, into fresh; a node without a value is a point left out (with
// the pieces on either side of it), a pole or a gap, which ends the integration.
std::optional<Area> Integration::add(double from, double to, std::vector<Piece>& fresh)
{
    std::vector<Piece> todo{{from, to, 0.0, 0.0, 0.0}};
    while (!todo.empty()) {
        const Piece next = todo.back();
        todo.pop_back();
        const std::variant<Piece, double> rule = kronrodRule(m_value, next.from, next.to);
        if (const Piece* piece = std::get_if<Piece>(&rule))
            fresh.push_back(*piece);
        else if (std::optional<Area> trouble = pointWithoutValue(std::get<double>(rule), next.from, next.to, todo))
            return trouble;
        if (m_pieces.size() + fresh.size() + todo.size() > 2 * MostPieces) {
            m_exhausted = true;
            break;
        }
    }
    return std::nullopt;
}

// Halves parent into pieces. Its halves answer to it: what parent's rule missed, the difference
// from what its halves add up to, may be missed in a half too where the two rules agreed on a
// wrong value (a corner or a step between two nodes, mirrored about the middle, looks the same to
// both): each half takes it as its error at least.
std::optional<Area> Integration::split(const Piece& parent)
{
    const double middle = 0.5 * (parent.from + parent.to);
    std::vector<Piece> fresh;
    if (std::optional<Area> trouble = add(parent.from, middle, fresh))
        return trouble;
    if (std::optional<Area> trouble = add(middle, parent.to, fresh))
        return trouble;
    double halves = 0.0;
    for (const Piece& piece : fresh)
        halves += piece.value;
    const double missed = std::fabs(parent.value - halves);
    for (Piece& piece : fresh) {
        piece.error = std::max(piece.error, missed);
        m_pieces.push_back(piece);
        std::push_heap(m_pieces.begin(), m_pieces.end(), lessError);
    }
    return std::nullopt;
}

// x, a node of [from, to], has no value. Where values lie close on both sides, x is a point: left
// out, with the pieces on either side of it to do, unless y grows towards it as a pole's does.
// Where a stretch without values reaches from x to an end of the range or is wider than a point
// may be, it is a gap (a pole's, where y grows towards it).
std::optional<Area> Integration::pointWithoutValue(double x, double from, double to, std::vector<Piece>& todo)
{
    const double limit = NarrowestGap * width();
    const Side below = side(x, -1, limit);
    const Side above = side(x, 1, limit);
    if (below.kind == Side::Kind::Wide || above.kind == Side::Kind::Wide)
        return gapAround(x);
    const double reach = std::max(below.kind == Side::Kind::Found ? below.distance : 0.0,
                                  above.kind == Side::Kind::Found ? above.distance : 0.0);
    if (divergesAt(x, 4.0 * reach)) {
        // The pole lies in the stretch without values, which may reach an end of the range.
        const double within = std::max(below.kind == Side::Kind::Found ? below.distance : x - m_lo,
                                       above.kind == Side::Kind::Found ? above.distance : m_hi - x);
        return Area{Area::Outcome::Diverges, 0.0, 0.0, x, x, within};
    }
    const double first = std::max(0x1p-80 * width(), 0x1p-50 * std::fabs(x));
    if (below.kind != Side::Kind::Found || above.kind != Side::Kind::Found || below.distance > first
        || above.distance > first)
        return gapAround(x);
    // A point: what it may have held is at most its width times the largest y beside it.
    const double bound = std::max(std::fabs(m_value(x - below.distance).value_or(0.0)),
                                  std::fabs(m_value(x + above.distance).value_or(0.0)));
    m_cutError += (below.distance + above.distance) * bound;
    if (x - below.distance > from)
        todo.push_back({from, x - below.distance, 0.0, 0.0, 0.0});
    if (x + above.distance < to)
        todo.push_back({x + above.distance, to, 0.0, 0.0, 0.0});
    return std::nullopt;
}

// The nearest x with a value beside x towards direction, at distances doubling from the finest
// that can move x, up to limit.
Integration::Side Integration::side(double x, int direction, double limit) const
{
    for (double distance = std::max(0x1p-80 * width(), 0x1p-50 * std::fabs(x)); distance <= limit; distance *= 2.0) {
        const double at = x + direction * distance;
        if (at < m_lo || at > m_hi)
            return {Side::Kind::End, distance};
        if (m_value(at))
            return {Side::Kind::Found, distance};
    }
    return {Side::Kind::Wide, limit};
}

// Whether |y| grows at least as 1/|x - p| towards p = x, which no integral survives: |y| grows
// from a million times near (near) farther to near, and |y| times the distance does not fall.
bool Integration::divergesAt(double x, double near) const
{
    for (const int direction : {-1, 1}) {
        const double room = direction > 0 ? m_hi - x : x - m_lo;
        const double far = std::min(near * 0x1p20, room);
        if (far < near * 0x1p10)
            continue;
        const std::optional<double> yNear = m_value(x + direction * near);
        const std::optional<double> yFar = m_value(x + direction * far);
        if (yNear && yFar && std::fabs(*yNear) >= 2.0 * std::fabs(*yFar)
            && std::fabs(*yNear) * near >= 0.5 * std::fabs(*yFar) * far)
            return true;
    }
    return false;
}

// The gap that x lies in: its edges, the last x with a value on each side (an end of the range
// where the gap reaches it).
Area Integration::gapAround(double x) const
{
    double edges[2] = {m_lo, m_hi};
    for (const int direction : {-1, 1}) {
        double lacking = x;
        for (double distance = std::max(0x1p-80 * width(), 0x1p-50 * std::fabs(x));; distance *= 2.0) {
            const double at = x + direction * distance;
            if (at <= m_lo || at >= m_hi)
                break;
            if (m_value(at)) {
                edges[direction > 0] = gapEdge(m_value, at, lacking);
                break;
            }
            lacking = at;
        }
    }
    return {Area::Outcome::Undefined, 0.0, 0.0, edges[0], edges[1], 0x1p-40 * width()};
}

// The piece that would not settle: at a pole, where y grows towards one of its ends as a pole's
// does; otherwise the integral is what it is, with its error.
Area Integration::unsettled(const Piece& worst) const
{
    const double span = worst.to - worst.from;
    const double inside = std::fabs(m_value(worst.from + span / 4).value_or(0.0));
    const double insideTo = std::fabs(m_value(worst.to - span / 4).value_or(0.0));
    const double end = inside >= insideTo ? worst.from : worst.to;
    if (divergesAt(end, 4.0 * span))
        return {Area::Outcome::Diverges, 0.0, 0.0, end, end, span};
    return {};
}

} // namespace

Area areaOf(const ValueAtDouble& value, double a, double b, std::stop_token stop)
{
    if (a == b)
        return {};
    Area area = Integration(value, std::min(a, b), std::max(a, b)).run(std::move(stop));
    if (b < a)
        area.value = -area.value;
    return area;
}

} // namespace pellitor::graph
