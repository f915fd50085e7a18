// The view's moves by pointer, wheel, keys and menu, and the history of the views made.
#include "ViewNavigator.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace pellitor::graph {

namespace {
// One step of Ctrl+Plus, Ctrl+Minus or a wheel's notch.
constexpr double ZoomStep = 1.25;
// Ctrl+arrow moves the view by this fraction of its width or height.
constexpr double PanStep = 0.1;
// A box smaller than this, either way, is a click: no zoom.
constexpr double SmallestBox = 4.0;
// Wheel notches closer together than this are one step back.
constexpr qint64 WheelRun = 500;
} // namespace

ViewNavigator::ViewNavigator(GraphViewport& viewport, Frame frame, Columns columns, QObject* parent)
    : QObject(parent), m_viewport(viewport), m_frame(std::move(frame)), m_columns(std::move(columns))
{
}

void ViewNavigator::made(const View& before, GraphViewport::Move move)
{
    if (move == GraphViewport::Move::Done)
        m_history.record(before);
    emit moved(move);
}

void ViewNavigator::zoomAt(double factorX, double factorY, const QPointF& at)
{
    const QRectF f = m_frame();
    const double across = std::clamp((at.x() - f.left()) / f.width(), 0.0, 1.0);
    const double up = std::clamp((f.bottom() - at.y()) / f.height(), 0.0, 1.0);
    const View before = m_viewport.view(); // before the move: arguments may be evaluated in any order
    made(before, m_viewport.zoom(factorX, factorY, across, up, m_columns()));
}

bool ViewNavigator::key(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && m_boxFrom) {
        endBox(false);
        return true;
    }
    if (modifiers == Qt::AltModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        event->key() == Qt::Key_Left ? back() : forward();
        return true;
    }
    if (modifiers != Qt::ControlModifier)
        return false;
    const auto pan = [this](double right, double up) {
        const View before = m_viewport.view();
        made(before, m_viewport.pan(right, up, m_columns()));
    };
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomIn(); return true;
    case Qt::Key_Minus: zoomOut(); return true;
    case Qt::Key_Left: pan(-PanStep, 0.0); return true;
    case Qt::Key_Right: pan(PanStep, 0.0); return true;
    case Qt::Key_Up: pan(0.0, PanStep); return true;
    case Qt::Key_Down: pan(0.0, -PanStep); return true;
    case Qt::Key_0: fitY(); return true;
    default: return false;
    }
}

void ViewNavigator::zoomIn()
{
    zoomAt(ZoomStep, ZoomStep, m_frame().center());
}

void ViewNavigator::zoomOut()
{
    zoomAt(1.0 / ZoomStep, 1.0 / ZoomStep, m_frame().center());
}

void ViewNavigator::home(bool degrees)
{
    const View before = m_viewport.view();
    m_viewport.reset(degrees);
    made(before, GraphViewport::Move::Done);
}

void ViewNavigator::fitY()
{
    const View before = m_viewport.view();
    m_viewport.fitY();
    made(before, GraphViewport::Move::Done);
}

void ViewNavigator::back()
{
    if (const std::optional<View> view = m_history.back(m_viewport.view())) {
        m_viewport.restore(*view);
        emit moved(GraphViewport::Move::Done);
    }
}

void ViewNavigator::forward()
{
    if (const std::optional<View> view = m_history.forward(m_viewport.view())) {
        m_viewport.restore(*view);
        emit moved(GraphViewport::Move::Done);
    }
}

GraphViewport::Move ViewNavigator::showRange(const plot::Span& xs, const plot::Span& ys)
{
    const View before = m_viewport.view();
    const GraphViewport::Move move = m_viewport.show(xs, ys, m_columns());
    made(before, move);
    return move;
}

void ViewNavigator::setEqualScales(bool on)
{
    const View before = m_viewport.view();
    const QRectF f = m_frame();
    m_viewport.setFrame(f.width(), f.height());
    m_viewport.setEqualScales(on);
    made(before, GraphViewport::Move::Done);
}

bool ViewNavigator::press(const QMouseEvent* event)
{
    if (event->button() == Qt::BackButton || event->button() == Qt::ForwardButton) {
        event->button() == Qt::BackButton ? back() : forward();
        return true;
    }
    const bool boxing = event->button() == Qt::RightButton
                        || (event->button() == Qt::LeftButton && event->modifiers() & Qt::ShiftModifier);
    if (boxing) {
        m_boxFrom = event->position();
        m_boxTo = event->position();
        return true;
    }
    if (event->button() != Qt::LeftButton)
        return false;
    m_panFrom = event->position();
    m_panStart = m_viewport.view();
    return true;
}

bool ViewNavigator::move(const QMouseEvent* event)
{
    if (m_boxFrom) {
        m_boxTo = event->position();
        emit boxChanged();
        return true;
    }
    if (!m_panFrom || !(event->buttons() & Qt::LeftButton))
        return false;
    const QRectF f = m_frame();
    const QPointF delta = event->position() - *m_panFrom;
    m_panFrom = event->position();
    const GraphViewport::Move move = m_viewport.pan(-delta.x() / f.width(), delta.y() / f.height(), m_columns());
    // The view a drag leaves is one step back, however many moves the drag makes.
    if (move == GraphViewport::Move::Done && m_panStart)
        m_history.record(*std::exchange(m_panStart, std::nullopt));
    emit moved(move);
    return true;
}

bool ViewNavigator::release(const QMouseEvent* event)
{
    if (m_boxFrom && (event->button() == Qt::RightButton || event->button() == Qt::LeftButton)) {
        m_boxTo = event->position();
        endBox(true);
        return true;
    }
    if (event->button() != Qt::LeftButton || !m_panFrom)
        return false;
    m_panFrom.reset();
    m_panStart.reset();
    return true;
}

std::optional<QRectF> ViewNavigator::box() const
{
    if (!m_boxFrom)
        return std::nullopt;
    return QRectF(*m_boxFrom, m_boxTo).normalized().intersected(m_frame());
}

void ViewNavigator::endBox(bool zoom)
{
    const std::optional<QRectF> drawn = box();
    m_boxFrom.reset();
    emit boxChanged();
    if (!zoom || !drawn || drawn->width() < SmallestBox || drawn->height() < SmallestBox)
        return;
    const QRectF f = m_frame();
    const plot::Span& xs = m_viewport.xs();
    const plot::Span& ys = m_viewport.ys();
    const auto xAt = [&](double px) { return xs.from + (px - f.left()) / f.width() * (xs.to - xs.from); };
    const auto yAt = [&](double py) { return ys.from + (f.bottom() - py) / f.height() * (ys.to - ys.from); };
    showRange({xAt(drawn->left()), xAt(drawn->right())}, {yAt(drawn->bottom()), yAt(drawn->top())});
}

bool ViewNavigator::wheel(const QWheelEvent* event)
{
    // Some platforms turn a wheel with Shift held into a sideways one.
    const QPoint delta = event->angleDelta();
    const double notches = (delta.y() != 0 ? delta.y() : delta.x()) / 120.0;
    if (notches == 0.0)
        return false;
    const double factor = std::pow(ZoomStep, notches);
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool xOnly = modifiers & Qt::ShiftModifier;
    const bool yOnly = modifiers & Qt::ControlModifier;
    const View before = m_viewport.view();
    const bool newRun = !m_lastWheel.isValid() || m_lastWheel.elapsed() > WheelRun;
    m_lastWheel.start();
    const QRectF f = m_frame();
    const QPointF at = event->position();
    const double across = std::clamp((at.x() - f.left()) / f.width(), 0.0, 1.0);
    const double up = std::clamp((f.bottom() - at.y()) / f.height(), 0.0, 1.0);
    const GraphViewport::Move move = m_viewport.zoom(yOnly && !xOnly ? 1.0 : factor, xOnly && !yOnly ? 1.0 : factor,
                                                     across, up, m_columns());
    if (move == GraphViewport::Move::Done && newRun)
        m_history.record(before);
    emit moved(move);
    return true;
}

void ViewNavigator::pinch(double factor, const QPointF& at)
{
    zoomAt(factor, factor, at);
}

} // namespace pellitor::graph
