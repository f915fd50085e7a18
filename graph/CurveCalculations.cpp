// The intersections, heights, slopes and areas of the traced curve.
#include "CurveCalculations.h"

#include "Evaluation.h"
#include "LevelCrossing.h"
#include "SignificantDigits.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPolygonF>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace pellitor::graph {

namespace {
// A search looks at most this long before the window's events get their turn.
constexpr int SliceMs = 20;
constexpr int StepsPerLook = 16;
} // namespace

CurveCalculations::CurveCalculations(const ReadoutNumbers& numbers, QObject* parent)
    : QObject(parent), m_numbers(numbers)
{
}

void CurveCalculations::setCurves(std::vector<Reader> curves, std::size_t traced)
{
    const bool same = curves.size() == m_curves.size()
                      && std::equal(curves.begin(), curves.end(), m_curves.begin(),
                                    [](const Reader& a, const Reader& b) {
                                        return a.postfix == b.postfix && a.degrees == b.degrees;
                                    });
    if (!same) {
        cancel();
        m_compiled.clear();
        m_compiled.resize(curves.size());
    }
    m_curves = std::move(curves);
    m_traced = traced;
}

CompiledPostfix& CurveCalculations::compiled(std::size_t curve)
{
    if (!m_compiled[curve])
        m_compiled[curve] = std::make_unique<CompiledPostfix>(m_curves[curve].postfix, m_curves[curve].degrees);
    return *m_compiled[curve];
}

ValueAt CurveCalculations::valueOf(std::size_t curve)
{
    return [this, curve](float x) { return valueAt(compiled(curve), x); };
}

QString CurveCalculations::named(std::size_t curve) const
{
    return m_curves[curve].name;
}

void CurveCalculations::cancel()
{
    m_searches.clear();
}

void CurveCalculations::intersection(float x, int direction, const View& view)
{
    cancel();
    if (m_traced >= m_curves.size())
        return;
    m_direction = direction;
    m_level.reset();
    for (std::size_t other = 0; other < m_curves.size(); ++other) {
        if (other != m_traced)
            m_searches.emplace_back(other, std::make_unique<IntersectionSearch>(valueOf(m_traced), valueOf(other), x,
                                                                                direction, view.xs, view.ys,
                                                                                view.columns, view.rows));
    }
    if (m_searches.empty()) {
        emit found(std::nullopt, tr("No other curve shows: pin one with Ctrl+D."));
        return;
    }
    searchOn();
}

void CurveCalculations::level(float c, float x, int direction, const View& view)
{
    cancel();
    if (m_traced >= m_curves.size())
        return;
    m_direction = direction;
    m_level = c;
    m_searches.emplace_back(m_traced, std::make_unique<IntersectionSearch>(levelSearch(valueOf(m_traced), c, x,
                                                                                       direction, view.xs, view.ys,
                                                                                       view.columns, view.rows)));
    searchOn();
}

std::vector<float> CurveCalculations::levelMarks(float c, const View& view)
{
    std::vector<float> marks;
    if (m_traced >= m_curves.size())
        return marks;
    for (const Intersection& crossing :
         levelCrossingsIn(valueOf(m_traced), c, view.xs, view.ys, view.columns, view.rows))
        marks.push_back(crossing.x);
    return marks;
}

// Each search a slice at a time, until all have ended; the nearest found wins.
void CurveCalculations::searchOn()
{
    QElapsedTimer clock;
    clock.start();
    bool searching = true;
    while (searching) {
        searching = false;
        for (auto& [curve, search] : m_searches)
            searching |= search->step(StepsPerLook) == IntersectionSearch::State::Searching;
        if (searching && clock.elapsed() >= SliceMs) {
            QTimer::singleShot(0, this, &CurveCalculations::searchOn);
            return;
        }
    }
    const auto searches = std::move(m_searches);
    const std::pair<std::size_t, std::unique_ptr<IntersectionSearch>>* nearest = nullptr;
    for (const auto& entry : searches) {
        const std::optional<Intersection>& at = entry.second->found();
        if (at && (!nearest || m_direction * (at->x - nearest->second->found()->x) < 0))
            nearest = &entry;
    }
    const bool right = m_direction > 0;
    if (!nearest) {
        if (m_level)
            emit found(std::nullopt,
                       right ? tr("y does not reach %1 to the right within 100 view widths").arg(m_numbers.y(*m_level))
                             : tr("y does not reach %1 to the left within 100 view widths").arg(m_numbers.y(*m_level)));
        else
            emit found(std::nullopt, right ? tr("No intersection within 100 view widths to the right")
                                           : tr("No intersection within 100 view widths to the left"));
        return;
    }
    const Intersection& at = *nearest->second->found();
    if (m_level) {
        emit found(at.x, tr("y = %1 at x = %2").arg(m_numbers.y(*m_level), m_numbers.x(at.x)));
        return;
    }
    const QString other = named(nearest->first);
    emit found(at.x, tr("intersection with %1 at x = %2; y = %3 and %4")
                         .arg(other, m_numbers.x(at.x), m_numbers.y(at.y), m_numbers.y(at.otherY)));
}

Slope CurveCalculations::slope(double x)
{
    if (m_traced >= m_curves.size())
        return {};
    CompiledPostfix& evaluator = compiled(m_traced);
    return slopeAt([&evaluator](double at) { return valueAtDouble(evaluator, at); }, x);
}

QString CurveCalculations::slopeWords(const Slope& slope) const
{
    switch (slope.outcome) {
    case Slope::Outcome::Value:
        return tr("dy/dx = %1 (± %2)")
            .arg(m_numbers.localized(withError(slope.value, slope.error)),
                 m_numbers.localized(errorBound(slope.error)));
    case Slope::Outcome::Corner:
        return tr("no slope: a corner, %1 from the left, %2 from the right")
            .arg(m_numbers.localized(withDigits(slope.left, 6)), m_numbers.localized(withDigits(slope.right, 6)));
    case Slope::Outcome::Break: break;
    }
    return tr("no slope: a gap, a pole or a jump at or near x");
}

Area CurveCalculations::area(double a, double b)
{
    if (m_traced >= m_curves.size())
        return {Area::Outcome::Undefined, 0.0, 0.0, a, b, 0.0};
    CompiledPostfix& evaluator = compiled(m_traced);
    return areaOf([&evaluator](double at) { return valueAtDouble(evaluator, at); }, a, b);
}

QString CurveCalculations::areaWords(double a, double b, const Area& area) const
{
    const QString from = m_numbers.x(static_cast<float>(a));
    const QString to = m_numbers.x(static_cast<float>(b));
    switch (area.outcome) {
    case Area::Outcome::Value:
        return tr("∫ from %1 to %2 = %3 (± %4)")
            .arg(from, to, m_numbers.localized(withError(area.value, area.error)),
                 m_numbers.localized(errorBound(area.error)));
    case Area::Outcome::Diverges:
        return tr("∫ from %1 to %2 diverges at x = %3")
            .arg(from, to, m_numbers.localized(shortestWithin(area.from, area.within)));
    case Area::Outcome::Undefined: break;
    }
    return tr("∫ from %1 to %2 is undefined: no value from x = %3 to x = %4")
        .arg(from, to, m_numbers.localized(shortestWithin(area.from, area.within)),
             m_numbers.localized(shortestWithin(area.to, area.within)));
}

void CurveCalculations::markTableRows(const std::vector<float>& xs)
{
    m_marks.tableRows.clear();
    for (std::size_t curve = 0; curve < m_curves.size(); ++curve) {
        for (const float x : xs) {
            if (const std::optional<float> y = valueAt(compiled(curve), x))
                m_marks.tableRows.push_back({x, *y, curve});
        }
    }
}

void CurveCalculations::paintTableRows(QPainter& painter, const QRectF& frame, const plot::Span& xs,
                                       const plot::Span& ys, const plot::PlotColours& colours) const
{
    if (m_marks.tableRows.empty())
        return;
    painter.save();
    painter.setClipRect(frame);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Marks::Point& row : m_marks.tableRows) {
        const QPointF at(frame.left() + (row.x - xs.from) / (xs.to - xs.from) * frame.width(),
                         frame.bottom() - (row.y - ys.from) / (ys.to - ys.from) * frame.height());
        painter.setPen(QPen(QColor(colours.background), 1.0));
        painter.setBrush(QColor(plot::curveColour(colours, row.curve)));
        painter.drawRect(QRectF(at - QPointF(3.0, 3.0), QSizeF(6.0, 6.0)));
    }
    painter.restore();
}

void CurveCalculations::paint(QPainter& painter, const QRectF& frame, const plot::Span& xs, const plot::Span& ys,
                              const plot::Pieces* pieces, const QColor& colour) const
{
    const auto at = [&](double x, double y) {
        return QPointF(frame.left() + (x - xs.from) / (xs.to - xs.from) * frame.width(),
                       frame.bottom() - (y - ys.from) / (ys.to - ys.from) * frame.height());
    };
    painter.save();
    painter.setClipRect(frame);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_marks.area && pieces) {
        // Between the curve and the x axis, over the x from a to b.
        const auto [from, to] = *m_marks.area;
        QColor shade = colour;
        shade.setAlpha(64);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        const double axis = std::clamp(0.0, ys.from, ys.to);
        for (const std::vector<plot::Point>& piece : *pieces) {
            QPolygonF polygon;
            for (const plot::Point& point : piece) {
                if (point.x >= std::min(from, to) && point.x <= std::max(from, to))
                    polygon << at(point.x, std::clamp(point.y, ys.from - (ys.to - ys.from), ys.to + (ys.to - ys.from)));
            }
            if (polygon.size() < 2)
                continue;
            polygon << QPointF(polygon.back().x(), at(0.0, axis).y())
                    << QPointF(polygon.front().x(), at(0.0, axis).y());
            painter.drawPolygon(polygon);
        }
    }
    for (const std::optional<double>& edge :
         {m_marks.areaStart, m_marks.area ? std::optional(m_marks.area->first) : std::nullopt,
          m_marks.area ? std::optional(m_marks.area->second) : std::nullopt}) {
        if (!edge)
            continue;
        painter.setPen(QPen(colour, 1.0, Qt::DotLine));
        painter.drawLine(at(*edge, ys.from), at(*edge, ys.to));
    }
    if (m_marks.tangentAt) {
        const QPointF p = *m_marks.tangentAt;
        const double m = m_marks.tangentSlope;
        painter.setPen(QPen(colour, 1.0, Qt::DashDotLine));
        painter.drawLine(at(xs.from, p.y() + m * (xs.from - p.x())), at(xs.to, p.y() + m * (xs.to - p.x())));
    }
    if (m_marks.level) {
        painter.setPen(QPen(colour, 1.5));
        painter.setBrush(Qt::NoBrush);
        for (const float x : m_marks.levelXs) {
            const QPointF p = at(x, *m_marks.level);
            painter.drawLine(p + QPointF(-5, -5), p + QPointF(5, 5));
            painter.drawLine(p + QPointF(-5, 5), p + QPointF(5, -5));
        }
    }
    painter.restore();
}

} // namespace pellitor::graph
