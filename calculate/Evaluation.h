// Evaluating an expression as the Calculate command does: the parameter text read as x, the
// expression checked, rewritten and translated, and the postfix text evaluated at one x or at a
// block of x, each evaluation judged as the report judges it. The command, the graph and
// pellitor-calc all evaluate through these, so that every y they show is the one the report gives.
#pragma once

#include "Cls6.h"
#include "CompiledPostfix.h"
#include "MessageSink.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pellitor {

// The texts of the command's "Error" boxes, with the warning icon and OK alone.
namespace ErrorMessage {
inline constexpr std::u16string_view Title = u"Error";
inline constexpr std::int32_t Style = 48;
inline constexpr std::u16string_view ExpressionRefused = u"The expression is illegal.";
inline constexpr std::u16string_view ParameterRefused = u"Illegal data exist.";
inline constexpr std::u16string_view ParameterOutOfRange = u"The parameter is beyond the range of a 32-bit number.";
inline constexpr std::u16string_view OutOfMemory = u"Out of memory.";
} // namespace ErrorMessage

// Shows text in an "Error" box.
void showError(MessageSink& messages, std::u16string_view text);

// The value of x read from a parameter text as the command reads the parameter box: the check
// first, then the number at the start of the cleaned text. Nothing when the text is refused or its
// number lies beyond the 32-bit range; refusal then holds the text of the box that says so.
std::optional<float> readParameter(const std::u16string& sParameter, std::u16string& refusal);
// The same, with the refusal shown in an "Error" box in messages.
std::optional<float> readParameter(const std::u16string& sParameter, MessageSink& messages);

// An expression as the command hands it to the evaluator: the cleaned text that the report shows,
// and its postfix text.
struct Translation {
    std::u16string expression;
    std::u16string postfix;
};
// Checks, rewrites and translates sExpression as the command does. Nothing when the check or the
// translator refuses it; refusal then holds the text of the box the command would show ("The
// expression is illegal.", or "Character 5:  Operand expected"). Callers that evaluate one
// expression at many x translate it once and evaluate its compiled form.
std::optional<Translation> translate(const std::u16string& sExpression, std::u16string& refusal);
// The same, with the command's boxes shown in messages: the check's "Error", the translator's
// "Syntax Error".
std::optional<Translation> translate(const std::u16string& sExpression, MessageSink& messages);

// One evaluation as the report judges it: a value, the failure value ("Can not calculate"), no
// value left by the postfix text, or an error raised by the engine, with its description.
struct Evaluation {
    enum class Outcome { Value, CannotCalculate, NoValue, EngineFault };
    Outcome outcome = Outcome::NoValue;
    float value = 0.0f;
    std::u16string error;
};

// The postfix text evaluated at x with a text engine, as the command does; raises nothing.
Evaluation evaluate(Cls6& engine, const std::u16string& postfix, bool degrees, float x);
// The same for a postfix text compiled once, for callers that evaluate it at many x.
Evaluation evaluate(CompiledPostfix& compiled, float x);
// The y that the report gives at x, or nothing where it gives none (the failure value, a raised
// error, no value): a curve's value, and its gaps.
std::optional<float> valueAt(CompiledPostfix& compiled, float x);
// The value at a 64-bit x before its rounding to 32 bits, judged as valueAt judges the rounded one:
// nothing where that is the failure value, where an error is raised or no value is left.
std::optional<double> valueAtDouble(CompiledPostfix& compiled, double x);

// Evaluations at many x, each judged as evaluate judges it, a block at a time: for tables and
// curves. outcomes[i] and values[i] belong to xs[i] (values[i] is read for Value and
// CannotCalculate only); errors holds the description of each EngineFault, in order. Kept between
// calls, so that its room is taken once.
struct Evaluations {
    std::vector<Evaluation::Outcome> outcomes;
    std::vector<float> values;
    std::vector<std::u16string> errors;
    std::vector<CompiledPostfix::Returned> returned;
    std::vector<EngineError> raised;
};
void evaluate(CompiledPostfix& compiled, std::span<const float> xs, Evaluations& into);
// valueAt at each x of xs, into ys[i].
void valuesAt(CompiledPostfix& compiled, std::span<const float> xs, std::span<std::optional<double>> ys);

} // namespace pellitor
