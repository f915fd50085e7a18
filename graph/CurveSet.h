// The curves the graph shows besides the live one: expressions pinned with their angle unit, each
// shown or hidden, and which shown curve the trace reads. The shown curves are numbered and
// coloured in order, the pinned ones first and the live one last ("y1", "y2", ...), as
// pellitor-calc numbers and colours its EXPRESSION operands, so that a saved picture is its own.
#pragma once

#include "GraphComputation.h"
#include "PlotPicture.h"

#include <QString>

#include <memory>
#include <vector>

namespace pellitor::graph {

class CurveSet {
public:
    struct Pin {
        std::shared_ptr<const GraphInputs> inputs; // the expression and the angle unit
        bool shown = true;
    };

    // Keeps live's expression and angle unit as a curve of the graph; false where the graph shows
    // as many curves as it can already.
    bool pin(const GraphInputs& live);
    void setShown(std::size_t pin, bool shown);
    void remove(std::size_t pin);
    const std::vector<Pin>& pins() const { return m_pins; }
    std::size_t shownPins() const;

    // The shown pinned curves for a drawing, in order.
    std::vector<PinnedCurve> request() const;
    // The picture's further curves and the live curve's colour and label, for a drawing that has
    // pinned, with live's expression (empty where the live text is refused).
    void fill(plot::PlotPicture& picture, const std::shared_ptr<const GraphCurve>& drawing,
              const std::u16string& live) const;

    // The shown curve the trace reads: a pinned one by its place among them, or the live one
    // (shownPins()); PageUp and PageDown step through them.
    std::size_t traced() const { return std::min(m_traced, shownPins()); }
    void step(int direction);
    bool tracesLive() const { return traced() == shownPins(); }
    // "y2", the name of the n-th shown curve (from 0).
    static QString name(std::size_t n) { return QStringLiteral("y%1").arg(n + 1); }

private:
    std::vector<Pin> m_pins;
    std::size_t m_traced = SIZE_MAX; // the live one
};

} // namespace pellitor::graph
