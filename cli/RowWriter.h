// The rows of a table as pellitor-calc writes them: x and y as the report writes them,
// tab-separated, or comma-separated with a field quoted where it holds a comma (a decimal comma,
// grouping). Rows are gathered in a buffer and written a block at a time.
#pragma once

#include "Evaluation.h"
#include "NumberText.h"
#include "StandardStreams.h"

#include <memory>
#include <string_view>

namespace pellitor::cli {

class RowWriter {
public:
    RowWriter(platform::StandardOutput& out, const platform::NumberText& numbers, bool csv);

    void header() { write(u"x", u"y"); }
    // The row of y at x: its value, or words that no number reads like.
    void write(float x, Evaluation::Outcome outcome, float y, std::u16string_view error = {});
    // A row of two texts: the header, or an empty x and the message of a refused line of --xs.
    void write(std::u16string_view x, std::u16string_view y);

    // Writes the rows gathered so far; with stream, also what the output stream holds, so that a
    // reader at the other end of a pipe sees them now.
    void flush(bool stream = false);

private:
    static constexpr std::size_t BlockBytes = 1 << 16;
    // Room for a row of two numbers (a row of texts makes its own).
    static constexpr std::size_t RowBytes = 2 * (platform::NumberText::LongestUtf8 + 2) + 2;
    static constexpr std::size_t Capacity = BlockBytes + RowBytes;

    char separator() const { return m_csv ? ',' : '\t'; }
    void makeRoom(std::size_t bytes);
    void end();
    void quoteIfComma(char* start);
    void text(std::u16string_view text);

    platform::StandardOutput& m_out;
    const platform::NumberText& m_numbers;
    bool m_csv;
    std::unique_ptr<char[]> m_buffer;
    char* m_at;
};

} // namespace pellitor::cli
