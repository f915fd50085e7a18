// The graph's drawing from its three inputs.
#include "GraphComputation.h"

#include "Evaluation.h"
#include "PlotCurve.h"

namespace pellitor::graph {

namespace {
void markParameter(const GraphRequest& request, const std::u16string& postfix, GraphCurve& curve)
{
    std::u16string refusal; // the graph shows no word on the parameter
    const std::optional<float> x = readParameter(request.inputs->parameter, refusal);
    if (!x || *x < request.xs.from || *x > request.xs.to)
        return;
    curve.markerX = *x;
    Cls6 engine;
    const Evaluation result = evaluate(engine, postfix, request.inputs->degrees, *x);
    if (result.outcome == Evaluation::Outcome::Value)
        curve.markerY = result.value;
}
} // namespace

std::optional<GraphCurve> computeGraph(const GraphRequest& request, std::stop_token stop)
{
    GraphCurve curve;
    curve.serial = request.serial;
    curve.degrees = request.inputs->degrees;
    curve.xs = request.xs;
    curve.ys = request.ys.value_or(plot::Span{});
    curve.size = request.size;

    std::optional<Translation> translation = translate(request.inputs->expression, curve.refusal);
    if (!translation)
        return curve;
    curve.expression = std::move(translation->expression);
    std::u16string postfix = std::move(translation->postfix);

    // Failures, raised errors and no value all leave a gap in the curve, as in pellitor-calc's.
    CompiledPostfix compiled(postfix, request.inputs->degrees);
    const ValueAt value = [&compiled](float x) { return valueAt(compiled, x); };
    const plot::Curves blocks = [&compiled](std::span<const float> xs, std::span<std::optional<double>> ys) {
        valuesAt(compiled, xs, ys);
    };
    plot::CurveShape shape = plot::shapeCurve(blocks, request.xs, request.ys, request.size, stop);
    curve.anyValue = shape.ys.has_value();
    if (shape.ys)
        curve.ys = *shape.ys;
    curve.pieces = std::move(shape.pieces);
    if (curve.anyValue)
        curve.features = featuresOf(curve.pieces, value, curve.ys, request.size.height, NamedFeatures, stop);
    if (stop.stop_requested())
        return std::nullopt;
    markParameter(request, postfix, curve);
    curve.postfix = std::move(postfix);
    return curve;
}

} // namespace pellitor::graph
