// Intersections of two curves, exact to neighbouring 32-bit x.
#include "Intersection.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace pellitor::graph {

namespace {

bool opposite(double a, double b)
{
    return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0);
}

// Two pixels of y: a continuous difference steps by less between neighbouring 32-bit x, as the
// zeros' rule has it.
double largestStepOf(const plot::Span& ys, int rows)
{
    return 2.0 * (ys.to - ys.from) / std::max(1, rows);
}

// The intersection between the columns' x a and b whose differences da and db are known: where
// the later one is 0, or where the difference changes sign between them.
std::optional<float> crossingOf(const plot::Curve& difference, float a, const std::optional<double>& da, float b,
                                const std::optional<double>& db, double largestStep)
{
    if (db && *db == 0.0)
        return b;
    if (!da || !db || !opposite(*da, *db))
        return std::nullopt;
    const std::optional<SignChange> change = signChangeBetween(difference, std::min(a, b), std::max(a, b), largestStep);
    if (!change)
        return std::nullopt;
    return change->x;
}

} // namespace

plot::Curve differenceOf(const ValueAt& f, const ValueAt& g)
{
    return [f, g](float x) -> std::optional<double> {
        const std::optional<float> a = f(x);
        if (!a)
            return std::nullopt;
        const std::optional<float> b = g(x);
        if (!b)
            return std::nullopt;
        return double(*a) - double(*b);
    };
}

IntersectionSearch::IntersectionSearch(ValueAt f, ValueAt g, float start, int direction, const plot::Span& xs,
                                       const plot::Span& ys, int columns, int rows, double limitWidths)
    : m_f(std::move(f)), m_g(std::move(g)), m_difference(differenceOf(m_f, m_g)), m_start(start),
      m_direction(direction > 0 ? 1 : -1), m_step((xs.to - xs.from) / std::max(1, columns)),
      m_limit(
          std::clamp(double(start) + m_direction * limitWidths * (xs.to - xs.from), -double(FLT_MAX), double(FLT_MAX))),
      m_largestStep(largestStepOf(ys, rows)), m_previous{start, m_difference(start)}
{
}

IntersectionSearch::State IntersectionSearch::step(int steps)
{
    for (int i = 0; i < steps && m_state == State::Searching; ++i) {
        ++m_done;
        float x = static_cast<float>(double(m_start) + m_direction * double(m_done) * m_step);
        if (m_direction * (x - m_previous.x) <= 0.0f)
            x = nextSingle(m_previous.x, m_direction);
        if (m_direction * (double(x) - m_limit) > 0.0 || !std::isfinite(x)) {
            m_state = State::NotFound;
            break;
        }
        const Sample next{x, m_difference(x)};
        look(m_previous, next);
        m_previous = next;
    }
    return m_state;
}

void IntersectionSearch::look(const Sample& previous, const Sample& next)
{
    if (const std::optional<float> x = crossingOf(m_difference, previous.x, previous.difference, next.x,
                                                  next.difference, m_largestStep))
        take(*x);
}

void IntersectionSearch::take(float x)
{
    // The intersection the search starts at is the one found before: the search passes it.
    if (x == m_start)
        return;
    m_found = Intersection{x, m_f(x).value(), m_g(x).value()};
    m_state = State::Found;
}

std::vector<Intersection> intersectionsIn(const ValueAt& f, const ValueAt& g, const plot::Span& xs,
                                          const plot::Span& ys, int columns, int rows, std::stop_token stop)
{
    const plot::Curve difference = differenceOf(f, g);
    const double largestStep = largestStepOf(ys, rows);
    const double step = (xs.to - xs.from) / std::max(1, columns);
    std::vector<Intersection> found;
    float previous = static_cast<float>(xs.from);
    std::optional<double> before = difference(previous);
    if (before && *before == 0.0)
        found.push_back({previous, f(previous).value(), g(previous).value()});
    for (int k = 1; k <= columns && !stop.stop_requested(); ++k) {
        const float x = static_cast<float>(xs.from + k * step);
        if (x == previous)
            continue; // a view finer than the 32-bit x: this column's edge is the last one's
        const std::optional<double> here = difference(x);
        const std::optional<float> crossing = crossingOf(difference, previous, before, x, here, largestStep);
        if (crossing && (found.empty() || found.back().x != *crossing))
            found.push_back({*crossing, f(*crossing).value(), g(*crossing).value()});
        previous = x;
        before = here;
    }
    return found;
}

} // namespace pellitor::graph
