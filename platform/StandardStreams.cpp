// Reading standard input to its end and writing standard output, failures included.
#include "StandardStreams.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace pellitor::platform {

StreamInput readAll(int descriptor, std::size_t limit)
{
    constexpr std::size_t Chunk = 1 << 16;
    StreamInput input;
    std::string& bytes = input.bytes;
    for (;;) {
        const std::size_t held = bytes.size();
        // One byte beyond the limit is enough to tell that the input is too long.
        const std::size_t wanted = std::min(Chunk, limit + 1 - held);
        bytes.resize(held + wanted);
        const ssize_t got = ::read(descriptor, bytes.data() + held, wanted);
        if (got < 0 && errno == EINTR) {
            bytes.resize(held);
            continue;
        }
        if (got < 0) {
            input.status = StreamInput::Status::Failed;
            input.error = errno;
            std::string().swap(bytes);
            return input;
        }
        bytes.resize(held + static_cast<std::size_t>(got));
        if (got == 0)
            return input;
        if (bytes.size() > limit) {
            input.status = StreamInput::Status::TooLong;
            std::string().swap(bytes);
            return input;
        }
    }
}

void StandardOutput::write(std::string_view text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && m_error == 0)
        m_error = errno != 0 ? errno : EIO;
}

void StandardOutput::flush()
{
    errno = 0;
    if (std::fflush(stdout) != 0 && m_error == 0)
        m_error = errno != 0 ? errno : EIO;
}

int StandardOutput::close()
{
    // stdio keeps the error of a failed buffered write; errno tells which it was only right away.
    errno = 0;
    if (std::fflush(stdout) != 0 && m_error == 0)
        m_error = errno != 0 ? errno : EIO;
    if (std::ferror(stdout) && m_error == 0)
        m_error = EIO;
    errno = 0;
    if (std::fclose(stdout) != 0 && m_error == 0)
        m_error = errno != 0 ? errno : EIO;
    return m_error;
}

void reportWriteError(std::string_view program, int error)
{
    std::fprintf(stderr, "%.*s: cannot write the result: %s\n", static_cast<int>(program.size()), program.data(),
                 std::strerror(error));
}

} // namespace pellitor::platform
