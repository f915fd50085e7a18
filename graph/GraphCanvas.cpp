// The graph's widget: painting, the moves of the view, and what assistive tools are told.
#include "GraphCanvas.h"

#include "GraphAccessible.h"
#include "MiddleEllipsis.h"
#include "PlotCurve.h"
#include "PlotPainter.h"
#include "ViewNavigator.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace pellitor::graph {

namespace {
// An accessible name quotes at most this much of the expression, shortened in the middle.
constexpr int LongestNamedExpression = 200;
// The trace's ring, apart from the curve's blue.
constexpr QRgb TraceColour = 0xffc0392b;
// The focus frame's width.
constexpr double FocusWidth = 2.0;
} // namespace

GraphCanvas::GraphCanvas(const platform::NumberText& numbers, GraphTrace::MessageTranslator translateMessage,
                         QWidget* parent)
    : QWidget(parent), m_numbers(numbers), m_trace(numbers, std::move(translateMessage)), m_sound(new GraphSound(this)),
      m_worker([this](std::shared_ptr<const GraphCurve> curve) {
          // From the worker's thread to this widget's; the thread has ended before this is gone.
          QMetaObject::invokeMethod(
              this, [this, finished = std::move(curve)]() mutable { received(std::move(finished)); },
              Qt::QueuedConnection);
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

const std::shared_ptr<const GraphCurve>& GraphCanvas::shownCurve() const
{
    return m_curve && m_curve->refusal.empty() ? m_curve : m_drawn;
}

std::u16string GraphCanvas::title() const
{
    // The painter shows no more than LongestTitle characters of it.
    const GraphCurve* shown = shownCurve().get();
    const std::u16string_view expression = shown ? std::u16string_view(shown->expression) : m_inputs->expression;
    return plot::pictureTitle(expression.substr(0, std::min(expression.size(), plot::LongestTitle)),
                              shown ? shown->degrees : m_inputs->degrees);
}

plot::PlotStyle GraphCanvas::screenStyle() const
{
    plot::PlotStyle style;
    style.colours = plot::coloursOn(palette().color(QPalette::Base).rgb(), palette().color(QPalette::Text).rgb());
    style.fontFamily = font().family().toStdString();
    style.labelPixels = QFontInfo(font()).pixelSize();
    return style;
}

plot::PlotPicture GraphCanvas::picture(const plot::Size& size, const plot::PlotStyle& style) const
{
    plot::PlotPicture picture;
    picture.style = style;
    picture.title = title();
    picture.xs = m_viewport.xs();
    picture.ys = m_viewport.ys();
    picture.size = size;
    picture.numbers = &m_numbers;
    if (const std::shared_ptr<const GraphCurve>& shown = shownCurve()) {
        picture.pieces = std::shared_ptr<const plot::Pieces>(shown, &shown->pieces);
        picture.dimmed = shown != m_curve;
        m_curves.fill(picture, m_curve, shown->expression);
    }
    return picture;
}

// The trace reads the shown curve that PageUp and PageDown chose: a pinned one, or the live one
// (nothing while its text is refused), named where several curves show.
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
}

CurveCalculations::View GraphCanvas::searchView() const
{
    const QRectF f = frame();
    return {m_viewport.xs(), m_viewport.ys(), int(f.width()), int(f.height())};
}

bool GraphCanvas::calculationKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier || !m_traceX || !m_trace.readable())
        return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    CurveCalculations::Marks& marks = m_calc->marks();
    switch (event->key()) {
    case Qt::Key_I: m_calc->intersection(*m_traceX, shift ? -1 : 1, searchView()); return true;
    case Qt::Key_T:
        if (shift)
            return false;
        m_slopeShown = !m_slopeShown;
        moveTrace(*m_traceX, false, m_label, m_tracePixel);
        return true;
    case Qt::Key_A:
        if (shift)
            return false;
        marks.areaStart = *m_traceX;
        marks.area.reset();
        showReadout(
            tr("From x = %1: move the trace to the other end and press B.").arg(m_trace.numbers().x(*m_traceX)));
        update();
        return true;
    case Qt::Key_B: {
        if (shift || !marks.areaStart) {
            if (!shift)
                showReadout(tr("Press A at one end of the area first."));
            return !shift;
        }
        const double from = *std::exchange(marks.areaStart, std::nullopt);
        const Area area = m_calc->area(from, *m_traceX);
        marks.area = std::pair(from, double(*m_traceX));
        m_label = m_calc->areaWords(from, *m_traceX, area);
        m_labelX = m_traceX;
        m_labelInputs = m_inputs;
        showReadout(m_label);
        update();
        return true;
    }
    default: return false;
    }
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

bool GraphCanvas::curveKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool pinned = !m_curves.tracesLive();
    if (event->key() == Qt::Key_D && modifiers == Qt::ControlModifier) {
        pinLive();
    } else if ((event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) && modifiers == Qt::NoModifier) {
        m_curves.step(event->key() == Qt::Key_PageUp ? 1 : -1);
        curvesChanged(false);
    } else if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier && pinned) {
        removePin(pinIndex(m_curves.traced()));
    } else if (event->key() == Qt::Key_H && modifiers == Qt::ControlModifier && pinned) {
        setPinShown(pinIndex(m_curves.traced()), false);
    } else {
        return false;
    }
    return true;
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

std::size_t GraphCanvas::pinIndex(std::size_t shown) const
{
    const std::vector<CurveSet::Pin>& pins = m_curves.pins();
    for (std::size_t i = 0, n = 0; i < pins.size(); ++i) {
        if (pins[i].shown && n++ == shown)
            return i;
    }
    return pins.size();
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

plot::Size GraphCanvas::pictureSize() const
{
    const int most = static_cast<int>(plot::MaxSide / devicePixelRatioF());
    return {std::clamp(width(), plot::MinSide, most), std::clamp(height(), plot::MinSide, most)};
}

plot::Size GraphCanvas::drawnSize() const
{
    const double scale = devicePixelRatioF();
    const plot::Size logical = pictureSize();
    return {std::clamp(int(std::lround(logical.width * scale)), plot::MinSide, plot::MaxSide),
            std::clamp(int(std::lround(logical.height * scale)), plot::MinSide, plot::MaxSide)};
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
void GraphCanvas::paintFocus(QPainter& painter) const
{
    if (!hasFocus())
        return;
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(FocusWidth / 2, FocusWidth / 2, -FocusWidth / 2, -FocusWidth / 2));
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

// The marks of the calculations on the traced curve, in its colour.
void GraphCanvas::paintCalculations(QPainter& painter, const QRectF& frame, const plot::PlotPicture& shown) const
{
    if (!m_curve)
        return;
    const std::size_t traced = m_curves.traced();
    const bool live = traced >= m_curve->pinned.size();
    if (live && !m_curve->refusal.empty())
        return;
    const plot::Pieces* pieces = live ? &m_curve->pieces : &m_curve->pinned[traced].pieces;
    const QColor colour(plot::curveColour(shown.style.colours, live ? shown.colour : traced));
    m_calc->paint(painter, frame, m_viewport.xs(), m_viewport.ys(), pieces, colour);
}

// The box being drawn for a zoom: a dashed outline over a light veil of the highlight colour.
void GraphCanvas::paintBox(QPainter& painter) const
{
    const std::optional<QRectF> box = m_navigator->box();
    if (!box)
        return;
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor veil = palette().color(QPalette::Highlight);
    veil.setAlpha(48);
    painter.fillRect(*box, veil);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box->adjusted(0.5, 0.5, -0.5, -0.5));
}

// The traced point: a ring on the curve, and a thin line at its x where it has no y in view.
std::optional<GraphCanvas::TraceMark> GraphCanvas::traceMark(const QRectF& frame) const
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

void GraphCanvas::paintTrace(QPainter& painter, const QRectF& frame, const plot::PlotColours& colours)
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
QString GraphCanvas::markTip(const QPointF& at) const
{
    constexpr double Near = 8.0;
    const QRectF f = frame();
    if (const std::optional<QPointF> marker = markerPoint(f); marker && QLineF(*marker, at).length() <= Near)
        return tr("The parameter's x, with the y of the report: x = %1; y = %2")
            .arg(m_trace.numbers().x(*m_curve->markerX), m_trace.numbers().y(*m_curve->markerY));
    const std::optional<TraceMark> mark = traceMark(f);
    if (!mark)
        return {};
    if (mark->down && QLineF(QPointF(mark->across, *mark->down), at).length() <= Near)
        return tr("The traced point: %1").arg(m_readout);
    if (!mark->down && std::fabs(at.x() - mark->across) <= Near / 2 && f.contains(at))
        return tr("The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view");
    return {};
}

// The parameter's x on the curve, with the y the report gives there.
std::optional<QPointF> GraphCanvas::markerPoint(const QRectF& frame) const
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

void GraphCanvas::paintMarker(QPainter& painter, const QRectF& frame, const plot::PlotColours& colours) const
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
    if (soundKey(event) || curveKey(event) || calculationKey(event) || traceKey(event) || m_navigator->key(event))
        return;
    // The Menu key and Shift+F10 open the context menu under the trace's point, or the frame's top left.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
        || (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        emit menuAsked(mapToGlobal(frame().topLeft().toPoint() + QPoint(8, 8)));
        return;
    }
    if (event->key() == Qt::Key_Home && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        resetView();
    else
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
        emit menuAsked(event->globalPos());
    event->accept();
}

bool GraphCanvas::traceKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier || !m_traceX || !m_trace.readable())
        return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    const int direction = shift ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int towards = event->key() == Qt::Key_Right ? 1 : -1;
        // A pixel column, or with Shift the neighbouring 32-bit x: the finest step there is.
        float x = nextSingle(*m_traceX, towards);
        std::optional<double> pixel;
        if (!shift) {
            const float column = static_cast<float>(*m_traceX + towards * pixelWidth());
            if (towards * (column - *m_traceX) > 0.0f) {
                x = column;
                pixel = pixelWidth();
            }
        }
        if (std::isfinite(x))
            moveTrace(x, true, QString(), pixel);
        return true;
    }
    case Qt::Key_Z: searchFor(FeatureSearch::Looking::Zero, direction); return true;
    case Qt::Key_E: searchFor(FeatureSearch::Looking::Extremum, direction); return true;
    case Qt::Key_P: searchFor(FeatureSearch::Looking::Break, direction); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit traceChosen(*m_traceX); return true;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && QStringLiteral("0123456789-.,").contains(text.front())) {
        emit typingX(text);
        return true;
    }
    // "y=" and a height: the next x where the curve reaches it.
    if (event->key() == Qt::Key_Y) {
        emit typingX(QStringLiteral("y="));
        return true;
    }
    return false;
}

// H sweeps the curve in view, Shift+H turns the traced point's tone on or off.
bool GraphCanvas::soundKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() != Qt::Key_H || (modifiers & ~Qt::ShiftModifier) != Qt::NoModifier)
        return false;
    if (!(modifiers & Qt::ShiftModifier)) {
        m_sweepAsked = true;
        sweepWhenDrawn();
    } else if (m_sound->toneOn() || (m_traceX && m_trace.readable())) {
        m_sound->toggleTone(tracedSound());
    }
    return true;
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
        const QString tip = markTip(help->pos());
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
    const QStringView expression = m_curve && m_curve->refusal.empty() ? QStringView(m_curve->expression)
                                                                       : QStringView(m_inputs->expression);
    setAccessibleName(tr("Graph of y=%1").arg(shortenedInTheMiddle(expression, LongestNamedExpression)));
    const auto number = [this](double value) {
        return QString::fromStdU16String(m_numbers.general(static_cast<float>(value)));
    };
    setAccessibleDescription(tr("x from %1 to %2; y from %3 to %4")
                                 .arg(number(m_viewport.xs().from), number(m_viewport.xs().to),
                                      number(m_viewport.ys().from), number(m_viewport.ys().to))
                             + curvesSummary() + featureSummary());
}

// Where several curves show, each by its name and expression, and which the trace reads.
QString GraphCanvas::curvesSummary() const
{
    if (!m_curve || m_curve->pinned.empty())
        return {};
    QStringList named;
    for (const DrawnCurve& pinned : m_curve->pinned)
        named << CurveSet::name(named.size()) + QStringLiteral(" = ")
                     + shortenedInTheMiddle(pinned.expression, LongestNamedExpression);
    if (m_curve->refusal.empty())
        named << CurveSet::name(named.size()) + QStringLiteral(" = ")
                     + shortenedInTheMiddle(m_curve->expression, LongestNamedExpression);
    return QStringLiteral(". ")
           + tr("Curves: %1; the trace reads %2")
                 .arg(named.join(QStringLiteral("; ")), CurveSet::name(m_curves.traced()));
}

// The zeros, extrema and breaks of the curve in view, ten of each kind at most.
QString GraphCanvas::featureSummary() const
{
    if (!m_curve || !m_curve->refusal.empty())
        return {};
    const plot::Span& xs = m_viewport.xs();
    const auto list = [&](std::initializer_list<Feature::Kind> kinds, const QString& heading) {
        QStringList named;
        std::size_t more = 0;
        for (const Feature& feature : m_curve->features) {
            if (std::find(kinds.begin(), kinds.end(), feature.kind) == kinds.end() || feature.x < xs.from
                || feature.x > xs.to)
                continue;
            if (named.size() < qsizetype(NamedFeatures))
                named << m_trace.numbers().x(feature.x);
            else
                ++more;
        }
        if (named.isEmpty())
            return QString();
        QString text = QStringLiteral(". ") + heading.arg(named.join(QStringLiteral("; ")));
        if (more > 0)
            text += QStringLiteral(" ") + tr("and %1 more").arg(more);
        return text;
    };
    return list({Feature::Kind::Zero}, tr("Zeros at x = %1")) + list({Feature::Kind::Minimum}, tr("Minima at x = %1"))
           + list({Feature::Kind::Maximum}, tr("Maxima at x = %1"))
           + list({Feature::Kind::Pole, Feature::Kind::Gap, Feature::Kind::Jump},
                  tr("Poles, gaps and jumps near x = %1"));
}

} // namespace pellitor::graph
