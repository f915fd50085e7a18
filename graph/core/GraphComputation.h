// One drawing of the graph, computed away from the window: the expression checked, rewritten and
// translated as the Calculate command does it (its refusal kept as a value, no box shown),
// compiled, sampled over the view and broken into pieces as pellitor-calc's picture is, and the
// parameter's x with the y the report gives for it.
#pragma once

#include "CurveReading.h"
#include "PlotSamples.h"
#include "PlotSpan.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace pellitor::graph {

// The zeros, minima and maxima that a drawing pins down to neighbouring 32-bit x: as many of each
// as a description names.
inline constexpr std::size_t NamedFeatures = 10;

// What the graph draws from: the three inputs of the main window.
struct GraphInputs {
    std::u16string expression;
    std::u16string parameter;
    bool degrees = false;
};

// A curve kept beside the live one ("pinned"): its expression and angle unit, and its colour.
struct PinnedCurve {
    std::shared_ptr<const GraphInputs> inputs; // the parameter is not read
    std::size_t colour = 0;
};

// A pinned curve as drawn: what the trace reads it with, and its pieces.
struct DrawnCurve {
    std::u16string expression; // as the report's first line shows it
    std::u16string postfix;
    bool degrees = false;
    std::size_t colour = 0;
    bool anyValue = false;
    plot::Pieces pieces;
};

struct GraphRequest {
    // Shared by the requests of one set of inputs: a long expression is not copied for each view.
    std::shared_ptr<const GraphInputs> inputs;
    // The pinned curves shown, drawn under the live one, the y range taking them all in.
    std::vector<PinnedCurve> pinned;
    plot::Span xs;
    std::optional<plot::Span> ys; // nothing: the automatic range of the curve
    plot::Size size;
    std::uint64_t serial = 0; // given back with the drawing
};

struct GraphCurve {
    std::uint64_t serial = 0; // the request's
    // The check's or the translator's message, as the engine writes it ("Character 5:  Operand
    // expected"); empty when the expression translated, and then the fields below hold the curve.
    std::u16string refusal;
    std::u16string expression; // as the report's first line shows it
    bool degrees = false;
    plot::Span xs;
    plot::Span ys; // as asked, or the automatic range; the asked one when no value
    plot::Size size;
    bool anyValue = false; // whether some sample in view has a value
    plot::Pieces pieces;
    std::u16string postfix;        // what the window reads the curve with, exactly as the report
    std::vector<Feature> features; // the zeros, extrema and breaks in view
    // The parameter's x when it reads as a number and lies in view, with the report's y there
    // (nothing where the report has no value for it).
    std::optional<float> markerX;
    std::optional<float> markerY;
    // The pinned curves, as asked, also while the live expression is refused.
    std::vector<DrawnCurve> pinned;
};

// Computes the drawing of request; nothing when a stop was requested through stop, which the
// computation looks at between blocks of evaluations.
std::optional<GraphCurve> computeGraph(const GraphRequest& request, std::stop_token stop = {});

} // namespace pellitor::graph
