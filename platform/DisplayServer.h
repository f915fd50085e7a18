// The display servers a window program would connect to, read from its arguments and environment
// the way Qt reads them, and whether one of them answers. Qt-free.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pellitor::platform {

struct DisplayServer {
    enum class Kind { X11, Wayland };
    Kind kind;
    std::string name;       // DISPLAY (or -display), WAYLAND_DISPLAY or its default; empty: unset
    std::string runtimeDir; // Wayland: XDG_RUNTIME_DIR, where a relative socket name lies

    bool operator==(const DisplayServer&) const = default;
};

// Reads one environment variable; nullptr when it is unset.
using Environment = std::function<const char*(const char*)>;

// The display servers that the platform plugins requested by "-platform" or QT_QPA_PLATFORM
// (a ';'-separated list, each entry optionally followed by ":options") would use, in order; with
// neither, Qt's own choice: X11, after Wayland where the environment announces a Wayland session.
// Nothing when a requested plugin needs no display server (offscreen, minimal, an unknown name):
// then a failure to start is not for want of a display.
std::optional<std::vector<DisplayServer>> displayServersFor(const std::vector<std::string>& arguments,
                                                            const Environment& environment);

// Whether the server accepts a connection now.
bool isReachable(const DisplayServer& server);

// "X11 display ':5'", "Wayland display 'wayland-0'", joined with " and ".
std::string describe(const std::vector<DisplayServer>& servers);

} // namespace pellitor::platform
