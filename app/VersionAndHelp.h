// pellitor's options of its own: --version and --help, answered before Qt starts, so that they
// work with no display server at all, and --graph.
#pragma once

#include <optional>

namespace pellitor {

// When an argument asks for the version or the help, prints it and gives the exit status:
// 0, or 74 when standard output could not take it. Otherwise gives nothing, and the window opens.
std::optional<int> answerVersionOrHelp(int argc, char** argv);

// Whether the arguments ask for the graph window beside the main window (--graph).
bool asksForGraph(int argc, char** argv);

} // namespace pellitor
