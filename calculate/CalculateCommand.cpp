// The Calculate command, step by step, and its three report forms.
#include "CalculateCommand.h"

#include "Der.h"
#include "EngineError.h"
#include "Evaluation.h"
#include "NumberReader.h"

#include <new>

namespace pellitor {

namespace {

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
        showError(m_view, ErrorMessage::OutOfMemory);
        return Outcome::OutOfMemory;
    }
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
            showError(m_view, ErrorMessage::ExpressionRefused);
            return Outcome::ExpressionRefused;
        }
        m_view.setExpressionText(expression);
    }

    {
        std::u16string parameter;
        if (!Der::CheckParameter(m_view.parameterText(), parameter)) {
            showError(m_view, ErrorMessage::ParameterRefused);
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
        showError(m_view, ErrorMessage::ParameterOutOfRange);
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
        result = evaluate(engine, postfix, bolDegree != False, sngX);
    } catch (const EngineError& error) {
        result = {Evaluation::Outcome::EngineFault, 0.0f, error.description()};
    }
    switch (result.outcome) {
    case Evaluation::Outcome::NoValue: return Outcome::NoValue;
    case Evaluation::Outcome::EngineFault:
        // An overflow or another fault raised in the engine: tell the user, keep the first line.
        showError(m_view, result.error);
        return Outcome::EngineFault;
    case Evaluation::Outcome::CannotCalculate:
    case Evaluation::Outcome::Value: break;
    }

    const std::u16string xText = m_numbers.general(sngX);
    std::u16string lines = u"  x=" + xText + std::u16string(LineBreak);
    if (result.outcome == Evaluation::Outcome::CannotCalculate) {
        lines += u"  Can not calculate the expression at x=" + xText;
        m_view.appendResultText(lines);
        return Outcome::CannotCalculate;
    }
    lines += u"  y=" + m_numbers.fourDecimals(result.value);
    m_view.appendResultText(lines);
    return Outcome::Value;
}

} // namespace pellitor
