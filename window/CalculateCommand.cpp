// The Calculate command, step by step, and its three report forms.
#include "CalculateCommand.h"

#include "Cls6.h"
#include "Der.h"
#include "EngineError.h"
#include "LeadingNumber.h"
#include "MessageBox.h"

#include <bit>
#include <cstdint>
#include <new>

namespace pellitor {

namespace {

constexpr std::u16string_view ErrorTitle = u"Error";
constexpr std::int32_t WarningStyle = platform::MessageStyle::OkOnly | platform::MessageStyle::Exclamation;

void warn(const std::u16string& text)
{
    platform::MessageBox::show(text, std::u16string(ErrorTitle), WarningStyle);
}

// The comparison is on the 32-bit pattern, so only the exact failure value counts: a result one
// unit in the last place away is a value like any other.
bool isFailureValue(float result)
{
    return std::bit_cast<std::uint32_t>(result) == std::bit_cast<std::uint32_t>(Cls6::FailureValue);
}

} // namespace

CalculateCommand::CalculateCommand(CalculateView& view, const platform::NumberText& numbers)
    : m_view(view), m_numbers(numbers)
{
}

CalculateCommand::Outcome CalculateCommand::run()
{
    Cls6 engine;

    std::u16string expression;
    if (!Der::CheckExpression(m_view.expressionText(), expression)) {
        warn(u"The expression is illegal.");
        return Outcome::ExpressionRefused;
    }
    m_view.setExpressionText(expression);

    std::u16string parameter;
    if (!Der::CheckParameter(m_view.parameterText(), parameter)) {
        warn(u"Illegal data exist.");
        return Outcome::ParameterRefused;
    }
    m_view.setParameterText(parameter);

    expression = m_view.expressionText();
    const std::u16string engineInput = Der::InsertMultiplication(expression);

    Truth bolDegree = False;
    if (m_view.arcSelected())
        bolDegree = False;
    if (m_view.angleSelected())
        bolDegree = True;

    std::u16string report = u"Function y=" + expression + std::u16string(LineBreak);
    m_view.setResultText(report);

    const std::optional<float> x = platform::readLeadingSingle(m_view.parameterText());
    if (!x) {
        // Nothing sensible can stand for x here, so the command calculates nothing.
        warn(u"The parameter is beyond the range of a 32-bit number.");
        return Outcome::ParameterOutOfRange;
    }
    const float sngX = *x;

    float sngResult = 0.0f;
    try {
        // The translator shows its own "Syntax Error" box and returns the fault's position.
        std::u16string postfix;
        if (engine.InfixToPostfix(engineInput, postfix) != 0)
            return Outcome::SyntaxFault;
        if (!engine.DoEvaluate(postfix, bolDegree, sngResult, 0.0f, 0.0f, sngX, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f))
            return Outcome::NoValue;
    } catch (const EngineError& error) {
        // An overflow or another fault raised in the engine: tell the user, keep the first line.
        warn(error.description());
        return Outcome::EngineFault;
    } catch (const std::bad_alloc&) {
        warn(u"Out of memory.");
        return Outcome::EngineFault;
    }

    const std::u16string xText = m_numbers.general(sngX);
    report += u"  x=" + xText + std::u16string(LineBreak);
    const bool failed = isFailureValue(sngResult);
    if (failed)
        report += u"  Can not calculate the expression at x=" + xText;
    else
        report += u"  y=" + m_numbers.fourDecimals(sngResult);
    m_view.setResultText(report);
    return failed ? Outcome::CannotCalculate : Outcome::Value;
}

} // namespace pellitor
