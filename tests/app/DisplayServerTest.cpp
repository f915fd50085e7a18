// Which display servers pellitor would use, read from its arguments and environment as Qt reads
// them; how a failed start names them; and the Wayland probe against a real socket.
#include "DisplayServer.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

using pellitor::platform::DisplayServer;
using Kind = DisplayServer::Kind;

namespace {
struct Case {
    const char* what;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> environment;
    std::optional<std::vector<DisplayServer>> servers;
};

const DisplayServer X98{Kind::X11, ":98", {}};
const DisplayServer XUnset{Kind::X11, "", {}};
} // namespace

TEST(DisplayServer, ReadsArgumentsAndEnvironmentAsQtDoes)
{
    const Case cases[] = {
        {"nothing set: Qt's X11", {"pellitor"}, {}, std::vector{XUnset}},
        {"DISPLAY", {"pellitor"}, {{"DISPLAY", ":98"}}, std::vector{X98}},
        {"-display wins over DISPLAY",
         {"pellitor", "-display", ":7"},
         {{"DISPLAY", ":98"}},
         std::vector{DisplayServer{Kind::X11, ":7", {}}}},
        {"Wayland session first",
         {"pellitor"},
         {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":98"}, {"XDG_RUNTIME_DIR", "/run/u"}},
         std::vector{DisplayServer{Kind::Wayland, "wayland-0", "/run/u"}, X98}},
        {"WAYLAND_DISPLAY announces Wayland",
         {"pellitor"},
         {{"WAYLAND_DISPLAY", "wl-1"}},
         std::vector{DisplayServer{Kind::Wayland, "wl-1", ""}, XUnset}},
        {"QT_QPA_PLATFORM=wayland alone",
         {"pellitor"},
         {{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":98"}},
         std::vector{DisplayServer{Kind::Wayland, "wayland-0", ""}}},
        {"a list with options, twice xcb",
         {"pellitor"},
         {{"QT_QPA_PLATFORM", "xcb:x=1;wayland-egl;xcb"}, {"DISPLAY", ":98"}},
         std::vector{X98, DisplayServer{Kind::Wayland, "wayland-0", ""}}},
        {"--platform wins over the variable",
         {"pellitor", "--platform", "xcb"},
         {{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ":98"}},
         std::vector{X98}},
        {"the last -platform wins", {"pellitor", "-platform", "xcb", "-platform", "offscreen"}, {}, std::nullopt},
        {"offscreen needs no display", {"pellitor"}, {{"QT_QPA_PLATFORM", "offscreen"}}, std::nullopt},
        {"an unknown plugin in the list", {"pellitor"}, {{"QT_QPA_PLATFORM", "wayland;nosuch"}}, std::nullopt},
        {"a handed-over Wayland socket",
         {"pellitor"},
         {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_SOCKET", "3"}},
         std::nullopt},
        {"-platform without its value", {"pellitor", "-platform"}, {{"DISPLAY", ":98"}}, std::vector{X98}},
    };
    for (const Case& c : cases) {
        const auto environment = [&c](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(pellitor::platform::displayServersFor(c.arguments, environment), c.servers) << c.what;
    }
}

TEST(DisplayServer, NamesWhatItTried)
{
    using pellitor::platform::describe;
    EXPECT_EQ(describe({X98}), "X11 display ':98'");
    EXPECT_EQ(describe({XUnset}), "X11 with DISPLAY unset");
    EXPECT_EQ(describe({{Kind::Wayland, "wl-1", "/run/u"}, X98}), "Wayland display 'wl-1' and X11 display ':98'");
    EXPECT_EQ(describe({{Kind::Wayland, "wayland-0", ""}}), "Wayland display 'wayland-0' with XDG_RUNTIME_DIR unset");
    EXPECT_EQ(describe({{Kind::Wayland, "/tmp/wl", ""}}), "Wayland display '/tmp/wl'");
}

TEST(DisplayServer, ReachesAListeningWaylandSocketOnly)
{
    char folder[] = "/tmp/pellitor-display-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/wl-test";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(listener, 1), 0);

    using pellitor::platform::isReachable;
    EXPECT_TRUE(isReachable({Kind::Wayland, "wl-test", folder}));
    EXPECT_TRUE(isReachable({Kind::Wayland, path, ""}));
    EXPECT_FALSE(isReachable({Kind::Wayland, "wl-test", ""}));
    EXPECT_FALSE(isReachable({Kind::Wayland, "wl-other", folder}));
    EXPECT_FALSE(isReachable({Kind::Wayland, std::string(200, 'w'), folder}));
    EXPECT_FALSE(isReachable(XUnset));

    ::close(listener);
    // A socket file whose compositor has gone does not answer.
    EXPECT_FALSE(isReachable({Kind::Wayland, "wl-test", folder}));
    ::unlink(path.c_str());
    ::rmdir(folder);
}
