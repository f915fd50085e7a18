// The Calculate command: checks the two input boxes, translates and evaluates the expression at x,
// and writes the report into the result box. The window's button and Enter keys and pellitor-calc
// all run this one implementation.
#pragma once

#include "CalculateView.h"
#include "Cls6.h"
#include "CompiledPostfix.h"
#include "NumberText.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

    // The value of x read from a parameter text as the command reads the parameter box: the check
    // first, then the number at the start of the cleaned text. When the text is refused, or its
    // number lies beyond the 32-bit range, it shows the command's "Error" box in messages and
    // gives nothing.
    static std::optional<float> readParameter(const std::u16string& sParameter, MessageSink& messages);

    // An expression as the command hands it to the evaluator: the cleaned text that the report
    // shows, and its postfix text.
    struct Translation {
        std::u16string expression;
        std::u16string postfix;
    };
    // Checks, rewrites and translates sExpression as the command does, with the same message
    // boxes in messages; gives nothing when the check or the translator refused it. Callers that
    // evaluate one expression at many x translate it once with this and then call evaluate for
    // each x.
    static std::optional<Translation> translate(const std::u16string& sExpression, MessageSink& messages);

    // One evaluation as the command judges it: Value, CannotCalculate (the failure value),
    // NoValue, or EngineFault with the raised error's description. It shows no message.
    struct Evaluation {
        Outcome outcome = Outcome::NoValue;
        float sngResult = 0.0f;
        std::u16string error;
    };
    static Evaluation evaluate(Cls6& engine, const std::u16string& postfix, Truth bolDegree, float sngX);
    // The same for a postfix text compiled once, for callers that evaluate it at many x: the
    // outcome, the value and the error are those of the text.
    static Evaluation evaluate(CompiledPostfix& compiled, float sngX);
    // The same without an Evaluation to build: the value goes to sngResult, and the error's
    // description to error for EngineFault only. For a table of many rows.
    static Outcome evaluate(CompiledPostfix& compiled, float sngX, float& sngResult, std::u16string& error);

    // The y that the report gives at sngX, or nothing where it gives none (the failure value,
    // a raised error, no value): a curve's value, and its gaps.
    static std::optional<float> valueAt(CompiledPostfix& compiled, float sngX);

    // Evaluations at many x, each as evaluate judges it, on the compiled form's block road: for
    // tables and curves. outcomes[i] and sngResults[i] belong to sngXs[i] (sngResults[i] is read
    // for Value and CannotCalculate only); errors holds the description of each EngineFault, in
    // order. Kept between calls, so that its room is taken once.
    struct Evaluations {
        std::vector<Outcome> outcomes;
        std::vector<float> sngResults;
        std::vector<std::u16string> errors;
        std::vector<CompiledPostfix::Returned> returned;
        std::vector<EngineError> raised;
    };
    static void evaluate(CompiledPostfix& compiled, std::span<const float> sngXs, Evaluations& into);
    // valueAt at each x of sngXs, into ys[i].
    static void valuesAt(CompiledPostfix& compiled, std::span<const float> sngXs, std::span<std::optional<double>> ys);

    static constexpr std::u16string_view LineBreak = u"\r\n";

private:
    Outcome calculate();

    CalculateView& m_view;
    const platform::NumberText& m_numbers;
};

} // namespace pellitor
