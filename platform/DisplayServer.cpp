// Which display servers a window program would try, and whether one answers: X11 through libxcb,
// Wayland by connecting to the compositor's socket as libwayland-client does.
#include "DisplayServer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace pellitor::platform {

namespace {
std::string variable(const Environment& environment, const char* name)
{
    const char* value = environment(name);
    return value ? std::string(value) : std::string();
}

DisplayServer x11(const std::string& displayArgument, const Environment& environment)
{
    return {DisplayServer::Kind::X11, displayArgument.empty() ? variable(environment, "DISPLAY") : displayArgument, {}};
}

DisplayServer wayland(const Environment& environment)
{
    std::string name = variable(environment, "WAYLAND_DISPLAY");
    if (name.empty())
        name = "wayland-0";
    return {DisplayServer::Kind::Wayland, name, variable(environment, "XDG_RUNTIME_DIR")};
}

bool connectsToSocket(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}
} // namespace

std::optional<std::vector<DisplayServer>> displayServersFor(const std::vector<std::string>& arguments,
                                                            const Environment& environment)
{
    // Qt reads "--option" as "-option"; the last "-platform" wins, and the X11 plugin takes
    // "-display".
    std::string platform;
    std::string displayArgument;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == "-platform")
            platform = arguments[++i];
        else if (argument == "-display")
            displayArgument = arguments[++i];
    }
    if (platform.empty())
        platform = variable(environment, "QT_QPA_PLATFORM");

    std::vector<DisplayServer> servers;
    const auto add = [&servers](const DisplayServer& server) {
        if (std::find(servers.begin(), servers.end(), server) == servers.end())
            servers.push_back(server);
    };
    if (platform.empty()) {
        if (variable(environment, "XDG_SESSION_TYPE") == "wayland" || environment("WAYLAND_DISPLAY"))
            add(wayland(environment));
        add(x11(displayArgument, environment));
    } else {
        std::string_view list = platform;
        while (!list.empty()) {
            const std::size_t end = std::min(list.find(';'), list.size());
            const std::string_view entry = list.substr(0, end);
            list.remove_prefix(std::min(end + 1, list.size()));
            const std::string_view plugin = entry.substr(0, entry.find(':'));
            if (plugin == "xcb")
                add(x11(displayArgument, environment));
            else if (plugin.starts_with("wayland"))
                add(wayland(environment));
            else if (!plugin.empty())
                return std::nullopt;
        }
    }
    // A compositor handed over as an open socket cannot be probed without taking it.
    const bool waylandSocket = environment("WAYLAND_SOCKET") != nullptr;
    for (const DisplayServer& server : servers) {
        if (server.kind == DisplayServer::Kind::Wayland && waylandSocket)
            return std::nullopt;
    }
    if (servers.empty())
        return std::nullopt;
    return servers;
}

bool isReachable(const DisplayServer& server)
{
    if (server.name.empty())
        return false;
    if (server.kind == DisplayServer::Kind::X11) {
        xcb_connection_t* connection = xcb_connect(server.name.c_str(), nullptr);
        const bool connected = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        return connected;
    }
    if (server.name.front() == '/')
        return connectsToSocket(server.name);
    if (server.runtimeDir.empty())
        return false;
    return connectsToSocket(server.runtimeDir + '/' + server.name);
}

std::string describe(const std::vector<DisplayServer>& servers)
{
    std::string text;
    for (const DisplayServer& server : servers) {
        if (!text.empty())
            text += " and ";
        if (server.kind == DisplayServer::Kind::X11) {
            text += server.name.empty() ? "X11 with DISPLAY unset" : "X11 display '" + server.name + "'";
        } else {
            text += "Wayland display '" + server.name + "'";
            if (server.name.front() != '/' && server.runtimeDir.empty())
                text += " with XDG_RUNTIME_DIR unset";
        }
    }
    return text;
}

} // namespace pellitor::platform
