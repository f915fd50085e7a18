// The graph's drawing from its three inputs.
#include "GraphComputation.h"

#include "Evaluation.h"
#include "PlotCurve.h"

#include <memory>

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

    // Every curve checked and translated as the Calculate command does; a pinned one that no longer
    // translates is left out. Failures, raised errors and no value all leave a gap in a curve.
    std::optional<Translation> translation = translate(request.inputs->expression, curve.refusal);
    std::vector<std::unique_ptr<CompiledPostfix>> compiled;
    std::vector<plot::Curves> blocks;
    const auto take = [&](const std::u16string& postfix, bool degrees) {
        compiled.push_back(std::make_unique<CompiledPostfix>(postfix, degrees));
        blocks.push_back(
            [&evaluator = *compiled.back()](std::span<const float> xs, std::span<std::optional<double>> ys) {
                valuesAt(evaluator, xs, ys);
            });
    };
    for (const PinnedCurve& pinned : request.pinned) {
        std::u16string refusal;
        std::optional<Translation> kept = translate(pinned.inputs->expression, refusal);
        if (!kept)
            continue;
        curve.pinned.push_back(
            {std::move(kept->expression), std::move(kept->postfix), pinned.inputs->degrees, pinned.colour, false, {}});
        take(curve.pinned.back().postfix, pinned.inputs->degrees);
    }
    if (translation)
        take(translation->postfix, request.inputs->degrees);
    std::vector<plot::CurveShape> shapes = plot::shapeCurves(blocks, request.xs, request.ys, request.size, stop);
    for (std::size_t i = 0; i < curve.pinned.size(); ++i) {
        curve.pinned[i].anyValue = shapes[i].ys.has_value();
        curve.pinned[i].pieces = std::move(shapes[i].pieces);
        if (shapes[i].ys)
            curve.ys = *shapes[i].ys;
    }
    if (!translation)
        return stop.stop_requested() ? std::nullopt : std::optional(std::move(curve));
    curve.expression = std::move(translation->expression);
    std::u16string postfix = std::move(translation->postfix);
    plot::CurveShape& shape = shapes.back();
    curve.anyValue = shape.ys.has_value();
    if (shape.ys)
        curve.ys = *shape.ys;
    curve.pieces = std::move(shape.pieces);
    CompiledPostfix& live = *compiled.back();
    const ValueAt value = [&live](float x) { return valueAt(live, x); };
    if (curve.anyValue)
        curve.features = featuresOf(curve.pieces, value, curve.ys, request.size.height, NamedFeatures, stop);
    if (stop.stop_requested())
        return std::nullopt;
    markParameter(request, postfix, curve);
    curve.postfix = std::move(postfix);
    return curve;
}

} // namespace pellitor::graph
