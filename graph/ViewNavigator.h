// The moves of the graph's view by the pointer, the wheel, a touchpad's pinch, the keyboard and the
// window's menu: pan, zoom about a point (both axes, or with Shift x alone and with Ctrl y alone),
// zoom to a box drawn with the right button or with Shift and the left, Back and Forward through
// the views made, and the first view, a fit of y, a typed range and equal scales.
#pragma once

#include "GraphViewport.h"
#include "ViewHistory.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <optional>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace pellitor::graph {

class ViewNavigator : public QObject {
    Q_OBJECT
public:
    // The frame of the picture as it shows and the width of the picture that samples the view.
    using Frame = std::function<QRectF()>;
    using Columns = std::function<int()>;

    ViewNavigator(GraphViewport& viewport, Frame frame, Columns columns, QObject* parent = nullptr);

    // The view's keys and the pointer's events; false for those they leave alone.
    bool key(const QKeyEvent* event);
    bool press(const QMouseEvent* event);
    bool move(const QMouseEvent* event);
    bool release(const QMouseEvent* event);
    bool wheel(const QWheelEvent* event);
    void pinch(double factor, const QPointF& at);
    // Whether the pointer drags the view or a box, or it was a plain right click.
    bool dragging() const { return m_panFrom || m_boxFrom; }
    // The box being drawn, in the widget's coordinates.
    std::optional<QRectF> box() const;

    void zoomIn();
    void zoomOut();
    void home(bool degrees);
    void fitY();
    void back();
    void forward();
    bool canGoBack() const { return m_history.canGoBack(); }
    bool canGoForward() const { return m_history.canGoForward(); }
    GraphViewport::Move showRange(const plot::Span& xs, const plot::Span& ys);
    void setEqualScales(bool on);

signals:
    // The view moved (Done), or a move was refused and why.
    void moved(GraphViewport::Move move);
    // The box's rectangle changed or it ended: a repaint.
    void boxChanged();

private:
    // Records the view that a move leaves, and reports the move.
    void made(const View& before, GraphViewport::Move move);
    void zoomAt(double factorX, double factorY, const QPointF& at);
    void endBox(bool zoom);

    GraphViewport& m_viewport;
    Frame m_frame;
    Columns m_columns;
    ViewHistory m_history;
    std::optional<QPointF> m_panFrom;
    std::optional<View> m_panStart; // the view a drag leaves, recorded once it moves
    std::optional<QPointF> m_boxFrom;
    QPointF m_boxTo;
    QElapsedTimer m_lastWheel; // a run of notches is one step back
};

} // namespace pellitor::graph
