"""Display servers for checks and measurements of the real program: Xvfb, openbox as its window
manager, and weston nested in it.

Every program started here gets an empty home and configuration folder, United States English and
no session bus. Used by scripts/desktop-check, scripts/a11y-check and bench/cost.
"""
import os
import subprocess
import sys
import tempfile
import time


def cpu_seconds(pid):
    """CPU time of all the threads of a process, in seconds (scheduler statistics, nanoseconds)."""
    total = 0
    try:
        tasks = os.listdir(f"/proc/{pid}/task")
    except FileNotFoundError:
        return 0.0
    for task in tasks:
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return total / 1e9


def idle_cpu_percent(pids, seconds):
    """CPU of each process over an idle spell, in percent of one core."""
    before = [cpu_seconds(pid) for pid in pids]
    start = time.monotonic()
    time.sleep(seconds)
    elapsed = time.monotonic() - start
    after = [cpu_seconds(pid) for pid in pids]
    # a thread that ended during the spell takes its time with it: never report less than 0
    return [max(0.0, 100 * (a - b) / elapsed) for a, b in zip(after, before)]


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise RuntimeError(f"{what} did not happen within {seconds} s")
        time.sleep(0.05)


class Xvfb:
    """A virtual X display with no window manager; weston may run nested in it."""

    def __init__(self, width=1280, height=1024, number=None):
        """number: the display to use (default: the first free one from :90 on)."""
        self.size = (width, height)
        self.number = self.free_display() if number is None else number
        self.home = tempfile.TemporaryDirectory(prefix="pellitor-display-")
        self.log_path = os.path.join(self.home.name, "servers.log")
        self.log = open(self.log_path, "w")
        # -noreset: the server keeps its state when the last program disconnects, as a desktop's does
        self.server = subprocess.Popen(
            ["Xvfb", f":{self.number}", "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=self.log)
        wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{self.number}") or self.server.poll() is not None,
                 10, "Xvfb's start")
        if self.server.poll() is not None:
            raise RuntimeError("Xvfb ended at once:\n" + self.log_tail())
        time.sleep(0.2)
        self.runtime = os.path.join(self.home.name, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        for folder in ("config", "cache"):
            os.makedirs(os.path.join(self.home.name, folder))

    @staticmethod
    def free_display():
        """A display number with no X server."""
        for number in range(90, 200):
            if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
                return number
        sys.exit("no free X display number")

    def environment(self, **extra):
        """The environment of a program on this X display."""
        home = self.home.name
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "DISPLAY": f":{self.number}",
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, "config"),
            "XDG_CACHE_HOME": os.path.join(home, "cache"),
            "XDG_RUNTIME_DIR": self.runtime,
            "LANG": "en_US.UTF-8",
            "LC_ALL": "en_US.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            "NO_AT_BRIDGE": "1",
        }
        env.update(extra)
        return env

    def pointer_to(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y)], env=self.environment(), check=True)

    def log_tail(self):
        self.log.flush()
        with open(self.log_path) as log:
            return log.read()[-2000:]

    def close(self):
        self.server.terminate()
        self.server.wait()
        self.log.close()
        self.home.cleanup()


class Openbox:
    """openbox managing an Xvfb display: frames with title bars around the windows, as a desktop's."""

    def __init__(self, xvfb):
        self.server = subprocess.Popen(["openbox"], env=xvfb.environment(), stdout=xvfb.log, stderr=xvfb.log)

        def managing():
            if self.server.poll() is not None:
                raise RuntimeError("openbox ended at once:\n" + xvfb.log_tail())
            root = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=xvfb.environment(),
                                  capture_output=True, text=True).stdout
            return "window id" in root

        wait_for(managing, 10, "openbox's start")

    def close(self):
        self.server.terminate()
        self.server.wait()


class Weston:
    """weston nested in an Xvfb display, its output filling the display's top-left corner.

    The desktop shell with no panel, no idle lock and a plain background; the output's pixels are
    the X display's, so X tools read and drive it (screenshots, xdotool moving the pointer).
    """

    def __init__(self, xvfb, shell="desktop-shell.so", width=1000, height=800):
        assert width < xvfb.size[0] and height < xvfb.size[1], "the output must leave room outside it"
        self.xvfb = xvfb
        self.size = (width, height)
        self.socket = f"wayland-pellitor-{xvfb.number}"
        self.config = os.path.join(xvfb.home.name, "weston.ini")
        with open(self.config, "w") as config:
            config.write("[core]\nidle-time=0\n\n[shell]\nlocking=false\npanel-position=none\n"
                         "background-color=0xff6f8fa0\n")
        # weston's X11 backend takes no pointer motion until the pointer enters its window: park the
        # pointer outside, so that the first move over the output is an entry.
        xvfb.pointer_to(xvfb.size[0] - 1, xvfb.size[1] - 1)
        self.server = subprocess.Popen(
            ["weston", f"--config={self.config}", "--backend=x11-backend.so", "--use-pixman",
             f"--shell={shell}", f"--socket={self.socket}", f"--width={width}", f"--height={height}"],
            env=xvfb.environment(), stdout=xvfb.log, stderr=xvfb.log)
        wait_for(lambda: os.path.exists(os.path.join(xvfb.runtime, self.socket)) or self.server.poll() is not None,
                 20, "weston's start")
        if self.server.poll() is not None:
            raise RuntimeError("weston ended at once:\n" + xvfb.log_tail())
        time.sleep(1)  # the shell's background and the output's first frame

    def environment(self, **extra):
        """The environment of a Wayland client of this compositor: no X display to fall back on."""
        env = self.xvfb.environment(WAYLAND_DISPLAY=self.socket, QT_QPA_PLATFORM="wayland",
                                    GDK_BACKEND="wayland", XDG_SESSION_TYPE="wayland")
        del env["DISPLAY"]
        env.update(extra)
        return env

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(10)
        except subprocess.TimeoutExpired:
            self.server.kill()
            self.server.wait()
