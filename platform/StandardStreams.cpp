// Reading standard input to its end and writing standard output, failures included.
#include "StandardStreams.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace pellitor::platform {

namespace {

// Reads into room of up to count bytes at into, retrying an interrupted read; the bytes read, or
// -1 with errno set.
ssize_t readSome(int descriptor, char* into, std::size_t count)
{
    for (;;) {
        const ssize_t got = ::read(descriptor, into, count);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

StreamInput failed(int error)
{
    StreamInput input;
    input.status = StreamInput::Status::Failed;
    input.error = error;
    return input;
}

StreamInput tooLong()
{
    StreamInput input;
    input.status = StreamInput::Status::TooLong;
    return input;
}

} // namespace

// The limit holds while reading: no more than one chunk beyond it is ever held. A regular file
// tells its length first, so one that is too long is refused unread, and the text of one that
// is not is read into room of exactly its length. Anything else (a pipe, a device) is read in
// chunks, which become the text at the end, each freed as soon as it is copied, so that the
// text is never held twice and a growing string never holds its old and its new room at once.
StreamInput readAll(int descriptor, std::size_t limit)
{
    constexpr std::size_t Chunk = 1 << 20;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        const off_t position = ::lseek(descriptor, 0, SEEK_CUR);
        if (position >= 0 && status.st_size >= position) {
            const auto length = static_cast<std::uint64_t>(status.st_size - position);
            if (length > limit)
                return tooLong();
            StreamInput input;
            // One byte more tells whether the file grew while it was read.
            input.bytes.resize(static_cast<std::size_t>(length) + 1);
            std::size_t held = 0;
            for (;;) {
                if (held == input.bytes.size()) {
                    if (held > limit)
                        return tooLong();
                    input.bytes.resize(std::min(held + Chunk, limit + 1));
                }
                const ssize_t got = readSome(descriptor, input.bytes.data() + held, input.bytes.size() - held);
                if (got < 0)
                    return failed(errno);
                if (got == 0)
                    break;
                held += static_cast<std::size_t>(got);
            }
            if (held > limit)
                return tooLong();
            input.bytes.resize(held);
            return input;
        }
    }

    std::vector<std::unique_ptr<char[]>> chunks;
    std::size_t total = 0;
    std::size_t inLast = Chunk;
    for (;;) {
        if (inLast == Chunk) {
            chunks.push_back(std::make_unique_for_overwrite<char[]>(Chunk));
            inLast = 0;
        }
        const ssize_t got = readSome(descriptor, chunks.back().get() + inLast, Chunk - inLast);
        if (got < 0)
            return failed(errno);
        if (got == 0)
            break;
        inLast += static_cast<std::size_t>(got);
        total += static_cast<std::size_t>(got);
        if (total > limit)
            return tooLong();
    }
    StreamInput input;
    input.bytes.reserve(total);
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        input.bytes.append(chunks[i].get(), i + 1 < chunks.size() ? Chunk : inLast);
        chunks[i].reset();
    }
    return input;
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
