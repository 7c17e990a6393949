#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader hears of a running Corvalo: the accessible tree of its window
through AT-SPI, one object a line (role, name, description, states that matter).
Usage: dump.py [name filter]  -- only the subtrees whose name contains the filter."""
import sys

import pyatspi

INTERESTING = {pyatspi.STATE_FOCUSED: "focused", pyatspi.STATE_SELECTED: "selected",
               pyatspi.STATE_CHECKED: "checked", pyatspi.STATE_EDITABLE: "editable"}


def describe(node):
    states = node.getState()
    marks = [word for state, word in INTERESTING.items() if states.contains(state)]
    if not states.contains(pyatspi.STATE_ENABLED):
        marks.append("disabled")
    text = f"{node.getRoleName()} \"{node.name}\""
    if node.description:
        text += f" ({node.description})"
    return text + (" [" + ", ".join(marks) + "]" if marks else "")


def walk(node, depth, limit, out):
    if depth > 12 or node is None:
        return
    if not node.getState().contains(pyatspi.STATE_SHOWING) and depth > 1:
        return
    out.append("  " * depth + describe(node))
    for i in range(min(node.childCount, limit)):
        walk(node.getChildAtIndex(i), depth + 1, limit, out)
    if node.childCount > limit:
        out.append("  " * (depth + 1) + f"... {node.childCount - limit} more")


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else ""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or "corvalo" not in (app.name or "").lower():
            continue
        out = []
        walk(app, 0, 40, out)
        for line in out:
            if wanted.lower() in line.lower() or not wanted:
                print(line)
        return 0
    print("no Corvalo on the accessibility bus", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
