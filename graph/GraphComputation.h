// One drawing of the graph, computed away from the window: the expression checked, rewritten and
// translated as the Calculate command does it (its fault kept as a value, no box shown), compiled,
// sampled over the view and broken into pieces as pellitor-calc's picture is, and the parameter's
// x with the y the report gives for it.
#pragma once

#include "CurveReading.h"
#include "PlotSamples.h"
#include "PlotSpan.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pellitor::graph {

// What the graph draws from: the three inputs of the main window.
struct GraphInputs {
    QString expression;
    QString parameter;
    bool degrees = false;
};

struct GraphRequest {
    GraphInputs inputs;
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
    std::vector<std::vector<plot::Point>> pieces;
    std::u16string postfix;        // what the window reads the curve with, exactly as the report
    std::vector<Feature> features; // the zeros, extrema and breaks in view
    // The parameter's x when it reads as a number and lies in view, with the report's y there
    // (nothing where the report has no value for it).
    std::optional<float> markerX;
    std::optional<float> markerY;
};

// Thrown out of computeGraph when superseded() says a newer request waits.
struct Superseded {};

// Computes the drawing of request; superseded is asked between evaluations.
GraphCurve computeGraph(const GraphRequest& request, const std::function<bool()>& superseded);

} // namespace pellitor::graph
