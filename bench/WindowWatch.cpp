// Starts a program on the X display and prints how long it took until its main window was shown.
//
// Usage: window-watch [--timeout SECONDS] PROGRAM [ARGUMENT...]
//
// The clock starts just before the fork that execs PROGRAM and stops at the MapNotify of the first
// top-level window that the program maps (its _NET_WM_PID names the child; override-redirect
// windows such as tooltips are skipped). Prints "MILLISECONDS PID WINDOW" on stdout and exits 0,
// leaving the program running for the caller to measure and end. The program's stdout goes to
// /dev/null; its stderr is the watcher's. On a timeout or a program that
// ends first, prints the reason on stderr and exits 1.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// The _NET_WM_PID of a window, if it has one.
std::optional<long> windowPid(Display* display, Window window)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && type == XA_CARDINAL && format == 32 && count == 1)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

int usage()
{
    std::fprintf(stderr, "Usage: window-watch [--timeout SECONDS] PROGRAM [ARGUMENT...]\n");
    return 64;
}

} // namespace

int main(int argc, char** argv)
{
    int first = 1;
    double timeoutSeconds = 30;
    if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
        timeoutSeconds = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc)
        return usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window-watch: cannot open the display\n");
        return 1;
    }
    // Tell the server first, so that no map of the program can come before we listen.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The program's output would hold the caller's pipe open for as long as the program runs.
        close(ConnectionNumber(display));
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDOUT_FILENO);
        execvp(argv[first], argv + first);
        std::perror("window-watch: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("window-watch: fork");
        return 1;
    }

    const auto deadline = start
                          + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeoutSeconds));
    const char* failure = "the program showed no window in time";
    while (Clock::now() < deadline) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            failure = "the program ended before it showed a window";
            break;
        }
        if (XPending(display) == 0) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.override_redirect)
            continue;
        const Clock::time_point shown = Clock::now();
        const std::optional<long> pid = windowPid(display, event.xmap.window);
        if (pid && *pid != child)
            continue;
        const double milliseconds = std::chrono::duration<double, std::milli>(shown - start).count();
        std::printf("%.1f %d 0x%lx\n", milliseconds, static_cast<int>(child), event.xmap.window);
        XCloseDisplay(display);
        return 0;
    }
    std::fprintf(stderr, "window-watch: %s\n", failure);
    kill(child, SIGTERM);
    XCloseDisplay(display);
    return 1;
}
