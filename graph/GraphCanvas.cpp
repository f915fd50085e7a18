// The graph's widget: painting, the moves of the view, and what assistive tools are told.
#include "GraphCanvas.h"

#include "GraphAccessible.h"
#include "PlotCurve.h"
#include "PlotPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace pellitor::graph {

namespace {
// One step of Ctrl+Plus, Ctrl+Minus or a wheel's notch.
constexpr double ZoomStep = 1.25;
// Ctrl+arrow moves the view by this fraction of its width or height.
constexpr double PanStep = 0.1;
// An accessible name quotes at most this much of the expression, shortened in the middle.
constexpr int LongestNamedExpression = 200;

QString shortened(const QString& text, int most)
{
    if (text.size() <= most)
        return text;
    return text.left(most / 2) + QChar(0x2026) + text.right(most / 2);
}
} // namespace

GraphCanvas::GraphCanvas(const platform::NumberText& numbers, QWidget* parent) : QWidget(parent), m_numbers(numbers)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(plot::MinSide, plot::MinSide);
    GraphAccessible::installFactory();
    connect(&m_worker, &GraphWorker::finished, this, &GraphCanvas::received);
    describe();
}

void GraphCanvas::setInputs(const GraphInputs& inputs)
{
    m_inputs = inputs;
    requestCurve();
}

void GraphCanvas::requestCurve()
{
    GraphRequest request;
    request.inputs = m_inputs;
    request.xs = m_viewport.xs();
    if (!m_viewport.followsCurve())
        request.ys = m_viewport.ys();
    request.size = {std::max(width(), plot::MinSide), std::max(height(), plot::MinSide)};
    request.serial = ++m_requested;
    m_worker.request(std::move(request));
}

void GraphCanvas::received(std::shared_ptr<const GraphCurve> curve)
{
    if (m_curve && curve->serial < m_curve->serial)
        return;
    m_curve = std::move(curve);
    if (m_curve->serial == m_requested && m_curve->refusal.empty() && m_curve->anyValue)
        m_viewport.takeCurveRange(m_curve->ys);
    update();
    describe();
    emit curveChanged();
}

std::u16string GraphCanvas::title() const
{
    // The painter shows no more than LongestTitle characters of it.
    const QString& typed = m_inputs.expression;
    std::u16string_view expression(reinterpret_cast<const char16_t*>(typed.utf16()), std::size_t(typed.size()));
    if (m_curve && m_curve->refusal.empty())
        expression = m_curve->expression;
    return plot::pictureTitle(expression.substr(0, std::min(expression.size(), plot::LongestTitle)),
                              m_curve ? m_curve->degrees : m_inputs.degrees);
}

plot::PlotPicture GraphCanvas::picture(const plot::Size& size) const
{
    plot::PlotPicture picture;
    picture.title = title();
    picture.xs = m_viewport.xs();
    picture.ys = m_viewport.ys();
    picture.size = size;
    picture.numbers = &m_numbers;
    if (m_curve && m_curve->refusal.empty())
        picture.pieces = m_curve->pieces;
    return picture;
}

QRectF GraphCanvas::frame() const
{
    return plot::pictureFrame(shownPicture());
}

void GraphCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const plot::PlotPicture shown = shownPicture();
    painter.save();
    plot::paintPicture(painter, shown);
    painter.restore();
    paintMarker(painter, plot::pictureFrame(shown));
}

// The parameter's x on the curve, with the y the report gives there.
void GraphCanvas::paintMarker(QPainter& painter, const QRectF& frame) const
{
    if (!m_curve || !m_curve->refusal.empty() || !m_curve->markerX || !m_curve->markerY)
        return;
    const plot::Span& xs = m_viewport.xs();
    const plot::Span& ys = m_viewport.ys();
    const double x = *m_curve->markerX;
    const double y = *m_curve->markerY;
    if (x < xs.from || x > xs.to || y < ys.from || y > ys.to)
        return;
    const QPointF at(frame.left() + (x - xs.from) / (xs.to - xs.from) * frame.width(),
                     frame.bottom() - (y - ys.from) / (ys.to - ys.from) * frame.height());
    painter.setClipRect(frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(plot::CurveColour));
    painter.drawEllipse(at, 4.0, 4.0);
    const QString label = QString::fromStdU16String(m_numbers.fourDecimals(*m_curve->markerY));
    painter.setPen(QColor(plot::FrameColour));
    const QFontMetricsF metrics(painter.font());
    QPointF text = at + QPointF(7.0, -7.0);
    if (text.x() + metrics.horizontalAdvance(label) > frame.right())
        text.setX(at.x() - 7.0 - metrics.horizontalAdvance(label));
    if (text.y() - metrics.ascent() < frame.top())
        text.setY(at.y() + 7.0 + metrics.ascent());
    painter.drawText(text, label);
}

void GraphCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    requestCurve();
}

void GraphCanvas::moved(GraphViewport::Move move)
{
    switch (move) {
    case GraphViewport::Move::Done:
        emit viewNote(QString());
        requestCurve();
        update();
        describe();
        emit viewChanged();
        break;
    case GraphViewport::Move::Finest:
        emit viewNote(tr("Finest view: neighbouring pixels would show the same 32-bit x."));
        break;
    case GraphViewport::Move::Widest: emit viewNote(tr("Widest view: the 32-bit numbers end here.")); break;
    }
}

void GraphCanvas::zoomAt(double factor, const QPointF& at)
{
    const QRectF f = frame();
    const double across = std::clamp((at.x() - f.left()) / f.width(), 0.0, 1.0);
    const double up = std::clamp((f.bottom() - at.y()) / f.height(), 0.0, 1.0);
    moved(m_viewport.zoom(factor, across, up, width()));
}

void GraphCanvas::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const QPointF centre = frame().center();
    if (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)) {
        zoomAt(ZoomStep, centre);
    } else if (control && event->key() == Qt::Key_Minus) {
        zoomAt(1.0 / ZoomStep, centre);
    } else if (control && event->key() == Qt::Key_Left) {
        moved(m_viewport.pan(-PanStep, 0.0, width()));
    } else if (control && event->key() == Qt::Key_Right) {
        moved(m_viewport.pan(PanStep, 0.0, width()));
    } else if (control && event->key() == Qt::Key_Up) {
        moved(m_viewport.pan(0.0, PanStep, width()));
    } else if (control && event->key() == Qt::Key_Down) {
        moved(m_viewport.pan(0.0, -PanStep, width()));
    } else if (control && event->key() == Qt::Key_0) {
        m_viewport.fitY();
        moved(GraphViewport::Move::Done);
    } else if (!control && event->key() == Qt::Key_Home) {
        m_viewport.reset();
        moved(GraphViewport::Move::Done);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void GraphCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragFrom = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragFrom || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const QRectF f = frame();
    const QPointF delta = event->position() - *m_dragFrom;
    m_dragFrom = event->position();
    moved(m_viewport.pan(-delta.x() / f.width(), delta.y() / f.height(), width()));
}

void GraphCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_dragFrom.reset();
    unsetCursor();
}

void GraphCanvas::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0)
        return QWidget::wheelEvent(event);
    zoomAt(std::pow(ZoomStep, notches), event->position());
}

bool GraphCanvas::event(QEvent* event)
{
    // A touchpad's pinch, where the platform sends it as a native gesture.
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture && gesture->value() > -1.0) {
            zoomAt(1.0 + gesture->value(), gesture->position());
            return true;
        }
    }
    return QWidget::event(event);
}

void GraphCanvas::describe()
{
    const QString expression = m_curve && m_curve->refusal.empty() ? QString::fromStdU16String(m_curve->expression)
                                                                   : m_inputs.expression;
    setAccessibleName(tr("Graph of y=%1").arg(shortened(expression, LongestNamedExpression)));
    const auto number = [this](double value) {
        return QString::fromStdU16String(m_numbers.general(static_cast<float>(value)));
    };
    setAccessibleDescription(tr("x from %1 to %2, y from %3 to %4")
                                 .arg(number(m_viewport.xs().from), number(m_viewport.xs().to),
                                      number(m_viewport.ys().from), number(m_viewport.ys().to)));
}

} // namespace pellitor::graph
