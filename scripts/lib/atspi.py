"""A private accessibility bus for checks of the real program, and what a screen reader asks of it.

Session starts a D-Bus session bus and the AT-SPI bus beside it, with accessibility turned on as
a desktop's setting does; the helpers walk, find and read accessibles through libatspi. Needs
Debian's python3-gi, gir1.2-atspi-2.0, at-spi2-core and dbus.
"""
import os
import subprocess
import time
import warnings

import displays

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Qt's bridge answers the text calls that libatspi now calls deprecated (GetTextAtOffset).
warnings.filterwarnings("ignore", category=DeprecationWarning)

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAIT_S = 10


class Session:
    """A private D-Bus session bus with an AT-SPI bus beside it, accessibility turned on."""

    def __init__(self, xvfb):
        path = os.path.join(xvfb.home.name, "session-bus")
        self.daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1", f"--address=unix:path={path}"],
            env=xvfb.environment(), stdout=subprocess.PIPE, stderr=xvfb.log, text=True)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            raise RuntimeError("dbus-daemon gave no address:\n" + xvfb.log_tail())
        # libatspi and Gio in this process find both buses through the environment.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.address
        os.environ["DISPLAY"] = f":{xvfb.number}"
        self.launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                         env=self.environment(xvfb), stdout=xvfb.log, stderr=xvfb.log)
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        displays.wait_for(lambda: self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                            "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)))[0],
                          WAIT_S, "the AT-SPI bus's start")
        # What a desktop's accessibility setting does; Qt's bridge reads it when a program starts.
        self.call("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))))
        Atspi.set_timeout(WAIT_S * 1000, WAIT_S * 1000)

    def environment(self, server, **extra):
        """The environment of a program on server (Xvfb or weston) with this session."""
        env = server.environment(DBUS_SESSION_BUS_ADDRESS=self.address, **extra)
        env.pop("NO_AT_BRIDGE", None)
        return env

    def call(self, name, path, interface, method, arguments):
        reply = self.bus.call_sync(name, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE,
                                   WAIT_S * 1000, None)
        return reply.unpack() if reply else ()

    def close(self):
        for process in (self.launcher, self.daemon):
            process.terminate()
            process.wait()


def application(pid, seconds=20):
    """The accessible application of the process pid, once it has joined the bus."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    raise RuntimeError(f"process {pid} did not appear on the accessibility bus")


def walk(accessible):
    """The accessible and everything under it, depth first."""
    yield accessible
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            yield from walk(child)


def find(app, role, name, under=None, present=True):
    """The first accessible of role and name under app (polled: windows come and go), or None."""
    deadline = time.monotonic() + WAIT_S
    while True:
        app.clear_cache()
        try:
            found = next((a for a in walk(under or app) if a.get_role() == role and a.get_name() == name), None)
        except GLib.Error:
            # An accessible went away during the walk (a window closing): walk again.
            found, vanished = None, True
        else:
            vanished = False
        if not vanished and (found is not None) == present or time.monotonic() > deadline:
            return found
        time.sleep(0.05)


def actions(accessible):
    return [accessible.get_action_name(index) for index in range(accessible.get_n_actions())]


def states(accessible):
    return {state.value_nick for state in accessible.get_state_set().get_states()}


def text_of(box, expected=None):
    """The whole text of a box, polled until it is expected (when given)."""
    deadline = time.monotonic() + WAIT_S
    while True:
        text = box.get_text(0, -1)
        if expected is None or text == expected or time.monotonic() > deadline:
            return text
        time.sleep(0.05)


def press(button):
    """Press through the button's own action, as a screen reader does."""
    return button.do_action(actions(button).index("Press"))


def type_into(box, text):
    box.set_text_contents("")
    box.insert_text(0, text, len(text))
