"""The graph window as a screen reader meets it, for scripts/a11y-check and scripts/l10n-check:
opened with Ctrl+G in the main window, read through the accessibility bus, and checked against the
texts that the build's translation shows.

The texts a language shows come from its Qt Linguist source, read by lrelease's rules, so that the
checks follow the translations as they are written: a message counts with its translation (finished
or not) unless that is empty, vanished or obsolete, and otherwise with its source text, as the window
then shows it.
"""
import os
import subprocess
import time
import xml.etree.ElementTree as ElementTree

import atspi
from atspi import Atspi
from gi.repository import GLib

TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "translations")
WINDOW = "pellitor::graph::GraphWindow"
CANVAS = "pellitor::graph::GraphCanvas"
TRACE = "pellitor::graph::GraphTrace"
ACTIONS = "pellitor::graph::GraphActions"
RANGE = "pellitor::graph::ViewRangeDialog"
CALCULATIONS = "pellitor::graph::CurveCalculations"
# The context menu's entries in their order and the shortcut that each shows; an entry without
# one has its mnemonic as key binding. The shortcuts are Qt's words, English here.
MENU = [("&Copy", "Ctrl+C"), ("&Save As...", "Ctrl+S"), ("&Print...", "Ctrl+P"), ("&Back", "Alt+Left"),
        ("&Forward", "Alt+Right"), ("&Reset View", "Home"), ("Fit &y", "Ctrl+0"), ("Zoom &In", "Ctrl++"),
        ("Zoom &Out", "Ctrl+-"), ("&View Range...", None), ("&Equal Scales", None), ("P&in Curve", "Ctrl+D"),
        ("Pinned &Curves", None), ("&Table of Values", "Ctrl+T"), ("&Help", "F1")]
RANGE_FIELDS = ["x from", "x to", "y from", "y to"]
# The expression box in the main window's client area, which desktop-probe finds on the screen.
TEXT1_CENTRE = (6 + 387 // 2, 23 + 22 // 2)
# y=x/4 over x from -10 to 10: y from -2.5 to 2.5, shown with a twentieth of that as margin.
EXPRESSION = "x/4"
VIEW = ("-10", "10", "-2.75", "2.75")
MOVED_VIEW = ("-8", "12", "-2.75", "2.75")  # Ctrl+Right: a tenth of the width to the right
REFUSED = "2+y"


def translations(file_name):
    """{(context, source): translation} of what lrelease compiles from the source file; {} for
    None (the program's own language)."""
    if file_name is None:
        return {}
    found = {}
    for context in ElementTree.parse(os.path.join(TRANSLATIONS, file_name)).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if message.find("comment") is not None or translation is None or not translation.text:
                continue
            if translation.get("type") in ("vanished", "obsolete"):
                continue
            found[(name, message.findtext("source"))] = translation.text
    return found


def mnemonic(text):
    """The letter after the "&" of a menu entry's text; "" where it has none."""
    at = text.find("&")
    return text[at + 1] if 0 <= at < len(text) - 1 else ""


def texts(file_name, decimal, refusal):
    """What the graph shows in a language: its window's title and its texts' templates filled,
    numbers with the language's decimal separator; refusal is the engine's message for "2+y"."""
    words = translations(file_name)

    def tr(context, source):
        return words.get((context, source), source)

    def view(ends):
        numbers = [end.replace(".", decimal) for end in ends]
        description = tr(CANVAS, "x from %1 to %2; y from %3 to %4")
        for index, number in enumerate(numbers, 1):
            description = description.replace(f"%{index}", number)
        # then what the view holds: y=x/4 has its one zero at 0
        return description + ". " + tr(CANVAS, "Zeros at x = %1").replace("%1", "0")

    return {
        "title": tr(WINDOW, "Graph"),
        "status": tr(WINDOW, "Status"),
        "name": tr(CANVAS, "Graph of y=%1").replace("%1", EXPRESSION),
        "refused name": tr(CANVAS, "Graph of y=%1").replace("%1", REFUSED),
        "description": view(VIEW),
        "moved description": view(MOVED_VIEW),
        "refusal": refusal,
        "trace": tr(TRACE, "x = %1").split("%1")[0],
        "y": tr(TRACE, "y = %1").split("%1")[0],
        "zero": tr(TRACE, "zero at x = %1").replace("%1", "0"),
        # The menu's entries as a reader reads them: without the mnemonic's "&", each with the
        # shortcut shown beside it or else its mnemonic (Alt and the letter after the "&").
        "menu": [(tr(ACTIONS, text).replace("&", ""), shortcut or "Alt+" + mnemonic(tr(ACTIONS, text)).upper())
                 for text, shortcut in MENU],
        # the entry "View Range..." and the key that chooses it in the open menu, its mnemonic
        "view range entry": (tr(ACTIONS, "&View Range...").replace("&", ""),
                             mnemonic(tr(ACTIONS, "&View Range...")).lower()),
        "range": tr(RANGE, "View Range"),
        "range fields": [tr(RANGE, name) for name in RANGE_FIELDS],
        # y=x/4 rises by a quarter everywhere
        "slope": tr(CALCULATIONS, "dy/dx = %1 (± %2)").split("%1")[0] + "0" + decimal + "25 ",
    }


def polled(read, expected):
    """What read() gives, polled until it is expected."""
    deadline = time.monotonic() + atspi.WAIT_S
    while True:
        value = read()
        if value == expected or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


class Announcements:
    """The names that labels take while it listens, as a screen reader hears them: Qt's bridge
    sends object:property-change:accessible-name for each."""

    def __init__(self):
        self.heard = []
        self.listener = Atspi.EventListener.new(
            lambda event: self.heard.append(event.source.get_name() if event.source else ""))
        self.listener.register("object:property-change:accessible-name")

    def wait_for(self, wanted):
        """The first name heard since the last call that wanted(name) accepts, or None."""
        deadline = time.monotonic() + atspi.WAIT_S
        context = GLib.MainContext.default()
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            for index, name in enumerate(self.heard):
                if wanted(name):
                    del self.heard[:index + 1]
                    return name
            time.sleep(0.05)
        return None

    def close(self):
        self.listener.deregister("object:property-change:accessible-name")


class Popups:
    """The popup menus that show while it listens: Qt's bridge lists no popup among the
    application's windows, and a reader meets a menu through the event of its showing."""

    def __init__(self):
        self.shown = []
        self.listener = Atspi.EventListener.new(
            lambda event: event.detail1 and event.source and self.shown.append(event.source))
        self.listener.register("object:state-changed:showing")

    def wait(self):
        """The first popup menu shown since the last call, or None."""
        deadline = time.monotonic() + atspi.WAIT_S
        context = GLib.MainContext.default()
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            while self.shown:
                source = self.shown.pop(0)
                if source.get_role() == Atspi.Role.POPUP_MENU:
                    return source
            time.sleep(0.05)
        return None

    def close(self):
        self.listener.deregister("object:state-changed:showing")


def menu_entries(menu):
    """(name, key binding) of the menu's items, its separators left out."""
    items = [menu.get_child_at_index(index) for index in range(menu.get_child_count())]
    return [(item.get_name(), item.get_key_binding(0) if item.get_n_actions() else None)
            for item in items if item is not None and item.get_role() == Atspi.Role.MENU_ITEM]


def check_menu(verify, app, xvfb, words, view):
    """Shift+F10 on the graph: a popup menu whose entries read by name, each with the shortcut it
    shows; its "View Range..." (by its mnemonic) opens a dialog whose four fields read by name and
    hold the ends of the view shown (x from, x to, y from, y to, as the window writes them); Escape
    closes it."""
    popups = Popups()
    try:
        xdotool(xvfb, "key", "shift+F10")
        menu = popups.wait()
        entries = menu_entries(menu) if menu is not None else None
        verify("Shift+F10 on the graph: a popup menu, its entries by name with their shortcuts",
               entries == words["menu"], repr(entries))
    finally:
        popups.close()
    if menu is None:
        return
    entry, key = words["view range entry"]
    xdotool(xvfb, "key", key)
    dialog = atspi.find(app, Atspi.Role.DIALOG, words["range"])
    if not verify(f'  its "{entry}" ({key}) opens a dialog named "{words["range"]}"', dialog is not None):
        return
    fields = [(a.get_name(), a.get_text(0, -1)) for a in atspi.walk(dialog) if a.get_role() == Atspi.Role.TEXT]
    verify("  its four fields by name, holding the view's ends", fields == list(zip(words["range fields"], view)),
           repr(fields))
    xdotool(xvfb, "key", "Escape")
    verify("  Escape closes it", atspi.find(app, Atspi.Role.DIALOG, words["range"], present=False) is None)


def check_slope(verify, app, xvfb, expression, words):
    """T on the trace of y=x/4 (typed anew into the expression box): the readout's new text, which
    a reader hears, gives its slope."""
    atspi.type_into(expression, EXPRESSION)
    frame = atspi.find(app, Atspi.Role.FRAME, words["title"])
    graphic = frame and next((a for a in atspi.walk(frame) if a.get_role() == Atspi.Role.IMAGE), None)
    if graphic is None or polled(graphic.get_name, words["name"]) != words["name"]:
        verify(f'"{EXPRESSION}" typed anew: the graph named after it', False)
        return
    announcements = Announcements()
    try:
        xdotool(xvfb, "key", "t")
        heard = announcements.wait_for(lambda name: words["slope"] in name)
        verify(f'T: the slope announced, "{words["slope"].strip()}..."', heard is not None,
               repr(heard) + " of " + repr(announcements.heard[-3:]))
    finally:
        announcements.close()


def xdotool(xvfb, *args):
    subprocess.run(["xdotool", *map(str, args)], env=xvfb.environment(), check=True)


def open_graph(app, xvfb, probe, title):
    """Ctrl+G, typed into the main window once a click in its expression box has made it the
    active window; the graph's frame, or None."""
    located = subprocess.run([probe, "locate"], env=xvfb.environment(), capture_output=True, text=True)
    if located.returncode != 0:
        return None
    x, y = map(int, located.stdout.split())
    xdotool(xvfb, "mousemove", x + TEXT1_CENTRE[0], y + TEXT1_CENTRE[1])
    time.sleep(0.1)  # weston's X11 backend takes the pointer's entry before the click
    xdotool(xvfb, "click", "1")
    xdotool(xvfb, "key", "ctrl+g")
    return atspi.find(app, Atspi.Role.FRAME, title)


def check_graph(verify, app, xvfb, probe, expression, words):
    """The graph of the expression box's text opened with Ctrl+G and read through the bus: a frame
    named by its title; a graphic named after the expression and described by its view, which
    follows a move by the keyboard; the status line, which gives the message of a refused
    expression. verify(what, passed, detail) reports each finding."""
    atspi.type_into(expression, EXPRESSION)
    frame = open_graph(app, xvfb, probe, words["title"])
    if not verify(f'Ctrl+G opens a frame named "{words["title"]}"', frame is not None):
        return
    graphic = next((a for a in atspi.walk(frame) if a.get_role() == Atspi.Role.IMAGE), None)
    # Qt's bridge gives a graphic the role image.
    if not verify('  a graphic in it, of the role "image"', graphic is not None,
                  repr([(a.get_role_name(), a.get_name()) for a in atspi.walk(frame)])):
        return
    name = polled(graphic.get_name, words["name"])
    verify("  named after the expression", name == words["name"], repr(name))
    description = polled(graphic.get_description, words["description"])
    verify("  described by its view", description == words["description"], repr(description))
    xdotool(xvfb, "key", "ctrl+Right")
    description = polled(graphic.get_description, words["moved description"])
    verify("  Ctrl+Right moves the view, and the description follows", description == words["moved description"],
           repr(description))

    # A move of the trace and a jump, each heard as the readout's new text.
    announcements = Announcements()
    try:
        xdotool(xvfb, "key", "Right")
        heard = announcements.wait_for(lambda name: name.startswith(words["trace"]))
        verify("  a move of the trace (Right) is announced", heard is not None, repr(heard))
        readouts = polled(lambda: readout_texts(frame, words)[:1], [heard])
        verify("  the readout reads a y there", len(readouts) == 1, repr(readouts))
        xdotool(xvfb, "key", "shift+z")
        heard = announcements.wait_for(lambda name: name == words["zero"])
        verify("  a jump to the zero on the left (Shift+Z) is announced", heard is not None,
               repr(heard) + " of " + repr(announcements.heard[-3:]))
    finally:
        announcements.close()

    status = atspi.find(app, Atspi.Role.LABEL, words["status"], frame)
    if not verify(f'  a label named "{words["status"]}"', status is not None):
        return
    atspi.type_into(expression, REFUSED)
    name = polled(graphic.get_name, words["refused name"])
    verify(f'  "{REFUSED}" typed into the expression box: the graph named after it', name == words["refused name"],
           repr(name))
    message = polled(status.get_description, words["refusal"])
    verify("  the status gives its message as description", message == words["refusal"], repr(message))
    # No y of the expression before stays: a reader finds the readout empty.
    readouts = polled(lambda: readout_texts(frame, words), [])
    verify("  and the readout gives no y of the expression before", readouts == [], repr(readouts))


def readout_texts(frame, words):
    """The labels of the graph's frame that read a y."""
    return [a.get_name() for a in atspi.walk(frame)
            if a.get_role() == Atspi.Role.LABEL and words["y"] in (a.get_name() or "")]
