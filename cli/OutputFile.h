// Where pellitor-calc puts a picture that is ready in memory: standard output ("-", or a name for
// the same file, such as /dev/stdout), a regular file that exists (overwritten in place, so that
// its owner, mode and links stay), a new file (written beside it under another name and renamed,
// so that it appears only when complete; through a symbolic link that leads nowhere, where the
// link leads, as the shell's ">" writes), or a device or a pipe (written as it is).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pellitor::cli {

// Writes bytes to path; the reason when that failed.
std::optional<std::string> writeOutput(const std::string& path, std::string_view bytes);

} // namespace pellitor::cli
