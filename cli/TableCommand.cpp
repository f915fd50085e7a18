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

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>
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

// Writes each row as one piece of text: x and y as the report writes them, tab-separated, or
// comma-separated with a field quoted where it holds a comma (a decimal comma, grouping).
class RowWriter {
public:
    RowWriter(platform::StandardOutput& out, const platform::LocaleNumberText& numbers, bool csv)
        : m_out(out), m_numbers(numbers), m_csv(csv)
    {
    }

    void header() { write(u"x", u"y"); }

    void write(float sngX, const CalculateCommand::Evaluation& result)
    {
        m_row.clear();
        number([&] { m_numbers.appendGeneral(m_row, sngX); });
        m_row += separator();
        switch (result.outcome) {
        case Outcome::Value:
            number([&] { m_numbers.appendFourDecimals(m_row, result.sngResult); });
            break;
        // Words that no number reads like.
        case Outcome::CannotCalculate:
            text(u"Can not calculate");
            break;
        case Outcome::EngineFault:
            text(u"Error: " + result.error);
            break;
        default:
            text(u"no value");
            break;
        }
        end();
    }

    // A row with an empty x: the line of --xs that the parameter box's check refused.
    void write(std::u16string_view x, std::u16string_view y)
    {
        m_row.clear();
        text(x);
        m_row += separator();
        text(y);
        end();
    }

private:
    char separator() const { return m_csv ? ',' : '\t'; }

    void end()
    {
        m_row += '\n';
        m_out.write(m_row);
    }

    template <typename Append>
    void number(Append append)
    {
        const std::size_t start = m_row.size();
        append();
        if (m_csv && m_row.find(',', start) != std::string::npos) {
            m_row.insert(start, 1, '"');
            m_row += '"';
        }
    }

    void text(std::u16string_view text)
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
    const platform::LocaleNumberText& m_numbers;
    bool m_csv;
    std::string m_row;
};

struct Table {
    const CalculateCommand::Translation& translation;
    Truth bolDegree;
    RowWriter& rows;
    platform::StandardOutput& out;

    void row(float sngX)
    {
        Cls6 engine;
        rows.write(sngX, CalculateCommand::evaluate(engine, translation.postfix, bolDegree, sngX));
    }
};

// The rows of a range are evaluated on a second thread, a block at a time, while this one
// writes the block before: on two cores a table takes about the time of its evaluations alone.
// Blocks are few and reused, so memory stays the same however many rows there are; one thread
// evaluates every row in order, so RND's one sequence runs as in a plain loop.
class StepPipeline {
public:
    StepPipeline(const Table& table, const Steps& steps) : m_table(table), m_steps(steps) {}

    void run()
    {
        std::exception_ptr failure;
        std::thread evaluator([this, &failure] {
            try {
                evaluate();
            } catch (...) {
                failure = std::current_exception();
                finish();
            }
        });
        write();
        evaluator.join();
        if (failure)
            std::rethrow_exception(failure);
    }

private:
    static constexpr std::int64_t BlockRows = 4096;
    static constexpr std::size_t Blocks = 3;

    struct Block {
        std::int64_t first = 0;
        std::vector<CalculateCommand::Evaluation> results;
    };

    void evaluate()
    {
        Cls6 engine;
        for (std::int64_t first = 0; first < m_steps.rows; first += BlockRows) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stopped || !m_free.empty(); });
            if (m_stopped)
                return;
            const std::size_t index = m_free.back();
            m_free.pop_back();
            lock.unlock();

            Block& block = m_blocks[index];
            block.first = first;
            block.results.clear();
            for (std::int64_t i = first; i < std::min(first + BlockRows, m_steps.rows); ++i) {
                const float sngX = static_cast<float>(m_steps.at(i));
                block.results.push_back(CalculateCommand::evaluate(engine, m_table.translation.postfix,
                                                                   m_table.bolDegree, sngX));
            }

            lock.lock();
            m_ready.push_back(index);
            m_changed.notify_all();
        }
        finish();
    }

    void write()
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_finished || !m_ready.empty(); });
            if (m_ready.empty())
                return;
            const std::size_t index = m_ready.front();
            m_ready.pop_front();
            lock.unlock();

            const Block& block = m_blocks[index];
            for (std::size_t i = 0; i < block.results.size() && m_table.out.error() == 0; ++i)
                m_table.rows.write(static_cast<float>(m_steps.at(block.first + static_cast<std::int64_t>(i))),
                                   block.results[i]);

            lock.lock();
            m_free.push_back(index);
            // A table that cannot be written stops: the evaluator need not go on.
            m_stopped = m_table.out.error() != 0;
            m_changed.notify_all();
            if (m_stopped)
                return;
        }
    }

    void finish()
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        m_changed.notify_all();
    }

    const Table& m_table;
    const Steps& m_steps;
    std::array<Block, Blocks> m_blocks;
    std::vector<std::size_t> m_free{0, 1, 2};
    std::deque<std::size_t> m_ready;
    bool m_finished = false;
    bool m_stopped = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

int overSteps(Table& table, const Steps& steps)
{
    StepPipeline(table, steps).run();
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

    const TranslatedOperand expression = translateOperand(line.operands.front());
    if (expression.failure != 0)
        return expression.failure;
    const CalculateCommand::Translation& translation = *expression.translation;

    const platform::LocaleNumberText numbers;
    RowWriter rows(out, numbers, line.csv);
    Table table{translation, line.degree ? True : False, rows, out};
    if (!line.xsFile) {
        rows.header();
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
        rows.header();
    return overLines(table, reader, text, first, name);
}

} // namespace pellitor::cli
