// pellitor-calc: runs the calculator's Calculate command, or the translator or the evaluator alone,
// from a terminal or a script, or writes a table or a picture of the expression over a range of x,
// or reads the curve as the graph does (where y reaches a level, a slope, an area).
// Message boxes become "TITLE: TEXT" lines on stderr: the message box's default.
#include "CalculateCommand.h"
#include "Cls6.h"
#include "CommandLine.h"
#include "Complaints.h"
#include "CurveCommand.h"
#include "EngineError.h"
#include "Evaluation.h"
#include "MessageBox.h"
#include "OperandReader.h"
#include "PlotCommand.h"
#include "PostfixTokens.h"
#include "StandardStreams.h"
#include "TableCommand.h"
#include "TextCodec.h"
#include "UserNumbers.h"
#include "Version.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <new>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace pellitor;
using namespace pellitor::cli;

namespace {

constexpr int ExitEngineError = 4;

// The boxes as the terminal gives and takes them, in UTF-8, which holds a long expression in half
// the room of 16-bit text. The report's CR LF line breaks become LF.
class TextView final : public CalculateView {
public:
    TextView(std::string expression, std::string parameter, bool degree)
        : m_expression(std::move(expression)), m_parameter(std::move(parameter)), m_degree(degree)
    {
    }

    std::u16string expressionText() const override { return fromUtf8(m_expression); }
    void setExpressionText(const std::u16string& text) override { m_expression = toUtf8(text); }
    std::u16string parameterText() const override { return fromUtf8(m_parameter); }
    void setParameterText(const std::u16string& text) override { m_parameter = toUtf8(text); }
    bool arcSelected() const override { return !m_degree; }
    bool angleSelected() const override { return m_degree; }
    void setResultText(const std::u16string& text) override { m_result = lines(text); }
    void appendResultText(const std::u16string& text) override { m_result += lines(text); }

    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) override
    {
        platform::MessageBox::show(text, title, style);
    }

    const std::string& resultText() const { return m_result; }

private:
    static std::string lines(const std::u16string& text)
    {
        std::string out = toUtf8(text);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (!(out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n'))
                out[kept++] = out[i];
        }
        out.resize(kept);
        return out;
    }

    std::string m_expression;
    std::string m_parameter;
    std::string m_result;
    bool m_degree;
};

int calculate(const CommandLine& line, platform::StandardOutput& out)
{
    Operand expression = readOperand(line.operands.front());
    if (expression.failure != 0)
        return expression.failure;
    std::variant<const platform::NumberText*, std::string> numbers = userNumbers();
    if (const std::string* reason = std::get_if<std::string>(&numbers)) {
        complain(*reason);
        return ExitMessage;
    }
    TextView view(std::move(expression.bytes), line.value.value_or("0"), line.degree);
    const CalculateCommand::Outcome outcome =
        CalculateCommand(view, *std::get<const platform::NumberText*>(numbers)).run();

    out.write(view.resultText());
    out.write("\n");

    switch (outcome) {
    case CalculateCommand::Outcome::Value: return 0;
    case CalculateCommand::Outcome::CannotCalculate: return 1;
    case CalculateCommand::Outcome::NoValue: return 2;
    default: return ExitMessage;
    }
}

// The description may quote a bad token of the postfix text, which is the user's: it is shown as
// printable() shows it, cut after 100 characters.
int engineError(const EngineError& error)
{
    constexpr std::size_t Shown = 100;
    const std::string line = "Error " + std::to_string(error.number()) + ": " + printable(error.description(), Shown)
                             + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return ExitEngineError;
}

int postfix(const CommandLine& line, platform::StandardOutput& out)
{
    const Operand operand = readOperand(line.operands.front());
    if (operand.failure != 0)
        return operand.failure;
    const std::u16string expression = fromUtf8(operand.bytes);
    std::u16string buffer;
    try {
        const std::int32_t result = Cls6(platform::MessageBox::current()).InfixToPostfix(expression, buffer);
        out.write(toUtf8(buffer));
        out.write("\n");
        return result == 0 ? 0 : ExitMessage;
    } catch (const EngineError& error) {
        return engineError(error);
    }
}

// The evaluator reads a token only when a blank follows it; say so when that leaves text unread.
void warnUnreadTail(std::u16string_view text)
{
    constexpr std::size_t Shown = 64;
    const std::u16string_view tail = PostfixTokens(text).unreadTail();
    if (tail.empty())
        return;
    complain(std::string(tail.size() == text.size() ? "ignored text with no blank after it: '"
                                                    : "ignored text after the last blank: '")
             + printable(tail, Shown) + "'");
}

int evaluate(const CommandLine& line, platform::StandardOutput& out)
{
    // -x is read exactly as the Calculate command reads the parameter box, refusals included.
    const std::optional<float> x = readParameter(fromUtf8(line.value.value_or("0")), platform::MessageBox::current());
    if (!x)
        return ExitMessage;
    std::u16string postfixText;
    {
        const Operand operand = readOperand(line.operands.front());
        if (operand.failure != 0)
            return operand.failure;
        postfixText = fromUtf8(operand.bytes);
    }
    warnUnreadTail(postfixText);
    float result = 0.0f;
    try {
        const Truth bolDegree = line.degree ? True : False;
        if (!Cls6().DoEvaluate(postfixText, bolDegree, result, 0.0f, 0.0f, *x, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f)) {
            out.write("no value\n");
            return 2;
        }
    } catch (const EngineError& error) {
        return engineError(error);
    }
    // Nine significant digits tell every 32-bit float from its neighbours; to_chars knows no locale.
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(result),
                                       std::chars_format::general, 9);
    out.write(std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)));
    out.write("\n");
    return 0;
}

int run(const CommandLine& line, platform::StandardOutput& out)
{
    if (line.help) {
        out.write(Usage);
        return 0;
    }
    if (line.version) {
        out.write(std::string(Program) + " " + Version + "\n");
        return 0;
    }
    switch (line.mode) {
    case Mode::Postfix: return postfix(line, out);
    case Mode::Evaluate: return evaluate(line, out);
    case Mode::Table: return runTable(line, out);
    case Mode::Plot: return runPlot(line);
    case Mode::Solve:
    case Mode::Slope:
    case Mode::Area: return runCurveReading(line, out);
    case Mode::Calculate: break;
    }
    return calculate(line, out);
}

// Room held back for reporting an exhausted heap. The C++ runtime raises bad_alloc in room it
// takes at start-up, which is missing when the heap was already exhausted then, and a bad_alloc
// that cannot be raised aborts. The first allocation that fails gives this room back to the
// system (it lies above the mmap threshold, so freeing unmaps it) and raises into it.
constexpr std::size_t MmapThreshold = 128 * 1024;
constexpr std::size_t ReserveBytes = 2 * MmapThreshold;
void* reserve = nullptr;

[[noreturn]] void releaseReserve()
{
    std::set_new_handler(nullptr);
    std::free(reserve);
    reserve = nullptr;
    throw std::bad_alloc();
}

// The message box of a failed allocation, written without allocating.
void reportOutOfMemory()
{
    std::fputs("Error: Out of memory.\n", stderr);
}

} // namespace

int main(int argc, char** argv)
{
    // Every long text gets a mapping of its own, which goes back to the system when it is freed.
    // glibc's sliding threshold would move texts of up to 32 MB into the heap, where the freed
    // working copies of a long expression stay resident and raise the peak by half.
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(MmapThreshold));
    // malloc, not new (std::nothrow): the latter raises and catches inside, which aborts here.
    reserve = std::malloc(ReserveBytes);
    if (reserve == nullptr) {
        reportOutOfMemory();
        return ExitMessage;
    }
    std::set_new_handler(releaseReserve);

    platform::StandardOutput out;
    int status = 0;
    try {
        CommandLine line;
        if (const std::optional<std::string> reason = parse(argc, argv, line)) {
            complain(*reason);
            std::fwrite(Usage.data(), 1, Usage.size(), stderr);
            return ExitUsage;
        }
        status = run(line, out);
    } catch (const std::bad_alloc&) {
        // Reading, converting or evaluating a text too long for the memory at hand; the Calculate
        // command catches its own, so this is what the command line adds around it.
        reportOutOfMemory();
        status = ExitMessage;
    }
    // Output that did not arrive must not pass for success.
    if (const int error = out.close()) {
        platform::reportWriteError(Program, error);
        return ExitIoError;
    }
    return status;
}
