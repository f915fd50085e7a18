// Line-by-line reading with a bounded buffer.
#include "LineReader.h"

#include <cerrno>
#include <unistd.h>

namespace pellitor::cli {

namespace {
constexpr std::size_t Chunk = 1 << 16;
}

LineReader::LineReader(int descriptor, std::size_t lineLimit) : m_descriptor(descriptor), m_lineLimit(lineLimit) {}

LineReader::~LineReader()
{
    if (m_descriptor > STDIN_FILENO)
        ::close(m_descriptor);
}

bool LineReader::fill()
{
    // Drop what was handed out, so the buffer holds at most one line and one chunk.
    m_buffer.erase(0, m_start);
    m_start = 0;
    const std::size_t held = m_buffer.size();
    m_buffer.resize(held + Chunk);
    if (m_beforeWaiting)
        m_beforeWaiting();
    ssize_t got;
    do
        got = ::read(m_descriptor, m_buffer.data() + held, Chunk);
    while (got < 0 && errno == EINTR);
    m_buffer.resize(held + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got < 0)
        m_error = errno;
    m_end = got <= 0;
    return got > 0;
}

LineReader::Status LineReader::next(std::string& line)
{
    std::size_t searched = m_start;
    for (;;) {
        const std::size_t lf = m_buffer.find('\n', searched);
        if (lf != std::string::npos) {
            line.assign(m_buffer, m_start, lf - m_start);
            m_start = lf + 1;
            break;
        }
        if (m_buffer.size() - m_start > m_lineLimit)
            return Status::TooLong;
        searched = m_buffer.size() - m_start;
        if (m_end || !fill()) {
            if (m_error != 0)
                return Status::Failed;
            if (m_start == m_buffer.size())
                return Status::End;
            line.assign(m_buffer, m_start);
            m_start = m_buffer.size();
            break;
        }
        searched += m_start;
    }
    if (line.size() > m_lineLimit)
        return Status::TooLong;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return Status::Line;
}

} // namespace pellitor::cli
