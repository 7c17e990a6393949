#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints each object a screen reader is told has taken the focus, as it happens, for a while.
Usage: focus.py [seconds, 10 if not given]  -- run it, then work the window with keys."""
import sys

import pyatspi
from gi.repository import GLib


def heard(event):
    if event.detail1 != 1:
        return
    try:
        print(f"{event.source.getRoleName()} \"{event.source.name}\"", flush=True)
    except Exception as error:  # the object may be gone by now
        print(f"? ({error})", flush=True)


def main():
    seconds = int(sys.argv[1]) if len(sys.argv) > 1 else 10
    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused")
    GLib.timeout_add_seconds(seconds, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    sys.exit(main())
