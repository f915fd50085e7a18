// The graph's picture as the canvas shows it: the view, the latest curve (or, while the text is
// refused, the last one drawn, dimmed) and the pinned curves, titled as pellitor-calc titles its
// picture, in the desktop's colours and font or in a style given, at the canvas's size within the
// sides that pellitor-calc draws.
#pragma once

#include "CurveSet.h"
#include "GraphComputation.h"
#include "GraphViewport.h"
#include "NumberText.h"
#include "PlotPicture.h"

#include <memory>
#include <string>

class QWidget;

namespace pellitor::graph {

class GraphPicture {
public:
    // What the picture is made of: the canvas and parts of it that live as long as it does.
    struct Sources {
        const QWidget& canvas; // its size, screen, palette and font
        const platform::NumberText& numbers;
        const GraphViewport& viewport;
        const CurveSet& curves;
        const std::shared_ptr<const GraphInputs>& inputs;
        const std::shared_ptr<const GraphCurve>& curve; // the latest drawing
        const std::shared_ptr<const GraphCurve>& drawn; // the latest that was drawn
    };

    explicit GraphPicture(const Sources& sources);

    plot::PlotPicture picture(const plot::Size& size, const plot::PlotStyle& style) const;
    plot::PlotStyle screenStyle() const;
    plot::Size pictureSize() const;
    plot::Size drawnSize() const;

private:
    // The curve that shows: the latest, or while the text is refused the last one drawn.
    const std::shared_ptr<const GraphCurve>& shownCurve() const;
    std::u16string title() const;

    const QWidget& m_canvas;
    const platform::NumberText& m_numbers;
    const GraphViewport& m_viewport;
    const CurveSet& m_curves;
    const std::shared_ptr<const GraphInputs>& m_inputs;
    const std::shared_ptr<const GraphCurve>& m_curve;
    const std::shared_ptr<const GraphCurve>& m_drawn;
};

} // namespace pellitor::graph
