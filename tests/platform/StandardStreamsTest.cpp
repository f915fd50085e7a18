// Reading standard input to its end within a limit: from a pipe (read in chunks) and from a
// regular file (read into room of its length, from where its offset stands), at the sizes
// around a chunk and around the limit.
#include "StandardStreams.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

using pellitor::platform::readAll;
using pellitor::platform::StreamInput;

namespace {

constexpr std::size_t Chunk = 1 << 20;

std::string textOf(std::size_t size)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>('a' + i * 7 % 26);
    return text;
}

StreamInput throughPipe(const std::string& text, std::size_t limit)
{
    // The writer meets a closed pipe when the reader stopped at the limit: an error, no signal.
    struct IgnoredBrokenPipe {
        void (*previous)(int) = std::signal(SIGPIPE, SIG_IGN);
        ~IgnoredBrokenPipe() { std::signal(SIGPIPE, previous); }
    } ignored;
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    std::thread writer([&] {
        std::size_t written = 0;
        while (written < text.size()) {
            const ssize_t got = ::write(ends[1], text.data() + written, text.size() - written);
            if (got <= 0)
                break; // the reader stopped at the limit and closed its end
            written += static_cast<std::size_t>(got);
        }
        ::close(ends[1]);
    });
    StreamInput input = readAll(ends[0], limit);
    ::close(ends[0]);
    writer.join();
    return input;
}

StreamInput throughFile(const std::string& text, std::size_t limit, std::size_t skipped)
{
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    const int descriptor = ::fileno(file);
    EXPECT_EQ(::write(descriptor, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::lseek(descriptor, static_cast<off_t>(skipped), SEEK_SET);
    StreamInput input = readAll(descriptor, limit);
    std::fclose(file);
    return input;
}

} // namespace

TEST(StandardStreams, ReadsToTheEndWithinTheLimit)
{
    const struct {
        std::size_t size;
        std::size_t limit;
        StreamInput::Status status;
    } cases[] = {
        {0, 10, StreamInput::Status::Read},
        {1, 10, StreamInput::Status::Read},
        {10, 10, StreamInput::Status::Read},
        {11, 10, StreamInput::Status::TooLong},
        {Chunk - 1, 4 * Chunk, StreamInput::Status::Read},
        {Chunk, 4 * Chunk, StreamInput::Status::Read},
        {Chunk + 1, 4 * Chunk, StreamInput::Status::Read},
        {3 * Chunk + 5, 4 * Chunk, StreamInput::Status::Read},
        {2 * Chunk, 2 * Chunk, StreamInput::Status::Read},
        {2 * Chunk + 1, 2 * Chunk, StreamInput::Status::TooLong},
        {5 * Chunk, 2 * Chunk, StreamInput::Status::TooLong},
    };
    for (const auto& c : cases) {
        const std::string text = textOf(c.size);
        for (const bool pipe : {true, false}) {
            SCOPED_TRACE(std::to_string(c.size) + " bytes, limit " + std::to_string(c.limit)
                         + (pipe ? ", pipe" : ", file"));
            const StreamInput input = pipe ? throughPipe(text, c.limit) : throughFile(text, c.limit, 0);
            EXPECT_EQ(input.status, c.status);
            if (c.status == StreamInput::Status::Read)
                EXPECT_TRUE(input.bytes == text) << "read " << input.bytes.size() << " bytes";
            else
                EXPECT_TRUE(input.bytes.empty());
        }
    }
}

// A file read from where its offset stands: the limit counts what is left of it.
TEST(StandardStreams, AFileFromItsOffset)
{
    const std::string text = textOf(100);
    StreamInput input = throughFile(text, 60, 40);
    EXPECT_EQ(input.status, StreamInput::Status::Read);
    EXPECT_EQ(input.bytes, text.substr(40));
    EXPECT_EQ(throughFile(text, 59, 40).status, StreamInput::Status::TooLong);
}

TEST(StandardStreams, AFailedReadIsNoEmptyText)
{
    const StreamInput input = readAll(-1, 10);
    EXPECT_EQ(input.status, StreamInput::Status::Failed);
    EXPECT_EQ(input.error, EBADF);
    const int directory = ::open("/", O_RDONLY | O_DIRECTORY);
    EXPECT_EQ(readAll(directory, 10).error, EISDIR);
    ::close(directory);
}
