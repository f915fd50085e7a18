// The marks painted over the graph's picture, and what they are where the pointer rests on one:
// the parameter's dot, the traced point's ring (or the dashed line of its x), the calculations'
// marks, the box being drawn for a zoom and the focus frame. They are read from the canvas's own
// state each time they are painted or asked for.
#pragma once

#include "CurveCalculations.h"
#include "CurveSet.h"
#include "GraphComputation.h"
#include "GraphTrace.h"
#include "GraphViewport.h"
#include "NumberText.h"
#include "PlotPicture.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>

class QPainter;
class QWidget;

namespace pellitor::graph {

class ViewNavigator;

class GraphMarks {
public:
    // What the marks are drawn from: the canvas and parts of it that live as long as it does.
    struct Sources {
        const QWidget& canvas; // its palette, focus and rectangle
        const platform::NumberText& numbers;
        const GraphViewport& viewport;
        const std::shared_ptr<const GraphCurve>& curve; // the latest drawing
        const CurveSet& curves;
        const CurveCalculations& calc;
        const ViewNavigator& navigator;
        const GraphTrace& trace;
        const std::optional<float>& traceX;
        const bool& traced; // whether the user has traced
        const QString& readout;
    };

    explicit GraphMarks(const Sources& sources);

    // Paints every mark over shown, the picture as it shows.
    void paint(QPainter& painter, const plot::PlotPicture& shown) const;
    // The words for the mark at at, where the picture's frame is frame; "" where there is none.
    QString tip(const QPointF& at, const QRectF& frame) const;
    // Whether the trace shows as the dashed line: its x is in view, the curve has no point there.
    bool traceIsALine(const QRectF& frame) const
    {
        const std::optional<TraceMark> mark = traceMark(frame);
        return mark && !mark->down;
    }

private:
    // Where the parameter's dot lies in the frame, where it shows.
    std::optional<QPointF> markerPoint(const QRectF& frame) const;
    // Where the trace shows: its x across the frame, and its ring's height where the curve has a
    // point there in view (else a dashed line); nothing when nothing is traced in view.
    struct TraceMark {
        double across;
        std::optional<double> down;
    };
    std::optional<TraceMark> traceMark(const QRectF& frame) const;
    void paintMarker(QPainter& painter, const QRectF& frame, const plot::PlotColours& colours) const;
    void paintTrace(QPainter& painter, const QRectF& frame, const plot::PlotColours& colours) const;
    void paintBox(QPainter& painter) const;
    void paintCalculations(QPainter& painter, const QRectF& frame, const plot::PlotPicture& shown) const;
    void paintFocus(QPainter& painter) const;

    const QWidget& m_canvas;
    const platform::NumberText& m_numbers;
    const GraphViewport& m_viewport;
    const std::shared_ptr<const GraphCurve>& m_curve;
    const CurveSet& m_curves;
    const CurveCalculations& m_calc;
    const ViewNavigator& m_navigator;
    const GraphTrace& m_trace;
    const std::optional<float>& m_traceX;
    const bool& m_traced;
    const QString& m_readout;
};

} // namespace pellitor::graph
