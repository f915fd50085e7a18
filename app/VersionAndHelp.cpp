// pellitor --version and pellitor --help.
#include "VersionAndHelp.h"

#include "StandardStreams.h"
#include "Version.h"

#include <string>
#include <string_view>

namespace pellitor {

namespace {
constexpr std::string_view Help = "Usage: pellitor [--graph] [--version | --help]\n"
                                  "\n"
                                  "Opens the calculator window; it needs a display server (X11 or Wayland).\n"
                                  "\n"
                                  "  --graph    open the graph window beside it (Ctrl+G in the window does too)\n"
                                  "  --version  print the program's name and version\n"
                                  "  --help     print this help\n"
                                  "\n"
                                  "To calculate from a terminal or a script, without a display, use pellitor-calc\n"
                                  "(pellitor-calc --help).\n";
} // namespace

std::optional<int> answerVersionOrHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg != "--version" && arg != "--help")
            continue;
        platform::StandardOutput out;
        out.write(arg == "--version" ? std::string("pellitor ") + Version + "\n" : std::string(Help));
        if (const int error = out.close()) {
            platform::reportWriteError("pellitor", error);
            return 74;
        }
        return 0;
    }
    return std::nullopt;
}

bool asksForGraph(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--graph")
            return true;
    }
    return false;
}

} // namespace pellitor
