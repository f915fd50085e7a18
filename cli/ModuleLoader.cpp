// Finding, checking and loading a module.
#include "ModuleLoader.h"

#include "ModuleBuild.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace pellitor::cli {

namespace {

// Reads count bytes at offset; false when the file holds fewer.
bool readAt(int descriptor, void* into, std::size_t count, off_t offset)
{
    auto* bytes = static_cast<char*>(into);
    while (count > 0) {
        const ssize_t got = ::pread(descriptor, bytes, count, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        count -= static_cast<std::size_t>(got);
        offset += got;
    }
    return true;
}

bool within(std::uint64_t offset, std::uint64_t length, std::uint64_t size)
{
    return offset <= size && length <= size - offset;
}

// The machine the program itself was built for.
std::uint16_t ownMachine()
{
    Elf64_Ehdr header{};
    const int descriptor = ::open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) {
        readAt(descriptor, &header, sizeof header, 0);
        ::close(descriptor);
    }
    return header.e_machine;
}

// Why the file cannot be a shared object of this machine that the loader maps safely, or nothing.
// The loader maps each loadable segment from the file; a segment that reaches beyond its end
// would be a fault (SIGBUS) at the first touch, not an error. The file is opened without
// waiting, so that a FIFO or a device in its place is refused instead of waited on for ever.
std::string unfit(const std::filesystem::path& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return std::strerror(errno);
    struct stat status {};
    Elf64_Ehdr header{};
    std::string reason;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = "it is not a regular file";
    } else if (status.st_size == 0) {
        reason = "it is empty";
    } else if (!readAt(descriptor, &header, sizeof header, 0) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) {
        reason = "it is not a shared object";
    } else if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB
               || header.e_type != ET_DYN || header.e_machine != ownMachine()
               || header.e_phentsize != sizeof(Elf64_Phdr)) {
        reason = "it is not a shared object for this machine";
    } else {
        const auto size = static_cast<std::uint64_t>(status.st_size);
        std::vector<Elf64_Phdr> segments(header.e_phnum);
        bool whole = within(header.e_phoff, std::uint64_t{header.e_phnum} * sizeof(Elf64_Phdr), size)
                     && readAt(descriptor, segments.data(), segments.size() * sizeof(Elf64_Phdr),
                               static_cast<off_t>(header.e_phoff))
                     && (header.e_shoff == 0
                         || within(header.e_shoff, std::uint64_t{header.e_shnum} * header.e_shentsize, size));
        for (const Elf64_Phdr& segment : segments)
            whole = whole && within(segment.p_offset, segment.p_filesz, size);
        if (!whole)
            reason = "it is cut short";
    }
    ::close(descriptor);
    return reason;
}

} // namespace

std::variant<void*, std::string> loadModuleSymbol(const std::string& name, const char* symbol)
{
    std::error_code failed;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", failed).parent_path();
    for (const std::filesystem::path& candidate : {folder / name, folder / PELLITOR_MODULES_FROM_BINDIR / name}) {
        if (!std::filesystem::exists(candidate, failed))
            continue;
        const std::string where = candidate.lexically_normal().string();
        if (const std::string reason = unfit(candidate); !reason.empty())
            return where + ": " + reason;
        void* const module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr)
            return std::string(::dlerror());
        const auto* build = static_cast<const char* const*>(::dlsym(module, ModuleBuildSymbol));
        // A module from another build stays loaded: the program ends with the message, and the
        // libraries that came with it (Qt, the GL dispatch) do not all give back their memory
        // when they are unloaded.
        if (build == nullptr || std::strcmp(*build, ModuleBuild) != 0)
            return where + ": it is from another build of pellitor";
        if (void* const entry = ::dlsym(module, symbol))
            return entry;
        return where + ": " + ::dlerror();
    }
    return "no " + name + " beside the program or in "
           + (folder / PELLITOR_MODULES_FROM_BINDIR).lexically_normal().string();
}

} // namespace pellitor::cli
