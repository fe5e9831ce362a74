#!/usr/bin/python3
"""Walks the program's accessibility tree over AT-SPI, as a screen reader sees it.

  a11y_walk.py [--pid PID] [--name NAME] [--timeout S] wait
  a11y_walk.py ... open [LABEL]          press Open in the Device Manager (walking it first when given
                                         a LABEL), wait for the main window
  a11y_walk.py ... page LABEL NAVBUTTON  show a page by its nav button, walk the window, print a summary
                                         (NAVBUTTON "-": walk the shown window as it is)
  a11y_walk.py ... dump                  print the active window's tree

Exit status: 0 done (and, for "page", no unnamed interactive node), 1 unnamed nodes found,
2 the program, a window or a button was not found in time.
Needs Debian's python3-pyatspi, hence /usr/bin/python3 rather than a pyenv one.
"""
import argparse
import os
import re
import subprocess
import sys
import time

import pyatspi

# What a user operates; labels, panels and the like only need a name when they carry meaning.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM,
    pyatspi.ROLE_LINK, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_DIAL,
}
# Containers count too when they take the keyboard focus: they are announced by their name.
FOCUS_CONTAINERS = {pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE}
# Key caps of the keyboard picture are named "Letter A, row 2, key 3", whatever their role.
KEY_CAP = re.compile(r", row \d+, key \d+$")


def fail(message):
    print("a11y_walk: " + message, file=sys.stderr)
    sys.exit(2)


def poll(what, timeout, probe):
    """Calls probe until it returns something; D-Bus answers arrive when they do, so no fixed sleeps."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows open and close
            found = None
        if found:
            return found
        if time.monotonic() > end:
            fail("%s not found within %ss" % (what, timeout))
        time.sleep(0.2)


def find_app(args):
    def probe():
        if args.pid:
            try:
                os.kill(args.pid, 0)
            except ProcessLookupError:
                fail("the program (pid %d) quit" % args.pid)
            except PermissionError:  # alive, someone else's
                pass
        for app in pyatspi.Registry.getDesktop(0):
            try:  # one application going away must not hide the others
                if args.pid and app.get_process_id() == args.pid:
                    return app
                if not args.pid and (app.name or "").lower() == args.name.lower():
                    return app
            except Exception:
                continue
        return None
    who = "pid %d" % args.pid if args.pid else "name '%s'" % args.name
    return poll("program (%s) on the accessibility bus" % who, args.timeout, probe)


def states(acc):
    return acc.getState()


def showing_windows(app):
    # Any role: a frameless top-level widget is a "filler", not a frame or dialog.
    return [w for w in app if w is not None and states(w).contains(pyatspi.STATE_SHOWING)]


def active_window(app):
    wins = showing_windows(app)
    for w in wins:
        if states(w).contains(pyatspi.STATE_ACTIVE):
            return w
    # Without a window manager nothing may be active; the newest shown window is on top.
    return wins[-1] if wins else None


def descendants(acc):
    """Depth-first, skipping hidden subtrees (the pages of a stack that are not shown)."""
    for child in acc:
        if child is None:
            continue
        if not states(child).contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        yield from descendants(child)


def find_named(root, name, roles):
    for acc in descendants(root):
        if acc.getRole() in roles and acc.name == name:
            return acc
    return None


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "toggle", "click", "activate"):
        if wanted in names:
            return action.doAction(names.index(wanted))
    fail("'%s' has no press action (has %s)" % (acc.name, names))


def click(acc):
    """A real mouse click, as a user gives it. The nav buttons are checkable, and their AT-SPI
    action is "Toggle", which flips the check mark without the clicked signal that switches pages."""
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2),
                    "click", "1"], check=True)


def readable(name):
    """The name without icon-font glyphs (Unicode private use areas), which a screen reader cannot say."""
    return "".join(c for c in name if not (0xE000 <= ord(c) <= 0xF8FF or ord(c) >= 0xF0000)).strip()


def chain(acc, window):
    parts = []
    node = acc.parent
    while node is not None and node != window:
        parts.append("%s '%s'" % (node.getRoleName(), node.name or ""))
        node = node.parent
    parts.append("%s '%s'" % (window.getRoleName(), window.name or ""))
    return " < ".join(parts)


def labelled(acc):
    """A label pointing at the node (labelled-by) names it for a screen reader too."""
    for rel in acc.getRelationSet():
        if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(rel.getNTargets()):
                if (rel.getTarget(i).name or "").strip():
                    return True
    return False


def walk(window, label):
    interactive = focusable = caps = 0
    unnamed = []
    for acc in descendants(window):
        st = states(acc)
        if acc.getRole() not in INTERACTIVE and not (
                acc.getRole() in FOCUS_CONTAINERS and st.contains(pyatspi.STATE_FOCUSABLE)):
            continue
        interactive += 1
        focusable += st.contains(pyatspi.STATE_FOCUSABLE)
        name = acc.name or ""
        if KEY_CAP.search(name):
            caps += 1
        if not readable(name) and not labelled(acc):
            flags = [f for f, s in (("focusable", pyatspi.STATE_FOCUSABLE), ("enabled", pyatspi.STATE_ENABLED))
                     if st.contains(s)]
            glyphs = " ".join("U+%04X" % ord(c) for c in name.strip())
            unnamed.append("  unnamed %s [%s]%s in %s; description '%s'"
                           % (acc.getRoleName(), ",".join(flags) or "-",
                              " (name is only the icon glyph %s)" % glyphs if glyphs else "",
                              chain(acc, window), acc.description or ""))
    print("%s: %d interactive nodes (%d focusable), %d unnamed; %d named key caps; window '%s'"
          % (label, interactive, focusable, len(unnamed), caps, window.name))
    for line in unnamed:
        print(line)
    return 1 if unnamed else 0


def dump(acc, depth=0):
    st = states(acc)
    flags = "".join(c for c, s in (("S", pyatspi.STATE_SHOWING), ("F", pyatspi.STATE_FOCUSABLE),
                                   ("E", pyatspi.STATE_ENABLED), ("C", pyatspi.STATE_CHECKED))
                    if st.contains(s))
    print("%s%s '%s' [%s] %s" % ("  " * depth, acc.getRoleName(), acc.name or "", flags, acc.description or ""))
    for child in acc:
        if child is not None and states(child).contains(pyatspi.STATE_SHOWING):
            dump(child, depth + 1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, default=0)
    parser.add_argument("--name", default="driver")
    parser.add_argument("--timeout", type=float, default=30)
    parser.add_argument("command", choices=["wait", "open", "page", "dump"])
    parser.add_argument("rest", nargs="*")
    args = parser.parse_args()

    app = find_app(args)
    if args.command == "wait":
        print("found '%s' (pid %d) on the accessibility bus" % (app.name, app.get_process_id()))
        return 0
    if args.command == "dump":
        dump(poll("a shown window", args.timeout, lambda: active_window(app)))
        return 0
    if args.command == "open":
        manager = poll("Device Manager window", args.timeout, lambda: active_window(app))
        # Open is enabled once the plugged keyboard is listed and chosen.
        def open_button():
            button = find_named(manager, "Open", {pyatspi.ROLE_PUSH_BUTTON})
            return button if button and states(button).contains(pyatspi.STATE_ENABLED) else None
        button = poll("enabled Open button (a listed keyboard)", args.timeout, open_button)
        status = walk(manager, args.rest[0]) if args.rest else 0
        press(button)
        poll("main window", args.timeout,
             lambda: [w for w in showing_windows(app) if w != manager] or None)
        return status
    if len(args.rest) != 2:
        fail("page needs LABEL and NAVBUTTON")
    label, nav = args.rest
    window = poll("window", args.timeout, lambda: active_window(app))
    if nav == "-":  # the window as it is
        return walk(window, label)
    # Checkable tool buttons come out as check boxes in Qt 5.
    buttons = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX}
    button = poll("nav button '%s'" % nav, args.timeout, lambda: find_named(window, nav, buttons))
    click(button)
    # The click handler checks this button, unchecks the others and shows the page, all at once.
    def switched():
        others = [b for b in button.parent if b is not None and b != button]
        return states(button).contains(pyatspi.STATE_CHECKED) and \
            not any(states(b).contains(pyatspi.STATE_CHECKED) for b in others)
    poll("page of '%s' shown" % nav, args.timeout, switched)
    return walk(window, label)


if __name__ == "__main__":
    sys.exit(main())
