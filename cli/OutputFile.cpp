// Writing a picture's bytes.
#include "OutputFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace pellitor::cli {

namespace {

std::string reason(int error)
{
    return std::strerror(error);
}

// Writes all of bytes at the descriptor's position; the errno of a write that failed, or 0.
int writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// An existing regular file, overwritten from its start and cut to the new length. Room for the
// new bytes is reserved first where the file system can, so that a full disk refuses the
// picture before a byte of the old one is gone.
std::optional<std::string> overwrite(const std::string& path, std::string_view bytes, const struct stat& status)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return reason(errno);
    int error = 0;
    if (static_cast<std::uintmax_t>(status.st_size) < bytes.size()
        && ::fallocate(descriptor, 0, 0, static_cast<off_t>(bytes.size())) != 0 && errno != EOPNOTSUPP)
        error = errno;
    if (error == 0)
        error = writeAll(descriptor, bytes);
    if (error == 0 && ::ftruncate(descriptor, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error != 0)
        return reason(error);
    return std::nullopt;
}

// A new file: written under a temporary name in the same folder, given the mode a new file gets,
// and renamed into place.
std::optional<std::string> create(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target(path);
    std::string temporary = target.parent_path().string();
    if (!temporary.empty())
        temporary += '/';
    temporary += '.';
    temporary.append(target.filename().string());
    temporary.append(".XXXXXX");
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        return reason(errno);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = writeAll(descriptor, bytes);
    if (error == 0 && ::fchmod(descriptor, 0666 & ~mask) != 0)
        error = errno;
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return reason(error);
    }
    return std::nullopt;
}

// The name that a new file for path takes, as the shell's ">" creates it: path itself, or the name
// at the end of the chain of symbolic links that starts there and leads to nothing. A relative
// link is read from the folder of the link. The errno when the chain does not end.
std::variant<std::string, int> nameToCreate(std::string path)
{
    constexpr int MostLinks = 40; // the kernel's bound on a chain of links
    for (int links = 0; links < MostLinks; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            return errno;
        if (static_cast<std::size_t>(length) == target.size())
            return ENAMETOOLONG;
        target.resize(static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        if (!target.starts_with('/') && slash != std::string::npos)
            target.insert(0, path, 0, slash + 1);
        path = std::move(target);
    }
    return ELOOP;
}

} // namespace

std::optional<std::string> writeOutput(const std::string& path, std::string_view bytes)
{
    struct stat target {};
    struct stat standardOutput {};
    const bool toStandardOutput = path == "-"
                                  || (::stat(path.c_str(), &target) == 0 && ::fstat(STDOUT_FILENO, &standardOutput) == 0
                                      && sameFile(target, standardOutput));
    if (toStandardOutput) {
        if (const int error = writeAll(STDOUT_FILENO, bytes))
            return reason(error);
        return std::nullopt;
    }
    if (::stat(path.c_str(), &target) != 0) {
        if (errno != ENOENT)
            return reason(errno);
        // A link that leads nowhere keeps its place: the new file appears where it leads.
        const std::variant<std::string, int> name = nameToCreate(path);
        if (const int* error = std::get_if<int>(&name))
            return reason(*error);
        return create(std::get<std::string>(name), bytes);
    }
    if (S_ISREG(target.st_mode))
        return overwrite(path, bytes, target);
    // A device or a pipe.
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return reason(errno);
    int error = writeAll(descriptor, bytes);
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error != 0)
        return reason(error);
    return std::nullopt;
}

} // namespace pellitor::cli
