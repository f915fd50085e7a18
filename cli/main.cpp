// pellitor-calc: runs the calculator's Calculate command, or the translator or the evaluator alone,
// from a terminal or a script. Message boxes become "TITLE: TEXT" lines on stderr.
#include "CalculateCommand.h"
#include "Cls6.h"
#include "EngineError.h"
#include "LeadingNumber.h"
#include "LocaleNumberText.h"
#include "TextCodec.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace pellitor;

namespace {

constexpr int ExitUsage = 64;
constexpr int ExitEngineError = 4;

constexpr std::string_view Usage =
    "Usage: pellitor-calc [--arc | --angle] [-x VALUE] EXPRESSION\n"
    "       pellitor-calc --postfix EXPRESSION\n"
    "       pellitor-calc --evaluate POSTFIX [--arc | --angle] [-x VALUE]\n"
    "       pellitor-calc --help\n"
    "\n"
    "Checks EXPRESSION in the variable x, calculates it at x = VALUE (default 0) and prints the\n"
    "report: the function, x and y. Messages go to stderr as TITLE: TEXT.\n"
    "\n"
    "  --arc        trigonometric arguments are radians (the default)\n"
    "  --angle      trigonometric arguments are degrees\n"
    "  -x VALUE     the value of x, as typed into the parameter box\n"
    "  --postfix    print the postfix text of EXPRESSION, taken as given (no check, no rewriting)\n"
    "  --evaluate   evaluate the postfix text POSTFIX and print the 32-bit result (%.9g)\n"
    "  --           end of the options, so that an operand may begin with '-'\n"
    "  -            as EXPRESSION or POSTFIX: read the text from standard input\n"
    "\n"
    "Exit status: 0 a value, 1 the expression cannot be calculated at x, 2 no value,\n"
    "3 a message was shown, 4 an engine error (--evaluate), 64 a usage error.\n";

enum class Mode { Calculate, Postfix, Evaluate };

struct CommandLine {
    Mode mode = Mode::Calculate;
    bool degree = false;
    bool angleGiven = false;
    std::optional<std::string> value;
    std::vector<std::string> operands;
    bool help = false;
};

void write(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

int usageError(std::string_view reason)
{
    write(stderr, "pellitor-calc: ");
    write(stderr, reason);
    write(stderr, "\n");
    write(stderr, Usage);
    return ExitUsage;
}

// Returns the reason when the arguments do not follow the usage. Options and the operand may
// come in any order, as in pellitor-calc "2cos(x^2)/x" -x 1.
std::optional<std::string> parse(int argc, char** argv, CommandLine& line)
{
    bool optionsEnded = false;
    bool modeGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
            line.operands.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            line.help = true;
        } else if (arg == "--arc" || arg == "--angle") {
            line.degree = arg == "--angle";
            line.angleGiven = true;
        } else if (arg == "-x") {
            if (++i == argc)
                return "-x needs a VALUE";
            line.value = argv[i];
        } else if (arg == "--postfix" || arg == "--evaluate") {
            const Mode mode = arg == "--postfix" ? Mode::Postfix : Mode::Evaluate;
            if (modeGiven && mode != line.mode)
                return "--postfix and --evaluate exclude each other";
            line.mode = mode;
            modeGiven = true;
        } else {
            return "unknown option '" + std::string(arg) + "'";
        }
    }
    if (line.help)
        return std::nullopt;
    if (line.mode == Mode::Postfix && (line.angleGiven || line.value))
        return "--postfix takes no --arc, --angle or -x";
    if (line.operands.empty())
        return line.mode == Mode::Evaluate ? "missing POSTFIX" : "missing EXPRESSION";
    if (line.operands.size() > 1)
        return "more than one operand: '" + line.operands[1] + "'";
    return std::nullopt;
}

// The operand's text; a lone "-" reads the whole standard input less one final LF or CR LF.
std::u16string operandText(const std::string& operand)
{
    if (operand != "-")
        return fromUtf8(operand);
    std::string input;
    char buffer[65536];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        input.append(buffer, read);
    if (input.ends_with('\n')) {
        input.pop_back();
        if (input.ends_with('\r'))
            input.pop_back();
    }
    return fromUtf8(input);
}

class TextView final : public CalculateView {
public:
    TextView(std::u16string expression, std::u16string parameter, bool degree)
        : m_expression(std::move(expression)), m_parameter(std::move(parameter)), m_degree(degree)
    {
    }

    std::u16string expressionText() const override { return m_expression; }
    void setExpressionText(const std::u16string& text) override { m_expression = text; }
    std::u16string parameterText() const override { return m_parameter; }
    void setParameterText(const std::u16string& text) override { m_parameter = text; }
    bool arcSelected() const override { return !m_degree; }
    bool angleSelected() const override { return m_degree; }
    void setResultText(const std::u16string& text) override { m_result = text; }
    void appendResultText(const std::u16string& text) override { m_result += text; }

    const std::u16string& resultText() const { return m_result; }

private:
    std::u16string m_expression;
    std::u16string m_parameter;
    std::u16string m_result;
    bool m_degree;
};

int calculate(const CommandLine& line)
{
    TextView view(operandText(line.operands.front()), fromUtf8(line.value.value_or("0")), line.degree);
    const platform::LocaleNumberText numbers;
    const CalculateCommand::Outcome outcome = CalculateCommand(view, numbers).run();

    std::string report = toUtf8(view.resultText());
    for (std::size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 1))
        report.erase(at, 1);
    write(stdout, report + "\n");

    switch (outcome) {
    case CalculateCommand::Outcome::Value:
        return 0;
    case CalculateCommand::Outcome::CannotCalculate:
        return 1;
    case CalculateCommand::Outcome::NoValue:
        return 2;
    default:
        return 3;
    }
}

int engineError(const EngineError& error)
{
    write(stderr, "Error " + std::to_string(error.number()) + ": " + toUtf8(error.description()) + "\n");
    return ExitEngineError;
}

int postfix(const CommandLine& line)
{
    const std::u16string expression = operandText(line.operands.front());
    std::u16string buffer;
    try {
        const std::int32_t result = Cls6().InfixToPostfix(expression, buffer);
        write(stdout, toUtf8(buffer) + "\n");
        return result == 0 ? 0 : 3;
    } catch (const EngineError& error) {
        return engineError(error);
    }
}

int evaluate(const CommandLine& line)
{
    const std::optional<float> x = platform::readLeadingSingle(fromUtf8(line.value.value_or("0")));
    if (!x) {
        write(stderr, "pellitor-calc: VALUE is beyond the range of a 32-bit number\n");
        return ExitUsage;
    }
    const std::u16string postfixText = operandText(line.operands.front());
    float result = 0.0f;
    try {
        const Truth bolDegree = line.degree ? True : False;
        if (!Cls6().DoEvaluate(postfixText, bolDegree, result, 0.0f, 0.0f, *x, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f)) {
            write(stdout, "no value\n");
            return 2;
        }
    } catch (const EngineError& error) {
        return engineError(error);
    }
    // Nine significant digits tell every 32-bit float from its neighbours; to_chars knows no locale.
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(result),
                                       std::chars_format::general, 9);
    write(stdout, std::string(buffer, written.ptr) + "\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CommandLine line;
    if (const std::optional<std::string> reason = parse(argc, argv, line))
        return usageError(*reason);
    if (line.help) {
        write(stdout, Usage);
        return 0;
    }
    switch (line.mode) {
    case Mode::Postfix:
        return postfix(line);
    case Mode::Evaluate:
        return evaluate(line);
    case Mode::Calculate:
        break;
    }
    return calculate(line);
}
