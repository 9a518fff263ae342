#!/usr/bin/python3
"""Plays the table the way a screen-reader user does, through AT-SPI only.

Starts the program, finds the Red spot by its accessible name, presses it
through its action, reads its stake and the amount bet back, gives the
layout the focus and hears the spot under its mark named, then presses
START through its action and checks the winning number, pay out and winnings
that the settled spin announces against the last-number strip and the odds.
Usage: atspi_play.py <program>
"""
import ctypes
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SKIP = 77
REDS = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}
WAIT_SECONDS = 30


def fail(message):
    print("FAILED:", message)
    sys.exit(1)


def wait_for(what, probe, seconds=WAIT_SECONDS):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # the tree changes while the program starts
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("no " + what + " after %d s" % seconds)


def run_loop(seconds, first=None):
    """Lets AT-SPI events arrive for a while, running first inside the loop."""
    if first:
        GLib.idle_add(lambda: first() and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()


def descendant(root, test):
    return pyatspi.findDescendant(root, lambda o: o is not None and test(o))


def labelled(root, description):
    return descendant(root, lambda o: o.description == description)


def button(root, name):
    return descendant(root, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == name)


def give_window_keyboard(title):
    """Without a window manager no window is ever active; a person clicking
    into the table would make it so. Gives the X input focus to the
    top-level window of that title, and says whether there was one."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                               ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                               ctypes.POINTER(ctypes.c_uint)]
    x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return False
    root, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    found = False
    if x11.XQueryTree(display, x11.XDefaultRootWindow(display), ctypes.byref(root), ctypes.byref(parent),
                      ctypes.byref(children), ctypes.byref(count)):
        for i in range(count.value):
            name = ctypes.c_char_p()
            if x11.XFetchName(display, children[i], ctypes.byref(name)):
                if name.value == title.encode():
                    x11.XSetInputFocus(display, children[i], 2, 0)  # RevertToParent, CurrentTime
                    found = True
                x11.XFree(name)
        x11.XFree(children)
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    return found


def press(accessible, action_name):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if action_name not in names:
        fail("%r has no %r action, only %r" % (accessible.name, action_name, names))
    action.doAction(names.index(action_name))


def main():
    program = os.path.abspath(sys.argv[1])
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.childCount
    except Exception as error:
        print("SKIPPED: the AT-SPI registry does not answer:", error)
        sys.exit(SKIP)

    announced = []

    def heard(event):
        name = event.source.name if event.source is not None else ""
        if name.startswith("Winning number "):
            announced.append(name)

    focused = []

    def focus_moved(event):
        if event.detail1 == 1 and event.source is not None:
            focused.append(event.source.name)

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(focus_moved, "object:state-changed:focused")

    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    table = subprocess.Popen([program], cwd=os.path.dirname(program), env=env)
    try:
        app = wait_for("program on the accessibility bus",
                       lambda: next((a for a in desktop if a is not None and a.name == os.path.basename(program)), None))
        start = wait_for("START button", lambda: button(app, "START"))
        if button(app, "Remove Chips") is None:
            fail("no button named Remove Chips in one line")
        # The program learns of the listener through the registry.
        run_loop(1)

        red = wait_for("spot named Red", lambda: button(app, "Red"))
        press(red, "Press")
        wait_for("chip on Red", lambda: red.queryValue().currentValue == 1, 10)
        if red.description != "Chips: 1":
            fail("Red reads %r" % red.description)
        total = labelled(app, "Amount Bet")
        if total is None or "1.00" not in total.name:
            fail("the amount bet reads %r" % (total.name if total else None))

        # The layout takes the focus as one control and names the spot under
        # its mark, 0 to begin with.
        layout = descendant(app, lambda o: o.name == "Betting layout")
        if layout is None:
            fail("no betting layout")
        if not give_window_keyboard("Quelta"):
            fail("no top-level window called Quelta")
        run_loop(1)
        run_loop(2, lambda: layout.queryComponent().grabFocus())
        if "Straight 0" not in focused:
            fail("focus on the layout told of %r, not of the spot on 0" % focused)

        announced.clear()
        run_loop(5, lambda: press(start, "Press"))
        if not announced:
            fail("no winning number was announced")
        words = announced[-1].split()
        number, colour = words[2], words[3]
        last = labelled(app, "Last Number")
        if last is None or last.name.strip() != number:
            fail("announced %r but the last number reads %r" % (announced[-1], last.name if last else None))
        code = int(number)
        expected = "green" if number in ("0", "00") else "red" if code in REDS else "black"
        if colour != expected:
            fail("announced %r, but %s is %s" % (announced[-1], number, expected))
        pay_out = labelled(app, "Win Pay Out, in chips")
        chips = "2 chips" if expected == "red" else "0 chips"
        if pay_out is None or pay_out.name != "Win pay out " + chips:
            fail("one chip on red paid %r on %s" % (pay_out.name if pay_out else None, number))
        print("heard:", announced[-1] + ";", pay_out.name + ";", labelled(app, "Winnings or losses").name)
    finally:
        table.terminate()
        table.wait(10)


if __name__ == "__main__":
    main()
