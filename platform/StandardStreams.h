// Standard input and output for the command-line programs, with every failure caught: a script
// must not take a failed read for an empty text, nor a lost output for success.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pellitor::platform {

struct StreamInput {
    enum class Status { Read, TooLong, Failed };
    Status status = Status::Read;
    int error = 0; // the errno of a failed read
    std::string bytes;
};

// Reads the descriptor to its end, but no more than limit bytes: the byte after them ends the
// reading with TooLong. A read that fails (a directory, a closed descriptor) gives Failed.
StreamInput readAll(int descriptor, std::size_t limit);

// Standard output that remembers its first failure, such as a full disk or a closed descriptor.
class StandardOutput {
public:
    void write(std::string_view text);
    // Hands what stdout holds to the system now, for a reader that waits on a pipe.
    void flush();
    // Flushes and closes stdout. Returns 0, or the errno of the first write, flush or close that
    // failed.
    int close();
    // The errno of the first write that failed, or 0: a long output stops early on it.
    int error() const { return m_error; }

private:
    int m_error = 0;
};

// Writes "PROGRAM: cannot write the result: REASON" to stderr.
void reportWriteError(std::string_view program, int error);

} // namespace pellitor::platform
