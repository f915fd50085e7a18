// The parameter, the translation and the evaluations, judged as the report judges them.
#include "Evaluation.h"

#include "Der.h"
#include "EngineError.h"
#include "NumberReader.h"

#include <bit>

namespace pellitor {

namespace {
// The comparison is on the 32-bit pattern, so only the exact failure value counts: a result one
// unit in the last place away is a value like any other.
bool isFailureValue(float result)
{
    return std::bit_cast<std::uint32_t>(result) == std::bit_cast<std::uint32_t>(Cls6::FailureValue);
}

Evaluation::Outcome judged(bool returned, float result)
{
    if (!returned)
        return Evaluation::Outcome::NoValue;
    return isFailureValue(result) ? Evaluation::Outcome::CannotCalculate : Evaluation::Outcome::Value;
}

// Runs one evaluation, which returns whether it left a value, and judges it.
template <typename Evaluate>
Evaluation judge(Evaluate evaluateInto)
{
    Evaluation result;
    try {
        const bool returned = evaluateInto(result.value);
        result.outcome = judged(returned, result.value);
    } catch (const EngineError& error) {
        result.outcome = Evaluation::Outcome::EngineFault;
        result.error = error.description();
    }
    return result;
}
} // namespace

void showError(MessageSink& messages, std::u16string_view text)
{
    messages.showMessage(std::u16string(text), std::u16string(ErrorMessage::Title), ErrorMessage::Style);
}

std::optional<float> readParameter(const std::u16string& sParameter, std::u16string& refusal)
{
    std::u16string cleaned;
    if (!Der::CheckParameter(sParameter, cleaned)) {
        refusal = ErrorMessage::ParameterRefused;
        return std::nullopt;
    }
    const std::optional<float> x = readLeadingSingle(cleaned);
    if (!x)
        refusal = ErrorMessage::ParameterOutOfRange;
    return x;
}

std::optional<float> readParameter(const std::u16string& sParameter, MessageSink& messages)
{
    std::u16string refusal;
    const std::optional<float> x = readParameter(sParameter, refusal);
    if (!x)
        showError(messages, refusal);
    return x;
}

std::optional<Translation> translate(const std::u16string& sExpression, std::u16string& refusal)
{
    Translation translation;
    if (!Der::CheckExpression(sExpression, translation.expression)) {
        refusal = ErrorMessage::ExpressionRefused;
        return std::nullopt;
    }
    if (const std::optional<SyntaxFault> fault = Cls6::translate(Der::InsertMultiplication(translation.expression),
                                                                 translation.postfix)) {
        refusal = fault->boxText();
        return std::nullopt;
    }
    return translation;
}

std::optional<Translation> translate(const std::u16string& sExpression, MessageSink& messages)
{
    Translation translation;
    if (!Der::CheckExpression(sExpression, translation.expression)) {
        showError(messages, ErrorMessage::ExpressionRefused);
        return std::nullopt;
    }
    // The translator shows its own "Syntax Error" box.
    if (Cls6(messages).InfixToPostfix(Der::InsertMultiplication(translation.expression), translation.postfix) != 0)
        return std::nullopt;
    return translation;
}

Evaluation evaluate(Cls6& engine, const std::u16string& postfix, bool degrees, float x)
{
    return judge([&](float& result) {
        return engine.DoEvaluate(postfix, degrees ? True : False, result, 0.0f, 0.0f, x, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f)
               != False;
    });
}

Evaluation evaluate(CompiledPostfix& compiled, float x)
{
    return judge([&](float& result) { return compiled.evaluate(x, result) != False; });
}

std::optional<float> valueAt(CompiledPostfix& compiled, float x)
{
    float result = 0.0f;
    try {
        const bool returned = compiled.evaluate(x, result) != False;
        if (judged(returned, result) == Evaluation::Outcome::Value)
            return result;
    } catch (const EngineError&) {
    }
    return std::nullopt;
}

std::optional<double> valueAtDouble(CompiledPostfix& compiled, double x)
{
    double result = 0.0;
    try {
        const bool returned = compiled.evaluateDouble(x, result) != False;
        if (judged(returned, static_cast<float>(result)) == Evaluation::Outcome::Value)
            return result;
    } catch (const EngineError&) {
    }
    return std::nullopt;
}

void evaluate(CompiledPostfix& compiled, std::span<const float> xs, Evaluations& into)
{
    const std::size_t n = xs.size();
    into.outcomes.resize(n);
    into.values.resize(n);
    into.returned.resize(n);
    into.raised.clear();
    into.errors.clear();
    compiled.evaluate(xs, into.values, into.returned, into.raised);
    for (std::size_t i = 0; i < n; ++i) {
        switch (into.returned[i]) {
        case CompiledPostfix::Returned::Result: into.outcomes[i] = judged(true, into.values[i]); break;
        case CompiledPostfix::Returned::NoResult: into.outcomes[i] = Evaluation::Outcome::NoValue; break;
        case CompiledPostfix::Returned::Raised: into.outcomes[i] = Evaluation::Outcome::EngineFault; break;
        }
    }
    for (const EngineError& error : into.raised)
        into.errors.push_back(error.description());
}

void valuesAt(CompiledPostfix& compiled, std::span<const float> xs, std::span<std::optional<double>> ys)
{
    Evaluations evaluations;
    evaluate(compiled, xs, evaluations);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (evaluations.outcomes[i] == Evaluation::Outcome::Value)
            ys[i] = evaluations.values[i];
        else
            ys[i] = std::nullopt;
    }
}

} // namespace pellitor
