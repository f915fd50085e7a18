// The graph's drawing from its three inputs.
#include "GraphComputation.h"

#include "CalculateCommand.h"
#include "Cls6.h"
#include "CompiledPostfix.h"
#include "Der.h"
#include "PlotCurve.h"

namespace pellitor::graph {

namespace {
// Takes the messages of the parameter's check, which the graph does not show.
class Ignored final : public MessageSink {
public:
    void showMessage(const std::u16string&, const std::u16string&, std::int32_t) override {}
};

// The refusal, or nothing with postfix holding the postfix text.
std::optional<std::u16string> translate(const std::u16string& cleaned, std::u16string& postfix)
{
    if (const std::optional<SyntaxFault> fault = Cls6::translate(Der::InsertMultiplication(cleaned), postfix))
        return fault->boxText();
    return std::nullopt;
}

void markParameter(const GraphRequest& request, const std::u16string& postfix, GraphCurve& curve)
{
    Ignored ignored;
    const std::optional<float> x = CalculateCommand::readParameter(request.inputs.parameter.toStdU16String(), ignored);
    if (!x || *x < request.xs.from || *x > request.xs.to)
        return;
    curve.markerX = *x;
    Cls6 engine;
    const CalculateCommand::Evaluation result = CalculateCommand::evaluate(engine, postfix,
                                                                           request.inputs.degrees ? True : False, *x);
    if (result.outcome == CalculateCommand::Outcome::Value)
        curve.markerY = result.sngResult;
}
} // namespace

GraphCurve computeGraph(const GraphRequest& request, const std::function<bool()>& superseded)
{
    GraphCurve curve;
    curve.serial = request.serial;
    curve.degrees = request.inputs.degrees;
    curve.xs = request.xs;
    curve.ys = request.ys.value_or(plot::Span{});
    curve.size = request.size;

    if (!Der::CheckExpression(request.inputs.expression.toStdU16String(), curve.expression)) {
        curve.refusal = u"The expression is illegal.";
        return curve;
    }
    std::u16string postfix;
    if (std::optional<std::u16string> refusal = translate(curve.expression, postfix)) {
        curve.refusal = std::move(*refusal);
        return curve;
    }

    // Failures, raised errors and no value all leave a gap in the curve, as in pellitor-calc's.
    CompiledPostfix compiled(postfix, request.inputs.degrees ? True : False);
    const ValueAt value = [&](float x) -> std::optional<float> {
        if (superseded())
            throw Superseded{};
        return CalculateCommand::valueAt(compiled, x);
    };
    const plot::Curve values = [&value](float x) -> std::optional<double> { return value(x); };
    const plot::Curves blocks = [&](std::span<const float> xs, std::span<std::optional<double>> ys) {
        if (superseded())
            throw Superseded{};
        CalculateCommand::valuesAt(compiled, xs, ys);
    };
    plot::CurveShape shape = plot::shapeCurve(values, blocks, request.xs, request.ys, request.size);
    curve.anyValue = shape.ys.has_value();
    if (shape.ys)
        curve.ys = *shape.ys;
    curve.pieces = std::move(shape.pieces);
    if (curve.anyValue)
        curve.features = featuresOf(curve.pieces, value, curve.ys, request.size.height);
    markParameter(request, postfix, curve);
    curve.postfix = std::move(postfix);
    return curve;
}

} // namespace pellitor::graph
