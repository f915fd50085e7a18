// Reads a file or standard input line by line, with a bound on a line's length, so that a table
// over a file holds one line at a time however long the file is.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace pellitor::cli {

class LineReader {
public:
    enum class Status { Line, End, TooLong, Failed };

    // Takes over the descriptor and closes it when done (standard input is left open).
    LineReader(int descriptor, std::size_t lineLimit);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its LF (nor the CR of a CR LF); a last line needs no LF.
    Status next(std::string& line);
    int error() const { return m_error; }
    // Runs action before each read from the descriptor, which may wait for input.
    void beforeWaiting(std::function<void()> action) { m_beforeWaiting = std::move(action); }

private:
    bool fill();

    int m_descriptor;
    std::size_t m_lineLimit;
    std::string m_buffer;
    std::size_t m_start = 0;
    bool m_end = false;
    int m_error = 0;
    std::function<void()> m_beforeWaiting;
};

} // namespace pellitor::cli
