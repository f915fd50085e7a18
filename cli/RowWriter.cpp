// Writing a table's rows.
#include "RowWriter.h"

#include "RowWords.h"
#include "TextCodec.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace pellitor::cli {

using Outcome = Evaluation::Outcome;

RowWriter::RowWriter(platform::StandardOutput& out, const platform::NumberText& numbers, bool csv)
    : m_out(out), m_numbers(numbers), m_csv(csv), m_buffer(new char[Capacity]), m_at(m_buffer.get())
{
}

void RowWriter::write(float x, Outcome outcome, float y, std::u16string_view error)
{
    if (outcome != Outcome::Value) {
        // Words that no number reads like.
        const std::u16string words = rowWords(outcome, error);
        makeRoom(platform::NumberText::LongestUtf8 + 4);
        char* const start = m_at;
        m_at = m_numbers.writeGeneral(m_at, x);
        quoteIfComma(start);
        *m_at++ = separator();
        text(words);
        end();
        return;
    }
    makeRoom(RowBytes);
    char* start = m_at;
    m_at = m_numbers.writeGeneral(m_at, x);
    quoteIfComma(start);
    *m_at++ = separator();
    start = m_at;
    m_at = m_numbers.writeFourDecimals(m_at, y);
    quoteIfComma(start);
    end();
}

void RowWriter::write(std::u16string_view x, std::u16string_view y)
{
    text(x);
    makeRoom(1);
    *m_at++ = separator();
    text(y);
    end();
}

void RowWriter::flush(bool stream)
{
    if (m_at != m_buffer.get()) {
        m_out.write(std::string_view(m_buffer.get(), static_cast<std::size_t>(m_at - m_buffer.get())));
        m_at = m_buffer.get();
    }
    if (stream)
        m_out.flush();
}

void RowWriter::makeRoom(std::size_t bytes)
{
    if (static_cast<std::size_t>(m_buffer.get() + Capacity - m_at) < bytes)
        flush();
}

void RowWriter::end()
{
    makeRoom(1);
    *m_at++ = '\n';
    if (static_cast<std::size_t>(m_at - m_buffer.get()) >= BlockBytes)
        flush();
}

// A number that holds a comma (a decimal comma, grouping) is quoted in CSV.
void RowWriter::quoteIfComma(char* start)
{
    if (!m_csv || std::find(start, m_at, ',') == m_at)
        return;
    std::memmove(start + 1, start, static_cast<std::size_t>(m_at - start));
    *start = '"';
    ++m_at;
    *m_at++ = '"';
}

// A text as it is; in CSV quoted, with its quotes doubled, where it holds a comma, a quote or a
// line break. A text longer than the buffer's room goes out on its own.
void RowWriter::text(std::u16string_view text)
{
    std::string utf8 = toUtf8(text);
    if (m_csv && utf8.find_first_of(",\"\r\n") != std::string::npos) {
        std::string quoted = "\"";
        for (const char c : utf8) {
            if (c == '"')
                quoted += '"';
            quoted += c;
        }
        utf8 = quoted + '"';
    }
    makeRoom(utf8.size());
    if (utf8.size() > Capacity) {
        flush();
        m_out.write(utf8);
        return;
    }
    m_at = std::copy(utf8.begin(), utf8.end(), m_at);
}

} // namespace pellitor::cli
