// The table: the expression checked and translated once as the Calculate command does it, then
// evaluated a block of rows at a time with the command's own judgement of each evaluation, so
// every y is the one its report gives.
#include "TableCommand.h"

#include "Complaints.h"
#include "Evaluation.h"
#include "LineReader.h"
#include "OperandReader.h"
#include "Range.h"
#include "RowWriter.h"
#include "TextCodec.h"
#include "UserNumbers.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace pellitor::cli {

namespace {

// A line of --xs longer than this is no number anyone means, and would grow the buffer.
constexpr std::size_t XsLineLimit = std::size_t(1) << 20;

// Whether the rows would go into the file that the x come from, with lines still to read there:
// each row written would be read again, and the table would grow without end. As with cat, only
// a file with bytes left to read counts: a terminal, a FIFO or a socket has no size, and may well
// be both ends of a co-process.
bool readsItsOwnRows(int descriptor)
{
    struct stat input {};
    struct stat output {};
    return ::fstat(descriptor, &input) == 0 && ::fstat(STDOUT_FILENO, &output) == 0 && input.st_dev == output.st_dev
           && input.st_ino == output.st_ino && ::lseek(descriptor, 0, SEEK_CUR) < input.st_size;
}

// Takes the message a check would show, to write it into the row instead of onto stderr.
class RowMessage final : public MessageSink {
public:
    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t) override
    {
        m_text = title + u": " + text;
    }
    const std::u16string& text() const { return m_text; }

private:
    std::u16string m_text;
};

// Rows are evaluated a block at a time by the compiled form's block evaluation, and written in order.
class Table {
public:
    Table(CompiledPostfix& compiled, RowWriter& rows, platform::StandardOutput& out)
        : m_compiled(compiled), m_rows(rows), m_out(out)
    {
    }

    static constexpr std::size_t BlockRows = 1024;

    bool failed() const { return m_out.error() != 0; }
    bool full() const { return m_lines.size() >= BlockRows; }
    void add(float sngX)
    {
        m_xs.push_back(sngX);
        m_lines.emplace_back();
    }
    // A line that the parameter check refused, with its message.
    void addRefused(std::u16string message) { m_lines.push_back(std::move(message)); }

    // Evaluates the rows added and writes them; a table that cannot be written stops.
    void write()
    {
        if (m_lines.empty())
            return;
        evaluate(m_compiled, m_xs, m_evaluations);
        std::size_t row = 0;
        std::size_t error = 0;
        for (std::size_t line = 0; line < m_lines.size() && !failed(); ++line) {
            if (!m_lines[line].empty()) {
                m_rows.write(u"", m_lines[line]);
                continue;
            }
            const Evaluation::Outcome outcome = m_evaluations.outcomes[row];
            const bool fault = outcome == Evaluation::Outcome::EngineFault;
            m_rows.write(m_xs[row], outcome, m_evaluations.values[row],
                         fault ? std::u16string_view(m_evaluations.errors[error++]) : std::u16string_view());
            ++row;
        }
        m_xs.clear();
        m_lines.clear();
    }

private:
    CompiledPostfix& m_compiled;
    RowWriter& m_rows;
    platform::StandardOutput& m_out;
    std::vector<float> m_xs;             // the x of the rows to come
    std::vector<std::u16string> m_lines; // per row to come: empty, or a refused line's message
    Evaluations m_evaluations;
};

// The rows of a range, each block written as soon as it is evaluated, on this one thread: a row
// costs less than handing it to a second thread would (measured with bench/table), and the
// table's memory stays the same however many rows there are.
void overSteps(Table& table, RowWriter& rows, const Steps& steps)
{
    for (std::int64_t i = 0; i < steps.rows && !table.failed(); ++i) {
        table.add(steps.at(i));
        if (table.full() || i + 1 == steps.rows)
            table.write();
    }
    rows.flush();
}

int overLines(Table& table, RowWriter& rows, LineReader& reader, std::string& line, LineReader::Status status,
              const std::string& name)
{
    // The rows of the lines read so far go out before the program waits for more input, so that
    // a reader at the other end of a pipe gets each row as soon as its line came (a co-process).
    reader.beforeWaiting([&] {
        table.write();
        rows.flush(true);
    });
    for (; status == LineReader::Status::Line && !table.failed(); status = reader.next(line)) {
        RowMessage message;
        if (const std::optional<float> x = readParameter(fromUtf8(line), message))
            table.add(*x);
        else
            table.addRefused(message.text());
        if (table.full())
            table.write();
    }
    table.write();
    rows.flush();
    switch (status) {
    case LineReader::Status::Failed:
        complain("cannot read " + name + ": " + std::strerror(reader.error()));
        return ExitIoError;
    case LineReader::Status::TooLong: complain("a line of " + name + " is longer than 1 MiB"); return ExitDataError;
    default: return 0;
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

    const TranslatedOperand expression = translateOperand(line.operands.front());
    if (expression.failure != 0)
        return expression.failure;
    const Translation& translation = *expression.translation;

    std::variant<const platform::NumberText*, std::string> numbers = userNumbers();
    if (const std::string* reason = std::get_if<std::string>(&numbers)) {
        complain(*reason);
        return ExitMessage;
    }
    CompiledPostfix compiled(translation.postfix, line.degree);
    RowWriter rows(out, *std::get<const platform::NumberText*>(numbers), line.csv);
    Table table(compiled, rows, out);
    if (!line.xsFile) {
        rows.header();
        overSteps(table, rows, steps);
        return 0;
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
    if (readsItsOwnRows(descriptor)) {
        complain(name + " is the output file too: the table would read its own rows");
        return ExitUsage;
    }
    std::string text;
    const LineReader::Status first = reader.next(text);
    if (first == LineReader::Status::Line || first == LineReader::Status::End)
        rows.header();
    return overLines(table, rows, reader, text, first, name);
}

} // namespace pellitor::cli
