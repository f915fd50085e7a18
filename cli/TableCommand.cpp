// The table: the expression checked and translated once as the Calculate command does it, then
// evaluated row by row with the command's own evaluation, so every y is the one its report gives.
#include "TableCommand.h"

#include "CalculateCommand.h"
#include "LineReader.h"
#include "LocaleNumberText.h"
#include "MessageBox.h"
#include "Operand.h"
#include "Range.h"
#include "TextCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pellitor::cli {

namespace {

using Outcome = CalculateCommand::Outcome;

// A line of --xs longer than this is no number anyone means, and would grow the buffer.
constexpr std::size_t XsLineLimit = std::size_t(1) << 20;

// Takes the message a check would show, to write it into the row instead of onto stderr.
class RowMessage final : public platform::MessageBox {
public:
    RowMessage() : m_previous(install(this)) {}
    ~RowMessage() override { install(m_previous); }
    RowMessage(const RowMessage&) = delete;
    RowMessage& operator=(const RowMessage&) = delete;

    void present(const std::u16string& text, const std::u16string& title, std::int32_t) override
    {
        m_text = title + u": " + text;
    }
    const std::u16string& text() const { return m_text; }

private:
    platform::MessageBox* m_previous;
    std::u16string m_text;
};

class RowWriter {
public:
    RowWriter(platform::StandardOutput& out, bool csv) : m_out(out), m_csv(csv) {}

    void write(std::u16string_view x, std::u16string_view y)
    {
        m_row.clear();
        field(x);
        m_row += m_csv ? ',' : '\t';
        field(y);
        m_row += '\n';
        m_out.write(m_row);
    }

private:
    // A CSV field with a separator in it (a decimal comma, grouping) is quoted, its quotes doubled.
    void field(std::u16string_view text)
    {
        const std::string utf8 = toUtf8(text);
        if (!m_csv || utf8.find_first_of(",\"\r\n") == std::string::npos) {
            m_row += utf8;
            return;
        }
        m_row += '"';
        for (const char c : utf8) {
            if (c == '"')
                m_row += '"';
            m_row += c;
        }
        m_row += '"';
    }

    platform::StandardOutput& m_out;
    bool m_csv;
    std::string m_row;
};

// One row's y: the report's number, or words that no number reads like.
std::u16string yText(const CalculateCommand::Evaluation& result, const platform::NumberText& numbers)
{
    switch (result.outcome) {
    case Outcome::Value:
        return numbers.fourDecimals(result.sngResult);
    case Outcome::CannotCalculate:
        return u"Can not calculate";
    case Outcome::EngineFault:
        return u"Error: " + result.error;
    default:
        return u"no value";
    }
}

struct Table {
    const CalculateCommand::Translation& translation;
    Truth bolDegree;
    const platform::NumberText& numbers;
    RowWriter& rows;
    platform::StandardOutput& out;

    void row(float sngX)
    {
        Cls6 engine;
        rows.write(numbers.general(sngX), yText(CalculateCommand::evaluate(engine, translation.postfix, bolDegree, sngX),
                                                numbers));
    }
};

int overSteps(Table& table, const Steps& steps)
{
    for (std::int64_t i = 0; i < steps.rows && table.out.error() == 0; ++i)
        table.row(static_cast<float>(steps.at(i)));
    return 0;
}

int overLines(Table& table, LineReader& reader, std::string& line, LineReader::Status status, const std::string& name)
{
    for (; status == LineReader::Status::Line && table.out.error() == 0; status = reader.next(line)) {
        std::optional<float> x;
        RowMessage message;
        x = CalculateCommand::readParameter(fromUtf8(line));
        if (x)
            table.row(*x);
        else
            table.rows.write(u"", message.text());
    }
    switch (status) {
    case LineReader::Status::Failed:
        complain("cannot read " + name + ": " + std::strerror(reader.error()));
        return ExitIoError;
    case LineReader::Status::TooLong:
        complain("a line of " + name + " is longer than 1 MiB");
        return ExitDataError;
    default:
        return 0;
    }
}

} // namespace

int runTable(const CommandLine& line, platform::StandardOutput& out)
{
    Steps steps;
    if (line.range) {
        std::variant<Steps, std::string> read = readSteps(*line.range);
        if (const std::string* reason = std::get_if<std::string>(&read)) {
            complain(*reason);
            return ExitUsage;
        }
        steps = std::get<Steps>(read);
    }

    std::optional<CalculateCommand::Translation> translation;
    {
        const Operand expression = readOperand(line.operands.front());
        if (expression.failure != 0)
            return expression.failure;
        translation = CalculateCommand::translate(fromUtf8(expression.bytes));
    }
    if (!translation)
        return ExitMessage;

    const platform::LocaleNumberText numbers;
    RowWriter rows(out, line.csv);
    Table table{*translation, line.degree ? True : False, numbers, rows, out};
    if (!line.xsFile) {
        rows.write(u"x", u"y");
        return overSteps(table, steps);
    }

    // The file is opened and its first line read before the header, so that a file that cannot
    // be read gives no table at all.
    const bool standardInput = *line.xsFile == "-";
    const std::string name = standardInput ? "standard input" : *line.xsFile;
    const int descriptor = standardInput ? STDIN_FILENO : ::open(line.xsFile->c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        complain("cannot read " + name + ": " + std::strerror(errno));
        return ExitIoError;
    }
    LineReader reader(descriptor, XsLineLimit);
    std::string text;
    const LineReader::Status first = reader.next(text);
    if (first == LineReader::Status::Line || first == LineReader::Status::End)
        rows.write(u"x", u"y");
    return overLines(table, reader, text, first, name);
}

} // namespace pellitor::cli
