// The graph's view and its moves.
#include "GraphViewport.h"

#include "RepeatedSingles.h"

#include <cfloat>
#include <cmath>

namespace pellitor::graph {

namespace {
bool inSingleRange(const plot::Span& span)
{
    return std::fabs(span.from) <= static_cast<double>(FLT_MAX) && std::fabs(span.to) <= static_cast<double>(FLT_MAX);
}

// Ends apart as 32-bit numbers, as pellitor-calc reads a range.
bool apart(const plot::Span& span)
{
    return static_cast<float>(span.from) < static_cast<float>(span.to);
}
} // namespace

void GraphViewport::reset(bool degrees)
{
    m_xs = degrees ? FirstDegrees : FirstXs;
    m_follows = true;
    m_first = true;
}

void GraphViewport::takeCurveRange(const plot::Span& ys)
{
    if (m_follows && inSingleRange(ys) && apart(ys))
        m_ys = ys;
}

void GraphViewport::fitY()
{
    m_follows = true;
}

GraphViewport::Move GraphViewport::pan(double right, double up, int columns)
{
    const double dx = (m_xs.to - m_xs.from) * right;
    const double dy = (m_ys.to - m_ys.from) * up;
    return take({m_xs.from + dx, m_xs.to + dx}, {m_ys.from + dy, m_ys.to + dy}, columns);
}

GraphViewport::Move GraphViewport::zoom(double factor, double across, double up, int columns)
{
    const auto scaled = [factor](const plot::Span& span, double at) {
        const double anchor = span.from + (span.to - span.from) * at;
        return plot::Span{anchor + (span.from - anchor) / factor, anchor + (span.to - anchor) / factor};
    };
    return take(scaled(m_xs, across), scaled(m_ys, up), columns);
}

GraphViewport::Move GraphViewport::take(const plot::Span& xs, const plot::Span& ys, int columns)
{
    if (!inSingleRange(xs) || !inSingleRange(ys))
        return Move::Widest;
    if (!apart(xs) || !apart(ys) || !plot::samplesApart(xs, columns))
        return Move::Finest;
    m_xs = xs;
    m_ys = ys;
    m_follows = false;
    m_first = false;
    return Move::Done;
}

} // namespace pellitor::graph
