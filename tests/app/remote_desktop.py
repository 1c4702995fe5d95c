#!/usr/bin/python3
"""A player's pointer and keys on mutter, through its remote desktop service on the session bus.

Reads one command a line from standard input and answers "ok" once the compositor has it:
  move X Y    the pointer to X,Y on the screen (from the top left corner, without acceleration)
  press       the left button down
  release     the left button up
  key KEYSYM  a key pressed and released (an X keysym, 0xff1b for Escape); KEYSYM+KEYSYM...
              a chord: pressed in order, released in the reverse
"""
import sys
import time

from gi.repository import Gio, GLib

SERVICE = "org.gnome.Mutter.RemoteDesktop"
SESSION = SERVICE + ".Session"
LEFT_BUTTON = 0x110  # BTN_LEFT of linux/input-event-codes.h

bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)


def call(path, interface, method, signature=None, *arguments):
    parameters = GLib.Variant(signature, arguments) if signature else None
    return bus.call_sync(SERVICE, path, interface, method, parameters, None,
                         Gio.DBusCallFlags.NONE, -1, None)


session = call("/org/gnome/Mutter/RemoteDesktop", SERVICE, "CreateSession").unpack()[0]
call(session, SESSION, "Start")
# The compositor adds the session's keyboard to the seat at its first key, and drops the keys
# that come before the seat has it: a Shift, then a moment, before any command.
SHIFT = 0xffe1
for down in (True, False):
    call(session, SESSION, "NotifyKeyboardKeysym", "(ub)", SHIFT, down)
time.sleep(0.3)
for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    if words[0] == "move":
        call(session, SESSION, "NotifyPointerMotionRelative", "(dd)", -100000.0, -100000.0)
        call(session, SESSION, "NotifyPointerMotionRelative", "(dd)",
             float(words[1]), float(words[2]))
    elif words[0] in ("press", "release"):
        call(session, SESSION, "NotifyPointerButton", "(ib)", LEFT_BUTTON, words[0] == "press")
    elif words[0] == "key":
        chord = [int(keysym, 0) for keysym in words[1].split("+")]
        for keysym in chord:
            call(session, SESSION, "NotifyKeyboardKeysym", "(ub)", keysym, True)
        for keysym in reversed(chord):
            call(session, SESSION, "NotifyKeyboardKeysym", "(ub)", keysym, False)
    else:
        print("unknown command: " + line.strip(), flush=True)
        continue
    print("ok", flush=True)
call(session, SESSION, "Stop")
