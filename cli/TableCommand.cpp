// The table: the expression checked and translated once as the Calculate command does it, then
// evaluated row by row with the command's own evaluation, so every y is the one its report gives.
#include "TableCommand.h"

#include "CalculateCommand.h"
#include "LineReader.h"
#include "MessageBox.h"
#include "Operand.h"
#include "Range.h"
#include "RowWriter.h"
#include "TextCodec.h"
#include "UserNumbers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pellitor::cli {

namespace {

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

struct Table {
    CompiledPostfix& compiled;
    RowWriter& rows;
    platform::StandardOutput& out;

    void row(float sngX)
    {
        const CalculateCommand::Evaluation result = CalculateCommand::evaluate(compiled, sngX);
        rows.write(sngX, result.outcome, result.sngResult, result.error);
    }
};

// The rows of a range are evaluated on a second thread, a block at a time, while this one
// writes the block before: on two cores a table takes about the time of its evaluations alone.
// Blocks are few and reused, so memory stays the same however many rows there are; one thread
// evaluates every row in order, so RND's one sequence runs as in a plain loop. When no second
// thread can start (a memory limit, a process limit), this one does both, block after block.
class StepPipeline {
public:
    StepPipeline(Table& table, const Steps& steps) : m_table(table), m_steps(steps) {}

    void run()
    {
        std::thread evaluator;
        try {
            evaluator = std::thread([this] { evaluateAll(); });
        } catch (const std::system_error&) {
            runAlone();
            return;
        }
        try {
            writeAll();
        } catch (...) {
            // The worker must not outlive this function, nor wait for blocks no one will take.
            stop();
            evaluator.join();
            throw;
        }
        evaluator.join();
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    static constexpr std::int64_t BlockRows = 4096;
    static constexpr std::size_t Blocks = 3;

    // The results of up to BlockRows rows; the rare raised error keeps its text apart.
    struct Block {
        std::int64_t first = 0;
        std::vector<CalculateCommand::Outcome> outcomes;
        std::vector<float> values;
        std::vector<std::pair<std::size_t, std::u16string>> errors;
    };

    void evaluate(Block& block, std::int64_t first)
    {
        block.first = first;
        block.outcomes.clear();
        block.values.clear();
        block.errors.clear();
        std::u16string error;
        for (std::int64_t i = first; i < std::min(first + BlockRows, m_steps.rows); ++i) {
            float sngResult = 0.0f;
            block.outcomes.push_back(
                CalculateCommand::evaluate(m_table.compiled, static_cast<float>(m_steps.at(i)), sngResult, error));
            block.values.push_back(sngResult);
            if (block.outcomes.back() == CalculateCommand::Outcome::EngineFault)
                block.errors.emplace_back(block.outcomes.size() - 1, std::move(error));
        }
    }

    void write(const Block& block)
    {
        auto error = block.errors.begin();
        for (std::size_t i = 0; i < block.outcomes.size(); ++i) {
            std::u16string_view text;
            if (error != block.errors.end() && error->first == i)
                text = (error++)->second;
            m_table.rows.write(static_cast<float>(m_steps.at(block.first + static_cast<std::int64_t>(i))),
                               block.outcomes[i], block.values[i], text);
        }
        m_table.rows.flush();
    }

    void runAlone()
    {
        Block& block = m_blocks.front();
        for (std::int64_t first = 0; first < m_steps.rows && m_table.out.error() == 0; first += BlockRows) {
            evaluate(block, first);
            write(block);
        }
    }

    void evaluateAll()
    {
        try {
            for (std::int64_t first = 0; first < m_steps.rows; first += BlockRows) {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return m_stopped || !m_free.empty(); });
                if (m_stopped)
                    break;
                const std::size_t index = m_free.back();
                m_free.pop_back();
                lock.unlock();

                evaluate(m_blocks[index], first);

                lock.lock();
                m_ready.push_back(index);
                m_changed.notify_all();
            }
        } catch (...) {
            m_failure = std::current_exception();
        }
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        m_changed.notify_all();
    }

    void writeAll()
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_finished || !m_ready.empty(); });
            if (m_ready.empty())
                return;
            const std::size_t index = m_ready.front();
            m_ready.pop_front();
            lock.unlock();

            write(m_blocks[index]);

            lock.lock();
            m_free.push_back(index);
            m_changed.notify_all();
            // A table that cannot be written stops: the evaluator need not go on.
            if (m_table.out.error() != 0) {
                m_stopped = true;
                return;
            }
        }
    }

    void stop()
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_changed.notify_all();
    }

    Table& m_table;
    const Steps& m_steps;
    std::array<Block, Blocks> m_blocks;
    std::vector<std::size_t> m_free{0, 1, 2};
    std::deque<std::size_t> m_ready;
    std::exception_ptr m_failure;
    bool m_finished = false;
    bool m_stopped = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

int overLines(Table& table, LineReader& reader, std::string& line, LineReader::Status status, const std::string& name)
{
    // The rows so far go out before the program waits for more input, so that a reader at the
    // other end of a pipe gets each row as soon as its line came (a co-process).
    reader.beforeWaiting([&table] { table.rows.flush(true); });
    for (; status == LineReader::Status::Line && table.out.error() == 0; status = reader.next(line)) {
        std::optional<float> x;
        RowMessage message;
        x = CalculateCommand::readParameter(fromUtf8(line));
        if (x)
            table.row(*x);
        else
            table.rows.write(u"", message.text());
    }
    table.rows.flush();
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

    std::variant<const platform::NumberText*, std::string> numbers = userNumbers();
    if (const std::string* reason = std::get_if<std::string>(&numbers)) {
        complain(*reason);
        return ExitMessage;
    }
    CompiledPostfix compiled(translation.postfix, line.degree ? True : False);
    RowWriter rows(out, *std::get<const platform::NumberText*>(numbers), line.csv);
    Table table{compiled, rows, out};
    if (!line.xsFile) {
        rows.header();
        StepPipeline(table, steps).run();
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
    std::string text;
    const LineReader::Status first = reader.next(text);
    if (first == LineReader::Status::Line || first == LineReader::Status::End)
        rows.header();
    return overLines(table, reader, text, first, name);
}

} // namespace pellitor::cli
