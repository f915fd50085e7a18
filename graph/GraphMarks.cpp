// The marks over the graph's picture and their tooltips.
#include "GraphMarks.h"

#include "GraphCanvas.h" // the marks' words are the canvas's, translated under its name
#include "PlotPainter.h"
#include "ViewNavigator.h"

#include <QLineF>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace pellitor::graph {

namespace {
// The trace's ring, apart from the curve's blue.
constexpr QRgb TraceColour = 0xffc0392b;
// The focus frame's width.
constexpr double FocusWidth = 2.0;
} // namespace

GraphMarks::GraphMarks(const Sources& sources)
    : m_canvas(sources.canvas), m_numbers(sources.numbers), m_viewport(sources.viewport), m_curve(sources.curve),
      m_curves(sources.curves), m_calc(sources.calc), m_navigator(sources.navigator), m_trace(sources.trace),
      m_traceX(sources.traceX), m_traced(sources.traced), m_readout(sources.readout)
{
}

void GraphMarks::paint(QPainter& painter, const plot::PlotPicture& shown) const
{
    const QRectF frame = plot::pictureFrame(shown);
    painter.save();
    paintMarker(painter, frame, shown.style.colours);
    painter.restore();
    painter.save();
    paintTrace(painter, frame, shown.style.colours);
    painter.restore();
    paintCalculations(painter, frame, shown);
    paintBox(painter);
    paintFocus(painter);
}

// The desktop's sign that the graph has the keyboard: a frame in the highlight colour.
void GraphMarks::paintFocus(QPainter& painter) const
{
    if (!m_canvas.hasFocus())
        return;
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(m_canvas.palette().color(QPalette::Highlight), FocusWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(m_canvas.rect()).adjusted(FocusWidth / 2, FocusWidth / 2, -FocusWidth / 2, -FocusWidth / 2));
}

// The marks of the calculations on the traced curve, in its colour.
void GraphMarks::paintCalculations(QPainter& painter, const QRectF& frame, const plot::PlotPicture& shown) const
{
    if (!m_curve)
        return;
    const std::size_t traced = m_curves.traced();
    const bool live = traced >= m_curve->pinned.size();
    if (live && !m_curve->refusal.empty())
        return;
    const plot::Pieces* pieces = live ? &m_curve->pieces : &m_curve->pinned[traced].pieces;
    const QColor colour(plot::curveColour(shown.style.colours, live ? shown.colour : traced));
    m_calc.paint(painter, frame, m_viewport.xs(), m_viewport.ys(), pieces, colour);
    m_calc.paintTableRows(painter, frame, m_viewport.xs(), m_viewport.ys(), shown.style.colours);
}

// The box being drawn for a zoom: a dashed outline over a light veil of the highlight colour.
void GraphMarks::paintBox(QPainter& painter) const
{
    const std::optional<QRectF> box = m_navigator.box();
    if (!box)
        return;
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor veil = m_canvas.palette().color(QPalette::Highlight);
    veil.setAlpha(48);
    painter.fillRect(*box, veil);
    painter.setPen(QPen(m_canvas.palette().color(QPalette::Highlight), 1.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box->adjusted(0.5, 0.5, -0.5, -0.5));
}

// The traced point: a ring on the curve, and a thin line at its x where it has no y in view.
std::optional<GraphMarks::TraceMark> GraphMarks::traceMark(const QRectF& frame) const
{
    if (!m_traceX || !m_traced || !m_trace.readable())
        return std::nullopt;
    const plot::Span& xs = m_viewport.xs();
    const plot::Span& ys = m_viewport.ys();
    const double x = *m_traceX;
    if (x < xs.from || x > xs.to)
        return std::nullopt;
    TraceMark mark{frame.left() + (x - xs.from) / (xs.to - xs.from) * frame.width(), std::nullopt};
    const Evaluation& reading = m_trace.reading();
    const double y = reading.value;
    if (reading.outcome == Evaluation::Outcome::Value && y >= ys.from && y <= ys.to)
        mark.down = frame.bottom() - (y - ys.from) / (ys.to - ys.from) * frame.height();
    return mark;
}

void GraphMarks::paintTrace(QPainter& painter, const QRectF& frame, const plot::PlotColours& colours) const
{
    const std::optional<TraceMark> mark = traceMark(frame);
    if (!mark)
        return;
    const QColor ring(plot::withContrast(TraceColour, colours.background, 3.0));
    painter.setClipRect(frame);
    painter.setRenderHint(QPainter::Antialiasing);
    if (mark->down) {
        painter.setPen(QPen(ring, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(mark->across, *mark->down), 6.0, 6.0);
        return;
    }
    painter.setPen(QPen(ring, 1.0, Qt::DashLine));
    painter.drawLine(QPointF(mark->across, frame.top()), QPointF(mark->across, frame.bottom()));
}

// What the marks are, where the pointer rests on one: the parameter's dot, the traced point's
// ring, the dashed line of a traced x where the curve has no point in view.
QString GraphMarks::tip(const QPointF& at, const QRectF& f) const
{
    constexpr double Near = 8.0;
    if (const std::optional<QPointF> marker = markerPoint(f); marker && QLineF(*marker, at).length() <= Near)
        return GraphCanvas::tr("The parameter's x, with the y of the report: x = %1; y = %2")
            .arg(m_trace.numbers().x(*m_curve->markerX), m_trace.numbers().y(*m_curve->markerY));
    const std::optional<TraceMark> mark = traceMark(f);
    if (!mark)
        return {};
    if (mark->down && QLineF(QPointF(mark->across, *mark->down), at).length() <= Near)
        return GraphCanvas::tr("The traced point: %1").arg(m_readout);
    if (!mark->down && std::fabs(at.x() - mark->across) <= Near / 2 && f.contains(at))
        return GraphCanvas::tr(
            "The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view");
    return {};
}

// The parameter's x on the curve, with the y the report gives there.
std::optional<QPointF> GraphMarks::markerPoint(const QRectF& frame) const
{
    if (!m_curve || !m_curve->refusal.empty() || !m_curve->markerX || !m_curve->markerY)
        return std::nullopt;
    const plot::Span& xs = m_viewport.xs();
    const plot::Span& ys = m_viewport.ys();
    const double x = *m_curve->markerX;
    const double y = *m_curve->markerY;
    if (x < xs.from || x > xs.to || y < ys.from || y > ys.to)
        return std::nullopt;
    return QPointF(frame.left() + (x - xs.from) / (xs.to - xs.from) * frame.width(),
                   frame.bottom() - (y - ys.from) / (ys.to - ys.from) * frame.height());
}

void GraphMarks::paintMarker(QPainter& painter, const QRectF& frame, const plot::PlotColours& colours) const
{
    const std::optional<QPointF> marker = markerPoint(frame);
    if (!marker)
        return;
    const QPointF at = *marker;
    painter.setClipRect(frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(colours.background), 1.5));
    painter.setBrush(QColor(colours.curve));
    painter.drawEllipse(at, 4.0, 4.0);
    const QString label = QString::fromStdU16String(m_numbers.fourDecimals(*m_curve->markerY));
    painter.setPen(QColor(colours.frame));
    const QFontMetricsF metrics(painter.font());
    QPointF text = at + QPointF(7.0, -7.0);
    if (text.x() + metrics.horizontalAdvance(label) > frame.right())
        text.setX(at.x() - 7.0 - metrics.horizontalAdvance(label));
    if (text.y() - metrics.ascent() < frame.top())
        text.setY(at.y() + 7.0 + metrics.ascent());
    painter.drawText(text, label);
}

} // namespace pellitor::graph
