// The graph's view and its moves.
#include "GraphViewport.h"

#include "RepeatedSingles.h"

#include <algorithm>
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
    if (!m_follows)
        return;
    const plot::Span taken = m_equal ? equalised(m_xs, ys) : ys;
    if (inSingleRange(taken) && apart(taken))
        m_ys = taken;
}

void GraphViewport::restore(const View& view)
{
    m_xs = view.xs;
    m_ys = view.ys;
    m_follows = view.followsCurve;
    m_first = false;
}

void GraphViewport::setEqualScales(bool on)
{
    m_equal = on;
    if (on)
        setFrame(m_frameWidth, m_frameHeight);
}

void GraphViewport::setFrame(double width, double height)
{
    m_frameWidth = std::max(width, 1.0);
    m_frameHeight = std::max(height, 1.0);
    if (!m_equal)
        return;
    const plot::Span ys = equalised(m_xs, m_ys);
    if (refusal(ys, 0) == Move::Done)
        m_ys = ys;
}

plot::Span GraphViewport::equalised(const plot::Span& xs, const plot::Span& ys) const
{
    const double half = (xs.to - xs.from) / m_frameWidth * m_frameHeight / 2.0;
    const double middle = ys.from / 2.0 + ys.to / 2.0;
    return {middle - half, middle + half};
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

GraphViewport::Move GraphViewport::zoom(double factorX, double factorY, double across, double up, int columns)
{
    const auto scaled = [](const plot::Span& span, double factor, double at) {
        const double anchor = span.from + (span.to - span.from) * at;
        return plot::Span{anchor + (span.from - anchor) / factor, anchor + (span.to - anchor) / factor};
    };
    // With equal scales both axes zoom alike, whichever was asked.
    if (m_equal)
        factorY = factorX = factorX != 1.0 ? factorX : factorY;
    return take(scaled(m_xs, factorX, across), scaled(m_ys, factorY, up), columns);
}

GraphViewport::Move GraphViewport::show(const plot::Span& xs, const plot::Span& ys, int columns)
{
    const plot::Span shownYs = m_equal ? equalised(xs, ys) : ys;
    const Move forX = refusal(xs, columns);
    const Move forY = refusal(shownYs, 0);
    if (forX != Move::Done || forY != Move::Done)
        return forX == Move::Widest || forY == Move::Widest ? Move::Widest : Move::Finest;
    m_xs = xs;
    m_ys = shownYs;
    m_follows = false;
    m_first = false;
    return Move::Done;
}

// Each axis takes its new span where that can be shown, and keeps its own where not: one
// axis at its limit does not stop the other. A move that changes neither says why.
GraphViewport::Move GraphViewport::take(const plot::Span& xs, const plot::Span& ys, int columns)
{
    // Equal scales keep the axes together: both move, or neither.
    if (m_equal)
        return show(xs, ys, columns);
    const auto changed = [](const plot::Span& a, const plot::Span& b) { return a.from != b.from || a.to != b.to; };
    const Move forX = changed(xs, m_xs) ? refusal(xs, columns) : Move::Done;
    const Move forY = changed(ys, m_ys) ? refusal(ys, 0) : Move::Done;
    const bool takesX = forX == Move::Done && changed(xs, m_xs);
    const bool takesY = forY == Move::Done && changed(ys, m_ys);
    if (!takesX && !takesY && (forX != Move::Done || forY != Move::Done))
        return forX == Move::Widest || forY == Move::Widest ? Move::Widest : Move::Finest;
    if (takesX)
        m_xs = xs;
    if (takesY)
        m_ys = ys;
    m_follows = false;
    m_first = false;
    return Move::Done;
}

GraphViewport::Move GraphViewport::refusal(const plot::Span& span, int columns)
{
    if (!inSingleRange(span))
        return Move::Widest;
    if (!apart(span) || (columns > 0 && !plot::samplesApart(span, columns)))
        return Move::Finest;
    return Move::Done;
}

GraphViewport::Move GraphViewport::follow(double x, int columns)
{
    const double width = m_xs.to - m_xs.from;
    if (x >= m_xs.from && x <= m_xs.to)
        return Move::Done;
    // The trace then stands a tenth of the view inside it; a trace further off than half the
    // view's width stands in the middle.
    const double beyond = x > m_xs.to ? x - m_xs.to : x - m_xs.from;
    double centre = (m_xs.from + m_xs.to) / 2.0 + beyond + (beyond > 0 ? 0.1 : -0.1) * width;
    if (std::fabs(beyond) > width / 2.0)
        centre = x;
    // Far out the 32-bit x lie further apart than the view's pixels: the view widens to the
    // narrowest width whose pixels still take x of their own there, and ends within the 32-bit
    // numbers.
    const auto around = [&](double w) {
        const double largest = FLT_MAX;
        const double from = std::clamp(centre - w / 2.0, -largest, largest - w);
        return plot::Span{from, std::min(from + w, largest)};
    };
    double narrow = width;
    if (refusal(around(narrow), columns) != Move::Done) {
        double wide = narrow;
        while (refusal(around(wide), columns) != Move::Done) {
            if (wide >= FLT_MAX)
                return Move::Widest;
            narrow = wide;
            wide = std::min(2.0 * wide, static_cast<double>(FLT_MAX));
        }
        for (int halvings = 0; halvings < 60 && wide - narrow > wide * 1e-9; ++halvings) {
            const double middle = (narrow + wide) / 2.0;
            (refusal(around(middle), columns) == Move::Done ? wide : narrow) = middle;
        }
        narrow = wide;
    }
    m_xs = around(narrow);
    if (m_equal && refusal(equalised(m_xs, m_ys), 0) == Move::Done)
        m_ys = equalised(m_xs, m_ys);
    m_first = false;
    m_follows = false;
    return Move::Done;
}
} // namespace pellitor::graph
