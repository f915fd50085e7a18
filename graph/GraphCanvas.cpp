// The graph's widget: painting, the moves of the view, and what assistive tools are told.
#include "GraphCanvas.h"

#include "GraphAccessible.h"
#include "GraphDescription.h"
#include "GraphKeys.h"
#include "PlotPainter.h"
#include "ViewNavigator.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <utility>

namespace pellitor::graph {

GraphCanvas::GraphCanvas(const platform::NumberText& numbers, GraphTrace::MessageTranslator translateMessage,
                         QWidget* parent)
    : QWidget(parent), m_numbers(numbers), m_trace(numbers, std::move(translateMessage)), m_sound(new GraphSound(this)),
      m_worker([this](std::shared_ptr<const GraphCurve> curve) {
          // From the worker's thread to this widget's, the thread ended before this is gone. The
          // drawing goes through a box under a mutex and the call by name: a functor that carried
          // it would be freed by whichever thread lets it go last, ordered only by Qt's own atomics,
          // which ThreadSanitizer cannot see.
          {
              const std::lock_guard lock(m_finishedMutex);
              m_finished.push_back(std::move(curve));
          }
          QMetaObject::invokeMethod(this, "takeFinished", Qt::QueuedConnection);
      })
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // the pointer over the graph traces its x
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(plot::MinSide, plot::MinSide);
    GraphAccessible::installFactory();
    m_navigator = new ViewNavigator(
        m_viewport, [this] { return frame(); }, [this] { return drawnSize().width; }, this);
    connect(m_navigator, &ViewNavigator::moved, this, &GraphCanvas::moved);
    connect(m_navigator, &ViewNavigator::boxChanged, this, qOverload<>(&QWidget::update));
    connect(&m_trace, &GraphTrace::found, this, &GraphCanvas::foundFeature);
    m_calc = new CurveCalculations(m_trace.numbers(), this);
    connect(m_calc, &CurveCalculations::found, this, &GraphCanvas::foundPoint);
    m_marks = std::make_unique<GraphMarks>(GraphMarks::Sources{*this, m_numbers, m_viewport, m_curve, m_curves, *m_calc,
                                                               *m_navigator, m_trace, m_traceX, m_traced, m_readout});
    connect(m_sound, &GraphSound::note, this, &GraphCanvas::viewNote);
    describe();
}

void GraphCanvas::setInputs(GraphInputs inputs)
{
    // A first view follows the angle unit: a turn either way in degrees.
    if (inputs.degrees != m_inputs->degrees && m_viewport.first())
        m_viewport.reset(inputs.degrees);
    // Heights, tangents and areas belong to the expression they were found on.
    if (inputs.expression != m_inputs->expression || inputs.degrees != m_inputs->degrees)
        m_calc->marks() = {};
    m_inputs = std::make_shared<const GraphInputs>(std::move(inputs));
    requestCurve();
}

void GraphCanvas::requestCurve(bool shownYs)
{
    GraphRequest request;
    request.inputs = m_inputs;
    request.pinned = m_curves.request();
    request.xs = m_viewport.xs();
    m_askedShownYs = shownYs || !m_viewport.followsCurve();
    if (m_askedShownYs)
        request.ys = m_viewport.ys();
    request.size = drawnSize();
    request.serial = ++m_requested;
    m_worker.request(std::move(request));
}

void GraphCanvas::takeFinished()
{
    std::vector<std::shared_ptr<const GraphCurve>> finished;
    {
        const std::lock_guard lock(m_finishedMutex);
        finished.swap(m_finished);
    }
    for (std::shared_ptr<const GraphCurve>& curve : finished)
        received(std::move(curve));
}

void GraphCanvas::received(std::shared_ptr<const GraphCurve> curve)
{
    if (m_curve && curve->serial < m_curve->serial)
        return;
    m_curve = std::move(curve);
    const bool refused = !m_curve->refusal.empty();
    if (!refused)
        m_drawn = m_curve;
    if (m_curve->serial == m_requested && !refused && m_curve->anyValue)
        m_viewport.takeCurveRange(m_curve->ys);
    readTracedCurve();
    // The marks of a height follow the view.
    if (CurveCalculations::Marks& marks = m_calc->marks(); marks.level && !refused)
        marks.levelXs = m_calc->levelMarks(*marks.level, searchView());
    // A refused text reads nothing: no y of another expression stays in the readout.
    if (!m_trace.readable())
        showReadout(QString());
    if (m_trace.readable()) {
        // The trace starts at the parameter's x where that is in view, else at the centre's, and
        // goes to the parameter's x when that changes.
        const plot::Span& xs = m_viewport.xs();
        if (!m_traceX || (m_curve->markerX && m_curve->markerX != m_parameterX)) {
            // A parameter changed after the graph opened is one the user wants read.
            m_traced = m_traced || (m_traceX && m_curve->markerX);
            m_traceX = m_curve->markerX ? *m_curve->markerX : static_cast<float>((xs.from + xs.to) / 2.0);
        }
        m_parameterX = m_curve->markerX;
        // Until the user traces, the readout says how to; then a pointer's x keeps the digits that
        // a pixel of the view as it is now resolves.
        if (!m_traced)
            showReadout(tr("Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, "
                           "extrema and poles."));
        else
            moveTrace(*m_traceX, false, QString(), m_tracePixel ? std::optional(pixelWidth()) : std::nullopt);
    }
    update();
    describe();
    emit curveChanged();
    sweepWhenDrawn();
    serveWaiting();
}

bool GraphCanvas::drawnAsShown() const
{
    const plot::Span& xs = m_viewport.xs();
    const plot::Span& ys = m_viewport.ys();
    const plot::Size size = drawnSize();
    return m_curve->xs.from == xs.from && m_curve->xs.to == xs.to && m_curve->size.width == size.width
           && m_curve->size.height == size.height
           && (m_curve->pieces.empty() || (m_curve->ys.from == ys.from && m_curve->ys.to == ys.to));
}

void GraphCanvas::whenDrawn(std::function<void(const plot::PlotPicture&)> use)
{
    m_waiting.push_back(std::move(use));
    serveWaiting();
}

void GraphCanvas::serveWaiting()
{
    if (m_waiting.empty() || computing())
        return;
    // A curve whose automatic y the view could not take was drawn for other y than it shows.
    if (!drawnAsShown() && !m_askedShownYs) {
        requestCurve(true);
        return;
    }
    // At the screen's pixels: with twice the pixels of the layout, lines and text twice as wide.
    plot::PlotStyle style;
    style.scale = devicePixelRatioF();
    const plot::PlotPicture shown = picture(drawnSize(), style);
    for (const auto& use : std::exchange(m_waiting, {}))
        use(shown);
}

// The trace reads the shown curve that PageUp and PageDown chose: a pinned one, or the live one
// (nothing while its text is refused), named where several curves show.
void GraphCanvas::markTableRows(std::vector<float> xs)
{
    m_tableRows = std::move(xs);
    m_calc->markTableRows(m_tableRows);
    update();
}

std::vector<TableCurve> GraphCanvas::tableCurves() const
{
    std::vector<TableCurve> curves;
    if (!m_curve)
        return curves;
    const bool several = !m_curve->pinned.empty();
    const auto name = [&](const std::u16string& expression) {
        return several ? CurveSet::name(curves.size()) + QStringLiteral(" = ") + QString::fromStdU16String(expression)
                       : QStringLiteral("y");
    };
    for (const DrawnCurve& pinned : m_curve->pinned)
        curves.push_back({name(pinned.expression), pinned.postfix, pinned.degrees});
    if (m_curve->refusal.empty())
        curves.push_back({name(m_curve->expression), m_curve->postfix, m_curve->degrees});
    return curves;
}

void GraphCanvas::readTracedCurve()
{
    const bool refused = m_curve && !m_curve->refusal.empty();
    const std::size_t traced = m_curves.traced();
    if (m_curve && !m_curves.tracesLive() && traced < m_curve->pinned.size())
        m_trace.setExpression(m_curve->pinned[traced].postfix, m_curve->pinned[traced].degrees);
    else
        m_trace.setCurve(refused ? nullptr : m_curve.get());
    const bool several = m_curve && !m_curve->pinned.empty();
    m_trace.setName(several ? CurveSet::name(traced) : QString());
    std::vector<CurveCalculations::Reader> readers;
    if (m_curve) {
        for (const DrawnCurve& pinned : m_curve->pinned)
            readers.push_back({CurveSet::name(readers.size()), pinned.postfix, pinned.degrees});
        if (!refused)
            readers.push_back(
                {several ? CurveSet::name(readers.size()) : QString(), m_curve->postfix, m_curve->degrees});
    }
    m_calc->setCurves(std::move(readers), traced);
    m_calc->markTableRows(m_tableRows);
}

CurveCalculations::View GraphCanvas::searchView() const
{
    const QRectF f = frame();
    return {m_viewport.xs(), m_viewport.ys(), int(f.width()), int(f.height())};
}

void GraphCanvas::goToLevel(float c, int direction)
{
    if (!m_traceX || !m_trace.readable())
        return;
    CurveCalculations::Marks& marks = m_calc->marks();
    marks.level = c;
    marks.levelXs = m_calc->levelMarks(c, searchView());
    update();
    m_calc->level(c, *m_traceX, direction, searchView());
}

void GraphCanvas::foundPoint(std::optional<float> x, const QString& words)
{
    if (x)
        moveTrace(*x, true, words);
    else
        showReadout(words);
}

QString GraphCanvas::withSlope(const QString& readout)
{
    CurveCalculations::Marks& marks = m_calc->marks();
    marks.tangentAt.reset();
    if (!m_slopeShown || !m_traceX || !m_trace.readable())
        return readout;
    const Slope slope = m_calc->slope(*m_traceX);
    const Evaluation& reading = m_trace.reading();
    if (slope.outcome == Slope::Outcome::Value && reading.outcome == Evaluation::Outcome::Value) {
        marks.tangentAt = QPointF(*m_traceX, reading.value);
        marks.tangentSlope = slope.value;
    }
    return readout + QStringLiteral("; ") + m_calc->slopeWords(slope);
}

void GraphCanvas::pinLive()
{
    if (!m_curve || !m_curve->refusal.empty()) {
        emit viewNote(tr("Only a curve that is drawn can be pinned."));
        return;
    }
    if (!m_curves.pin(*m_inputs)) {
        emit viewNote(tr("The graph shows %1 curves at most.").arg(plot::MostCurves));
        return;
    }
    curvesChanged(true);
}

void GraphCanvas::setPinShown(std::size_t pin, bool shown)
{
    m_curves.setShown(pin, shown);
    curvesChanged(true);
}

void GraphCanvas::removePin(std::size_t pin)
{
    m_curves.remove(pin);
    curvesChanged(true);
}

// The curves or the traced one changed: a new drawing where the curves did, and the trace reads
// the traced curve at its x.
void GraphCanvas::curvesChanged(bool redraw)
{
    if (redraw)
        requestCurve();
    readTracedCurve();
    if (m_traceX && m_traced && m_trace.readable())
        moveTrace(*m_traceX, false);
    else if (!m_trace.readable())
        showReadout(QString());
    update();
    describe();
    emit curvesEdited();
}

QRectF GraphCanvas::frame() const
{
    return plot::pictureFrame(shownPicture());
}

void GraphCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const plot::PlotPicture shown = shownPicture();
    // Beyond the largest picture, the widget is background.
    if (width() > shown.size.width || height() > shown.size.height) {
        const QColor background(shown.style.colours.background);
        painter.fillRect(shown.size.width, 0, width() - shown.size.width, height(), background);
        painter.fillRect(0, shown.size.height, width(), height() - shown.size.height, background);
    }
    painter.save();
    plot::paintPicture(painter, shown);
    painter.restore();
    m_marks->paint(painter, shown);
}

void GraphCanvas::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void GraphCanvas::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void GraphCanvas::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The screen's picture follows the desktop's colours and font.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
}

void GraphCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRectF f = frame();
    m_viewport.setFrame(f.width(), f.height());
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

void GraphCanvas::keyPressEvent(QKeyEvent* event)
{
    if (!GraphKeys(*this).key(event))
        QWidget::keyPressEvent(event);
}

void GraphCanvas::resetView()
{
    m_navigator->home(m_inputs->degrees);
}

void GraphCanvas::contextMenuEvent(QContextMenuEvent* event)
{
    // A right button's press may begin a box: its menu comes with the release, where none was drawn.
    if (event->reason() != QContextMenuEvent::Mouse)
        emit menuAsked(mapToGlobal(frame().topLeft().toPoint() + QPoint(8, 8)));
    event->accept();
}

// The sweep that H asked for, once the drawing of the view as it is now has come: nothing for
// a refused expression or a curve without a value in view.
void GraphCanvas::sweepWhenDrawn()
{
    if (!m_sweepAsked || computing())
        return;
    m_sweepAsked = false;
    if (!m_curve->refusal.empty() || !m_curve->anyValue)
        return;
    SoundCurve sound{m_viewport.xs(), m_viewport.ys(), &m_curve->pieces, {}};
    for (const Feature& feature : m_curve->features)
        if (feature.kind == Feature::Kind::Zero)
            sound.zeros.push_back(feature.x);
    m_sound->playSweep(sound);
}

SoundPoint GraphCanvas::tracedSound()
{
    if (!m_traceX || !m_trace.readable())
        return soundAt(0.0, std::nullopt, m_viewport.xs(), m_viewport.ys());
    const Evaluation& reading = m_trace.reading();
    std::optional<double> y;
    if (reading.outcome == Evaluation::Outcome::Value)
        y = reading.value;
    return soundAt(*m_traceX, y, m_viewport.xs(), m_viewport.ys());
}

void GraphCanvas::traceTo(float x)
{
    if (m_trace.readable())
        moveTrace(x, true);
}

double GraphCanvas::pixelWidth() const
{
    const plot::Span& xs = m_viewport.xs();
    return (xs.to - xs.from) / frame().width();
}

void GraphCanvas::moveTrace(float x, bool scroll, const QString& words, std::optional<double> pixel)
{
    m_traced = true;
    const bool moving = m_traceX != x;
    m_traceX = x;
    m_tracePixel = pixel;
    m_trace.moveTo(x, pixel);
    const plot::Span& xs = m_viewport.xs();
    if (scroll && (x < xs.from || x > xs.to))
        moved(m_viewport.follow(x, drawnSize().width));
    if (moving && m_sound->toneOn())
        m_sound->traceMoved(tracedSound());
    if (!words.isEmpty()) {
        m_label = words;
        m_labelX = x;
        m_labelInputs = m_inputs;
    } else if (m_labelX != x || m_labelInputs != m_inputs) {
        m_label.clear();
    }
    update();
    showReadout(withSlope(m_label.isEmpty() ? m_trace.readout() : m_label));
}

void GraphCanvas::showReadout(const QString& readout)
{
    if (readout != m_readout) {
        m_readout = readout;
        emit readoutChanged(m_readout);
    }
}

void GraphCanvas::searchFor(FeatureSearch::Looking looking, int direction)
{
    const QRectF f = frame();
    const bool atFeature = !m_label.isEmpty() && m_labelX == m_traceX;
    m_trace.search(looking, direction, *m_traceX, atFeature, m_viewport.xs(), m_viewport.ys(), int(f.width()),
                   int(f.height()));
}

void GraphCanvas::foundFeature(const std::optional<Feature>& feature, const QString& words)
{
    if (feature) {
        moveTrace(feature->x, true, words);
        return;
    }
    showReadout(words);
}

void GraphCanvas::mousePressEvent(QMouseEvent* event)
{
    if (!m_navigator->press(event))
        return QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && !m_navigator->box())
        setCursor(Qt::ClosedHandCursor);
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (m_navigator->move(event))
        return;
    const QRectF f = frame();
    const plot::Span& xs = m_viewport.xs();
    if (event->buttons() == Qt::NoButton && m_trace.readable() && f.contains(event->position()))
        moveTrace(static_cast<float>(xs.from + (event->position().x() - f.left()) / f.width() * (xs.to - xs.from)),
                  false, QString(), pixelWidth());
    QWidget::mouseMoveEvent(event);
}

void GraphCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    // A right click, not a box: the menu.
    const std::optional<QRectF> box = m_navigator->box();
    if (event->button() == Qt::RightButton && box && box->width() < 4.0 && box->height() < 4.0)
        emit menuAsked(event->globalPosition().toPoint());
    if (!m_navigator->release(event))
        return QWidget::mouseReleaseEvent(event);
    unsetCursor();
}

void GraphCanvas::wheelEvent(QWheelEvent* event)
{
    if (!m_navigator->wheel(event))
        QWidget::wheelEvent(event);
}

bool GraphCanvas::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = m_marks->tip(help->pos(), frame());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    // A touchpad's pinch, where the platform sends it as a native gesture.
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture && gesture->value() > -1.0) {
            m_navigator->pinch(1.0 + gesture->value(), gesture->position());
            return true;
        }
    }
    return QWidget::event(event);
}

void GraphCanvas::describe()
{
    const GraphDescription description({m_numbers, m_viewport, m_curve, *m_inputs, m_curves, m_trace});
    setAccessibleName(description.name());
    setAccessibleDescription(description.description());
}

} // namespace pellitor::graph
