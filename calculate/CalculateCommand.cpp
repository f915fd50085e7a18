// The Calculate command, step by step, and its three report forms.
#include "CalculateCommand.h"

#include "Der.h"
#include "EngineError.h"
#include "NumberReader.h"

#include <bit>
#include <cstdint>
#include <new>

namespace pellitor {

namespace {

constexpr std::u16string_view ErrorTitle = u"Error";
constexpr std::int32_t WarningStyle = 48; // OK alone, with the warning icon

constexpr std::u16string_view ParameterRefusedText = u"Illegal data exist.";
constexpr std::u16string_view ParameterRangeText = u"The parameter is beyond the range of a 32-bit number.";

void warn(MessageSink& messages, std::u16string_view text)
{
    messages.showMessage(std::u16string(text), std::u16string(ErrorTitle), WarningStyle);
}

// The comparison is on the 32-bit pattern, so only the exact failure value counts: a result one
// unit in the last place away is a value like any other.
bool isFailureValue(float result)
{
    return std::bit_cast<std::uint32_t>(result) == std::bit_cast<std::uint32_t>(Cls6::FailureValue);
}

// Gives a text's memory back at once, not when its scope ends.
void release(std::u16string& text)
{
    std::u16string().swap(text);
}

} // namespace

CalculateCommand::CalculateCommand(CalculateView& view, const platform::NumberText& numbers)
    : m_view(view), m_numbers(numbers)
{
}

CalculateCommand::Outcome CalculateCommand::run()
{
    try {
        return calculate();
    } catch (const std::bad_alloc&) {
        // Unwinding has freed what the run held, so the box finds the little memory it needs.
        warn(m_view, u"Out of memory.");
        return Outcome::OutOfMemory;
    }
}

std::optional<float> CalculateCommand::readParameter(const std::u16string& sParameter, MessageSink& messages)
{
    std::u16string cleaned;
    if (!Der::CheckParameter(sParameter, cleaned)) {
        warn(messages, ParameterRefusedText);
        return std::nullopt;
    }
    const std::optional<float> x = readLeadingSingle(cleaned);
    if (!x)
        warn(messages, ParameterRangeText);
    return x;
}

// While the engine works, the command holds no copy of the expression but the engine's input: the
// expression lives on in Text1 and in the report's first line, and the report's other lines are
// appended, so that a long expression costs as few bytes per character as it can.
CalculateCommand::Outcome CalculateCommand::calculate()
{
    Cls6 engine(m_view);

    {
        std::u16string expression;
        if (!Der::CheckExpression(m_view.expressionText(), expression)) {
            warn(m_view, u"The expression is illegal.");
            return Outcome::ExpressionRefused;
        }
        m_view.setExpressionText(expression);
    }

    {
        std::u16string parameter;
        if (!Der::CheckParameter(m_view.parameterText(), parameter)) {
            warn(m_view, ParameterRefusedText);
            return Outcome::ParameterRefused;
        }
        m_view.setParameterText(parameter);
    }

    Truth bolDegree = False;
    if (m_view.arcSelected())
        bolDegree = False;
    if (m_view.angleSelected())
        bolDegree = True;

    std::u16string engineInput;
    {
        const std::u16string expression = m_view.expressionText();
        engineInput = Der::InsertMultiplication(expression);

        constexpr std::u16string_view FirstLine = u"Function y=";
        std::u16string line;
        line.reserve(FirstLine.size() + expression.size() + LineBreak.size());
        line.append(FirstLine).append(expression).append(LineBreak);
        m_view.setResultText(line);
    }

    const std::optional<float> x = readLeadingSingle(m_view.parameterText());
    if (!x) {
        // Nothing sensible can stand for x here, so the command calculates nothing.
        warn(m_view, ParameterRangeText);
        return Outcome::ParameterOutOfRange;
    }
    const float sngX = *x;

    Evaluation result;
    try {
        // The translator shows its own "Syntax Error" box and returns the fault's position.
        std::u16string postfix;
        if (engine.InfixToPostfix(engineInput, postfix) != 0)
            return Outcome::SyntaxFault;
        release(engineInput);
        result = evaluate(engine, postfix, bolDegree, sngX);
    } catch (const EngineError& error) {
        result = {Outcome::EngineFault, 0.0f, error.description()};
    }
    if (result.outcome == Outcome::NoValue)
        return Outcome::NoValue;
    if (result.outcome == Outcome::EngineFault) {
        // An overflow or another fault raised in the engine: tell the user, keep the first line.
        warn(m_view, result.error);
        return Outcome::EngineFault;
    }

    const std::u16string xText = m_numbers.general(sngX);
    std::u16string lines = u"  x=" + xText + std::u16string(LineBreak);
    if (result.outcome == Outcome::CannotCalculate)
        lines += u"  Can not calculate the expression at x=" + xText;
    else
        lines += u"  y=" + m_numbers.fourDecimals(result.sngResult);
    m_view.appendResultText(lines);
    return result.outcome;
}

std::optional<CalculateCommand::Translation> CalculateCommand::translate(const std::u16string& sExpression,
                                                                         MessageSink& messages)
{
    Translation translation;
    if (!Der::CheckExpression(sExpression, translation.expression)) {
        warn(messages, u"The expression is illegal.");
        return std::nullopt;
    }
    if (Cls6(messages).InfixToPostfix(Der::InsertMultiplication(translation.expression), translation.postfix) != 0)
        return std::nullopt;
    return translation;
}

namespace {
// Judges one evaluation as the command does: returned False is no value, a raised error its
// description, the failure value "Can not calculate".
template <typename Evaluate>
CalculateCommand::Evaluation judge(Evaluate evaluate)
{
    using Outcome = CalculateCommand::Outcome;
    CalculateCommand::Evaluation result;
    try {
        if (!evaluate(result.sngResult))
            return result;
    } catch (const EngineError& error) {
        result.outcome = Outcome::EngineFault;
        result.error = error.description();
        return result;
    }
    result.outcome = isFailureValue(result.sngResult) ? Outcome::CannotCalculate : Outcome::Value;
    return result;
}
} // namespace

CalculateCommand::Evaluation CalculateCommand::evaluate(Cls6& engine, const std::u16string& postfix, Truth bolDegree,
                                                        float sngX)
{
    return judge([&](float& sngResult) {
        return engine.DoEvaluate(postfix, bolDegree, sngResult, 0.0f, 0.0f, sngX, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
    });
}

CalculateCommand::Evaluation CalculateCommand::evaluate(CompiledPostfix& compiled, float sngX)
{
    Evaluation result;
    result.outcome = evaluate(compiled, sngX, result.sngResult, result.error);
    return result;
}

CalculateCommand::Outcome CalculateCommand::evaluate(CompiledPostfix& compiled, float sngX, float& sngResult,
                                                     std::u16string& error)
{
    try {
        if (!compiled.evaluate(sngX, sngResult))
            return Outcome::NoValue;
    } catch (const EngineError& raised) {
        error = raised.description();
        return Outcome::EngineFault;
    }
    return isFailureValue(sngResult) ? Outcome::CannotCalculate : Outcome::Value;
}

std::optional<float> CalculateCommand::valueAt(CompiledPostfix& compiled, float sngX)
{
    float sngResult = 0.0f;
    std::u16string error;
    if (evaluate(compiled, sngX, sngResult, error) != Outcome::Value)
        return std::nullopt;
    return sngResult;
}

void CalculateCommand::evaluate(CompiledPostfix& compiled, std::span<const float> sngXs, Evaluations& into)
{
    const std::size_t n = sngXs.size();
    into.outcomes.resize(n);
    into.sngResults.resize(n);
    into.returned.resize(n);
    into.raised.clear();
    into.errors.clear();
    compiled.evaluate(sngXs, into.sngResults, into.returned, into.raised);
    for (std::size_t i = 0; i < n; ++i) {
        switch (into.returned[i]) {
        case CompiledPostfix::Returned::Result:
            into.outcomes[i] = isFailureValue(into.sngResults[i]) ? Outcome::CannotCalculate : Outcome::Value;
            break;
        case CompiledPostfix::Returned::NoResult: into.outcomes[i] = Outcome::NoValue; break;
        case CompiledPostfix::Returned::Raised: into.outcomes[i] = Outcome::EngineFault; break;
        }
    }
    for (const EngineError& error : into.raised)
        into.errors.push_back(error.description());
}

void CalculateCommand::valuesAt(CompiledPostfix& compiled, std::span<const float> sngXs,
                                std::span<std::optional<double>> ys)
{
    Evaluations evaluations;
    evaluate(compiled, sngXs, evaluations);
    for (std::size_t i = 0; i < sngXs.size(); ++i) {
        if (evaluations.outcomes[i] == Outcome::Value)
            ys[i] = evaluations.sngResults[i];
        else
            ys[i] = std::nullopt;
    }
}

} // namespace pellitor
