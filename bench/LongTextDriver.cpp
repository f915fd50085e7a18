// Drives a running pellitor on an X display as a person does, with a long expression, and times
// each step from the input sent to the window's next frame that shows it.
//
// Usage: longtext-driver --pid PID --window WINDOW --length N [--kind KIND] [--idle SECONDS]
//                        [--server-pid PID]
//
// With the kind "expression" (the default) the driver owns the clipboard with an expression of N
// characters (x+x+...+x), clicks into the expression box, pastes with Ctrl+V, types a key,
// presses Enter (the Calculate command), clicks the "Angle" option, clicks into the result box
// and types a key there, clicks on "Arc", and spends idle spells with the pointer outside the
// window after the paste, after the Calculate and with the caret in the result box.
//
// Other kinds bring a text no expression is made of, N UTF-16 units long: "rtl" (Hebrew words),
// "mixed" (Hebrew, Arabic, digits and a right-to-left override), "marks" (a letter and combining
// marks), "wide" (every character beyond the Basic Multilingual Plane in turn), "controls" (the
// control characters, line breaks among them). The driver pastes it into the expression box and
// types a key there, then clicks into the result box, pastes it there too and types a key, with
// the same idle spells, and clicks on "Arc".
//
// The kind "lines" brings N lines of "1" (a pasted report) into the result box: the driver clicks
// into it, pastes them at its end, goes to its start with Ctrl+Home, pastes them there, undoes
// that paste with Ctrl+Z and redoes it with Ctrl+Shift+Z, and clicks on "Arc".
//
// Before each input the driver waits until the window has sent no frame (but a caret's blink)
// for 0.3 s. The input goes through the XTEST extension; "shown" is the first DAMAGE
// notification, after the input was sent, of a rectangle that overlaps the control which must
// change (and, for a key, is wider than a blinking caret): the program has painted and its frame
// has reached the X server.
//
// Prints "NAME VALUE" lines: milliseconds, idle CPU in percent of one core (of the program, and
// of the X server when its pid is given), the frames the window sent per second of each idle
// spell, and the program's peak resident memory in KiB.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Where the controls lie in the window, in pixels: the main window's layout table in twips / 15.
struct Area {
    int x, y, width, height;
    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
    bool overlaps(const XRectangle& r) const
    {
        return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
    }
};
constexpr Area Text1{6, 23, 387, 22};
constexpr Area Option1{294, 5, 43, 13};
constexpr Area Option2{342, 5, 49, 13};
constexpr Area Text4{15, 176, 373, 55}; // inside the frame "Result" at (6, 161)

// A blinking caret repaints a strip a few pixels wide; anything wider is the content changing.
constexpr int CaretStrip = 16;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "longtext-driver: %s\n", what);
    std::exit(1);
}

double cpuSeconds(pid_t pid)
{
    double total = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        unsigned long long nanoseconds = 0;
        if (stat >> nanoseconds)
            total += nanoseconds / 1e9;
    }
    return total;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

class Driver {
public:
    Driver(Window target, std::string text) : m_target(target), m_text(std::move(text))
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            fail("cannot open the display");
        int error = 0, major = 0, minor = 0;
        if (!XDamageQueryExtension(m_display, &m_damageEvent, &error))
            fail("the X server has no DAMAGE extension");
        if (!XTestQueryExtension(m_display, &error, &error, &major, &minor))
            fail("the X server has no XTEST extension");
        XDamageCreate(m_display, m_target, XDamageReportRawRectangles);
        m_clipboard = XInternAtom(m_display, "CLIPBOARD", False);
        m_targets = XInternAtom(m_display, "TARGETS", False);
        m_utf8 = XInternAtom(m_display, "UTF8_STRING", False);
        m_owner = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0);
        // The whole text goes in one property: simpler than the incremental protocol, and the
        // program reads it the same way in either case.
        const long limit = XExtendedMaxRequestSize(m_display) ? XExtendedMaxRequestSize(m_display)
                                                              : XMaxRequestSize(m_display);
        if (static_cast<long>(m_text.size()) > limit * 4 - 1024)
            fail("the text is longer than one X request can carry");
        XSetSelectionOwner(m_display, m_clipboard, m_owner, CurrentTime);
        if (XGetSelectionOwner(m_display, m_clipboard) != m_owner)
            fail("cannot own the clipboard");
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(m_display, m_target, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
        m_originX = x;
        m_originY = y;
        XSync(m_display, False);
    }
    ~Driver() { XCloseDisplay(m_display); }

    void moveTo(int x, int y)
    {
        XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
        XFlush(m_display);
    }
    void moveInto(const Area& area) { moveTo(m_originX + area.centreX(), m_originY + area.centreY()); }
    void moveOutside()
    {
        const Screen* screen = DefaultScreenOfDisplay(m_display);
        moveTo(WidthOfScreen(screen) - 2, HeightOfScreen(screen) - 2);
    }

    // Clicks the middle of the area; returns the milliseconds until the area's next frame, which
    // may be only the caret moving.
    double click(const Area& area)
    {
        moveInto(area);
        quiet(); // and the hover repaint that the pointer's arrival may cause is done
        const Clock::time_point start = Clock::now();
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
        return waitForFrame(area, start, 0);
    }

    // Presses the keys (modifiers first) and releases them in reverse order; returns the
    // milliseconds until the area's next frame.
    double keys(std::vector<KeySym> symbols, const Area& area)
    {
        quiet();
        const Clock::time_point start = Clock::now();
        for (KeySym symbol : symbols)
            XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, symbol), True, CurrentTime);
        for (auto it = symbols.rbegin(); it != symbols.rend(); ++it)
            XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, *it), False, CurrentTime);
        XFlush(m_display);
        return waitForFrame(area, start, CaretStrip);
    }

    // Answers clipboard requests and drops frames for the given seconds.
    int settle(double seconds)
    {
        int frames = 0;
        const Clock::time_point end = Clock::now() + toDuration(seconds);
        while (Clock::now() < end) {
            XEvent event;
            if (!nextEvent(event, end))
                break;
            if (event.type == m_damageEvent + XDamageNotify)
                ++frames;
        }
        return frames;
    }

    // Waits until the window has sent no frame wider than a caret for a while, so that a late
    // frame of the last step is not taken for the answer to the next.
    void quiet()
    {
        const Clock::duration calm = toDuration(0.3);
        const Clock::time_point deadline = Clock::now() + std::chrono::minutes(2);
        Clock::time_point calmSince = Clock::now();
        XEvent event;
        while (nextEvent(event, std::min(calmSince + calm, deadline))) {
            if (event.type == m_damageEvent + XDamageNotify
                && reinterpret_cast<XDamageNotifyEvent&>(event).area.width > CaretStrip)
                calmSince = Clock::now();
        }
    }

private:
    static Clock::duration toDuration(double seconds)
    {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    }

    double waitForFrame(const Area& area, Clock::time_point start, int narrowest)
    {
        const Clock::time_point deadline = start + std::chrono::minutes(2);
        XEvent event;
        while (nextEvent(event, deadline)) {
            if (event.type != m_damageEvent + XDamageNotify)
                continue;
            const XRectangle& r = reinterpret_cast<XDamageNotifyEvent&>(event).area;
            if (r.width > narrowest && area.overlaps(r))
                return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        fail("the window showed no frame within two minutes");
    }

    // The next event other than a clipboard request (those are answered here), or false when
    // the deadline passed first.
    bool nextEvent(XEvent& event, Clock::time_point deadline)
    {
        for (;;) {
            while (XPending(m_display) == 0) {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
                if (left.count() <= 0)
                    return false;
                pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
                poll(&connection, 1, static_cast<int>(std::min<long>(left.count() + 1, 100)));
            }
            XNextEvent(m_display, &event);
            if (event.type == SelectionRequest)
                answer(event.xselectionrequest);
            else
                return true;
        }
    }

    void answer(const XSelectionRequestEvent& request)
    {
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.display = request.display;
        reply.requestor = request.requestor;
        reply.selection = request.selection;
        reply.target = request.target;
        reply.time = request.time;
        reply.property = request.property ? request.property : request.target;
        if (request.target == m_targets) {
            const Atom offered[] = {m_targets, m_utf8, XA_STRING};
            XChangeProperty(m_display, request.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(offered), 3);
        } else if (request.target == m_utf8 || request.target == XA_STRING) {
            XChangeProperty(m_display, request.requestor, reply.property, request.target, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(m_text.data()), static_cast<int>(m_text.size()));
        } else {
            reply.property = None;
        }
        XSendEvent(m_display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
        XFlush(m_display);
    }

    Display* m_display = nullptr;
    Window m_target;
    Window m_owner = 0;
    std::string m_text;
    int m_damageEvent = 0;
    int m_originX = 0;
    int m_originY = 0;
    Atom m_clipboard = 0, m_targets = 0, m_utf8 = 0;
};

struct Options {
    pid_t pid = 0;
    pid_t serverPid = 0;
    Window window = 0;
    long length = 0;
    std::string kind = "expression";
    double idle = 3;
};

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--pid")
            options.pid = std::atoi(value);
        else if (name == "--server-pid")
            options.serverPid = std::atoi(value);
        else if (name == "--window")
            options.window = std::strtoul(value, nullptr, 0);
        else if (name == "--length")
            options.length = std::atol(value);
        else if (name == "--idle")
            options.idle = std::atof(value);
        else if (name == "--kind")
            options.kind = value;
        else
            fail("usage: longtext-driver --pid PID --window WINDOW --length N [--kind KIND] [--idle SECONDS] "
                 "[--server-pid PID]");
    }
    if (!options.pid || !options.window || options.length < 1)
        fail("--pid, --window and --length are needed");
    return options;
}

// x+x+...+x, cut to the length (a cut after "+" still calculates: the key typed next is an x).
std::string expression(long length)
{
    std::string text;
    text.reserve(length);
    while (static_cast<long>(text.size()) < length)
        text += text.empty() ? "x" : "+x";
    text.resize(length);
    return text;
}

void appendUtf8(std::string& text, char32_t code)
{
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
}

// A hostile text of the kind, length UTF-16 units long, as UTF-8.
std::string hostile(const std::string& kind, long length)
{
    std::vector<char32_t> pattern;
    if (kind == "rtl")
        pattern = {0x5D0, 0x5D1, 0x5D2, 0x5D3, ' '};
    else if (kind == "mixed")
        pattern = {0x5E9, 0x5DC, 0x5D5, 0x5DD, ' ', 0x645,  0x631, 0x62D, 0x628,
                   0x627, ' ',   '1',   '2',   ' ', 0x202E, 'a',   'b'};
    else if (kind == "controls")
        for (char32_t code = 1; code < 0x20; ++code)
            pattern.push_back(code);
    else if (kind != "marks" && kind != "wide")
        fail("--kind is one of expression, rtl, mixed, marks, wide, controls, lines");
    std::string text;
    long units = 0;
    for (long i = 0; units < length; ++i) {
        char32_t code = 0;
        if (kind == "marks")
            code = i == 0 ? 'a' : 0x301;
        else if (kind == "wide")
            code = 0x10000 + char32_t(i % 0x100000);
        else
            code = pattern[std::size_t(i) % pattern.size()];
        const long size = code >= 0x10000 ? 2 : 1;
        if (units + size > length)
            break;
        appendUtf8(text, code);
        units += size;
    }
    return text;
}

void idleSpell(Driver& driver, const Options& options, const char* name)
{
    driver.moveOutside();
    driver.settle(1); // the hover poll rests, and what the last step started is painted
    const double before = cpuSeconds(options.pid);
    const double serverBefore = options.serverPid ? cpuSeconds(options.serverPid) : 0;
    const Clock::time_point start = Clock::now();
    const int frames = driver.settle(options.idle);
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("idle_cpu_%s %.3f\n", name, 100 * (cpuSeconds(options.pid) - before) / elapsed);
    if (options.serverPid)
        std::printf("idle_server_cpu_%s %.3f\n", name, 100 * (cpuSeconds(options.serverPid) - serverBefore) / elapsed);
    std::printf("idle_frames_%s %.1f\n", name, frames / elapsed);
    std::fflush(stdout);
}

void report(const char* name, double milliseconds)
{
    std::printf("%s %.1f\n", name, milliseconds);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    if (options.kind == "lines") {
        std::string lines;
        for (long i = 0; i < options.length; ++i)
            lines += "1\n";
        Driver driver(options.window, lines);
        driver.click(Text4);
        driver.settle(0.5);
        report("paste_end_ms", driver.keys({XK_Control_L, XK_v}, Text4));
        driver.keys({XK_Control_L, XK_Home}, Text4);
        report("paste_start_ms", driver.keys({XK_Control_L, XK_v}, Text4));
        report("undo_ms", driver.keys({XK_Control_L, XK_z}, Text4));
        report("redo_ms", driver.keys({XK_Control_L, XK_Shift_L, XK_z}, Text4));
        idleSpell(driver, options, "text4");
        report("click_arc_ms", driver.click(Option1));
        std::printf("peak_rss_kib %ld\n", peakResidentKiB(options.pid));
        return 0;
    }
    if (options.kind != "expression") {
        Driver driver(options.window, hostile(options.kind, options.length));
        driver.click(Text1);
        driver.settle(0.5);
        report("paste_ms", driver.keys({XK_Control_L, XK_v}, Text1));
        idleSpell(driver, options, "text1");
        report("key_ms", driver.keys({XK_x}, Text1));
        report("click_result_ms", driver.click(Text4));
        report("paste_result_ms", driver.keys({XK_Control_L, XK_v}, Text4));
        report("key_result_ms", driver.keys({XK_x}, Text4));
        idleSpell(driver, options, "text4");
        report("click_arc_ms", driver.click(Option1));
        std::printf("peak_rss_kib %ld\n", peakResidentKiB(options.pid));
        return 0;
    }
    Driver driver(options.window, expression(options.length));

    driver.click(Text1);
    driver.settle(0.5);
    report("paste_ms", driver.keys({XK_Control_L, XK_v}, Text1));
    idleSpell(driver, options, "text1");
    report("key_ms", driver.keys({XK_x}, Text1));
    report("calculate_ms", driver.keys({XK_Return}, Text4));
    idleSpell(driver, options, "report");
    report("click_angle_ms", driver.click(Option2));
    report("click_result_ms", driver.click(Text4));
    report("key_result_ms", driver.keys({XK_x}, Text4));
    idleSpell(driver, options, "text4");
    report("click_arc_ms", driver.click(Option1));
    std::printf("peak_rss_kib %ld\n", peakResidentKiB(options.pid));
    return 0;
}
