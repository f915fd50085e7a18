// What assistive tools are told of the graph: its name, with the expression, and its description,
// with the view, each curve where several show and which one the trace reads, and the zeros,
// extrema and breaks in view.
#pragma once

#include "CurveSet.h"
#include "GraphComputation.h"
#include "GraphTrace.h"
#include "GraphViewport.h"
#include "NumberText.h"

#include <QString>

#include <memory>

namespace pellitor::graph {

class GraphDescription {
public:
    // What the graph shows: the canvas's own, read once.
    struct Sources {
        const platform::NumberText& numbers;
        const GraphViewport& viewport;
        const std::shared_ptr<const GraphCurve>& curve; // the latest drawing
        const GraphInputs& inputs;
        const CurveSet& curves;
        const GraphTrace& trace;
    };

    explicit GraphDescription(const Sources& sources);

    // The accessible name: "Graph of y=" and the expression.
    QString name() const;
    // The accessible description: the view, the curves and the features in view.
    QString description() const;

private:
    QString featureSummary() const;
    QString curvesSummary() const;

    const platform::NumberText& m_numbers;
    const GraphViewport& m_viewport;
    const std::shared_ptr<const GraphCurve>& m_curve;
    const GraphInputs& m_inputs;
    const CurveSet& m_curves;
    const GraphTrace& m_trace;
};

} // namespace pellitor::graph
