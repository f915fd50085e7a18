// The graph's keys, tried in turn on a key press of the canvas.
#include "GraphKeys.h"

#include "GraphCanvas.h"
#include "ViewNavigator.h"

#include <QKeyEvent>

#include <cmath>
#include <utility>

namespace pellitor::graph {

bool GraphKeys::key(const QKeyEvent* event)
{
    if (soundKey(event) || curveKey(event) || calculationKey(event) || traceKey(event)
        || m_canvas.m_navigator->key(event))
        return true;
    // Shift+F10 opens the context menu at the frame's top left, as the Menu key does (Qt makes that
    // key a context menu event of its own, before its key press).
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        emit m_canvas.menuAsked(m_canvas.mapToGlobal(m_canvas.frame().topLeft().toPoint() + QPoint(8, 8)));
        return true;
    }
    if (event->key() == Qt::Key_Home && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_canvas.resetView();
        return true;
    }
    return false;
}

bool GraphKeys::calculationKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier || !m_canvas.m_traceX || !m_canvas.m_trace.readable())
        return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    CurveCalculations::Marks& marks = m_canvas.m_calc->marks();
    switch (event->key()) {
    case Qt::Key_I:
        m_canvas.m_calc->intersection(*m_canvas.m_traceX, shift ? -1 : 1, m_canvas.searchView());
        return true;
    case Qt::Key_T:
        if (shift)
            return false;
        m_canvas.m_slopeShown = !m_canvas.m_slopeShown;
        m_canvas.moveTrace(*m_canvas.m_traceX, false, m_canvas.m_label, m_canvas.m_tracePixel);
        return true;
    case Qt::Key_A:
        if (shift)
            return false;
        marks.areaStart = *m_canvas.m_traceX;
        marks.area.reset();
        m_canvas.showReadout(GraphCanvas::tr("From x = %1: move the trace to the other end and press B.")
                                 .arg(m_canvas.m_trace.numbers().x(*m_canvas.m_traceX)));
        m_canvas.update();
        return true;
    case Qt::Key_B: {
        if (shift || !marks.areaStart) {
            if (!shift)
                m_canvas.showReadout(GraphCanvas::tr("Press A at one end of the area first."));
            return !shift;
        }
        const double from = *std::exchange(marks.areaStart, std::nullopt);
        const Area area = m_canvas.m_calc->area(from, *m_canvas.m_traceX);
        marks.area = std::pair(from, double(*m_canvas.m_traceX));
        m_canvas.m_label = m_canvas.m_calc->areaWords(from, *m_canvas.m_traceX, area);
        m_canvas.m_labelX = m_canvas.m_traceX;
        m_canvas.m_labelInputs = m_canvas.m_inputs;
        m_canvas.showReadout(m_canvas.m_label);
        m_canvas.update();
        return true;
    }
    default: return false;
    }
}

bool GraphKeys::curveKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool pinned = !m_canvas.m_curves.tracesLive();
    if (event->key() == Qt::Key_D && modifiers == Qt::ControlModifier) {
        m_canvas.pinLive();
    } else if ((event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) && modifiers == Qt::NoModifier) {
        m_canvas.m_curves.step(event->key() == Qt::Key_PageUp ? 1 : -1);
        m_canvas.curvesChanged(false);
    } else if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier && pinned) {
        m_canvas.removePin(pinIndex(m_canvas.m_curves.traced()));
    } else if (event->key() == Qt::Key_H && modifiers == Qt::ControlModifier && pinned) {
        m_canvas.setPinShown(pinIndex(m_canvas.m_curves.traced()), false);
    } else {
        return false;
    }
    return true;
}

std::size_t GraphKeys::pinIndex(std::size_t shown) const
{
    const std::vector<CurveSet::Pin>& pins = m_canvas.m_curves.pins();
    for (std::size_t i = 0, n = 0; i < pins.size(); ++i) {
        if (pins[i].shown && n++ == shown)
            return i;
    }
    return pins.size();
}

bool GraphKeys::traceKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier || !m_canvas.m_traceX || !m_canvas.m_trace.readable())
        return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    const int direction = shift ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int towards = event->key() == Qt::Key_Right ? 1 : -1;
        // A pixel column, or with Shift the neighbouring 32-bit x: the finest step there is.
        float x = nextSingle(*m_canvas.m_traceX, towards);
        std::optional<double> pixel;
        if (!shift) {
            const float column = static_cast<float>(*m_canvas.m_traceX + towards * m_canvas.pixelWidth());
            if (towards * (column - *m_canvas.m_traceX) > 0.0f) {
                x = column;
                pixel = m_canvas.pixelWidth();
            }
        }
        if (std::isfinite(x))
            m_canvas.moveTrace(x, true, QString(), pixel);
        return true;
    }
    case Qt::Key_Z: m_canvas.searchFor(FeatureSearch::Looking::Zero, direction); return true;
    case Qt::Key_E: m_canvas.searchFor(FeatureSearch::Looking::Extremum, direction); return true;
    case Qt::Key_P: m_canvas.searchFor(FeatureSearch::Looking::Break, direction); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit m_canvas.traceChosen(*m_canvas.m_traceX); return true;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && QStringLiteral("0123456789-.,").contains(text.front())) {
        emit m_canvas.typingX(text);
        return true;
    }
    // "y=" and a height: the next x where the curve reaches it.
    if (event->key() == Qt::Key_Y) {
        emit m_canvas.typingX(QStringLiteral("y="));
        return true;
    }
    return false;
}

// H sweeps the curve in view, Shift+H turns the traced point's tone on or off.
bool GraphKeys::soundKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() != Qt::Key_H || (modifiers & ~Qt::ShiftModifier) != Qt::NoModifier)
        return false;
    if (!(modifiers & Qt::ShiftModifier)) {
        m_canvas.m_sweepAsked = true;
        m_canvas.sweepWhenDrawn();
    } else if (m_canvas.m_sound->toneOn() || (m_canvas.m_traceX && m_canvas.m_trace.readable())) {
        m_canvas.m_sound->toggleTone(m_canvas.tracedSound());
    }
    return true;
}

} // namespace pellitor::graph
