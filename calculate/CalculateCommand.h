// The Calculate command: checks the two input boxes, translates and evaluates the expression at x,
// and writes the report into the result box. The window's button and Enter keys and pellitor-calc
// all run this one implementation.
#pragma once

#include "CalculateView.h"
#include "NumberText.h"

#include <string_view>

namespace pellitor {

class CalculateCommand {
public:
    // How a run ended; every outcome but Value, CannotCalculate and NoValue has shown a message
    // box through the view.
    enum class Outcome {
        ExpressionRefused, // "The expression is illegal."
        ParameterRefused,  // "Illegal data exist."
        ParameterOutOfRange,
        SyntaxFault,     // the translator showed its "Syntax Error" box
        NoValue,         // the postfix text left no value: the report holds its first line only
        EngineFault,     // an error raised during the evaluation, shown in an "Error" box
        OutOfMemory,     // an allocation failed anywhere in the run: "Out of memory."
        CannotCalculate, // the evaluation met a domain failure
        Value,
    };

    CalculateCommand(CalculateView& view, const platform::NumberText& numbers);

    Outcome run();

    static constexpr std::u16string_view LineBreak = u"\r\n";

private:
    Outcome calculate();

    CalculateView& m_view;
    const platform::NumberText& m_numbers;
};

} // namespace pellitor
