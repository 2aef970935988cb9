#!/usr/bin/python3
"""The running program as a screen reader reads it, over AT-SPI.

Run by CTest on its own virtual X server and desktop bus (see
tests/app/CMakeLists.txt): starts the program, brings every panel forward by
clicking its node in the topic tree, and checks what a screen reader is
offered there. Every showing control has a role and a name, no two buttons
of a panel share a name, nothing hidden is offered as showing (the other
marking's lists, a closed list's items), the colour lists and swatches name
their colours, and a calculated result can be read. Exits 77 (skipped) when
the accessibility bus cannot be reached.
"""

import os
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed")
    sys.exit(77)

CONTROLS = {"push button", "check box", "radio button", "text", "combo box", "slider", "spin button"}
COLOURS = {"Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Grey", "Gray", "White",
           "Gold", "Silver", "No band"}


def wait_for(condition, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return None


def children(node):
    try:
        return [c for c in node if c is not None]
    except Exception:
        return []


def find(node, role, depth=0):
    if depth > 12:
        return None
    if node.getRoleName() == role:
        return node
    for child in children(node):
        found = find(child, role, depth + 1)
        if found:
            return found
    return None


def has(node, state):
    try:
        return node.getState().contains(state)
    except Exception:
        return False


def showing_controls(node, problems, where):
    """The showing controls below node."""
    found = []
    for child in children(node):
        role = child.getRoleName()
        if not has(child, pyatspi.STATE_SHOWING):
            continue
        if role == "list" and node.getRoleName() == "combo box" and not has(node, pyatspi.STATE_EXPANDED):
            problems.append("%s: the closed list %r offers its items as showing" % (where, node.name))
            continue
        if role in CONTROLS:
            found.append(child)
        found += showing_controls(child, problems, where)
    return found


def check_panel(topic, panel, problems):
    buttons = {}
    shown = showing_controls(panel, problems, topic)
    for control in shown:
        role = control.getRoleName()
        name = (control.name or "").strip()
        if not name:
            problems.append("%s: a %s has no name (description %r)" % (topic, role, control.description))
        if role == "push button":
            buttons.setdefault(name, 0)
            buttons[name] += 1
    for name, count in buttons.items():
        if count > 1:
            problems.append("%s: %d buttons are named %r" % (topic, count, name))
    return shown


def click(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(extents.x + extents.width // 2, extents.y + extents.height // 2, "b1c")


def front_panel(stack):
    return next((p for p in children(stack) if has(p, pyatspi.STATE_SHOWING)), None)


def check_colour_bands(shown, problems):
    swatches = [c for c in shown if c.getRoleName() == "text" and c.name in COLOURS]
    lists = [c for c in shown if c.getRoleName() == "combo box" and c.name in COLOURS]
    if len(swatches) < 5 or len(lists) < 5:
        problems.append("Colour Bands: %d swatches and %d lists name their colours, not 5 each"
                        % (len(swatches), len(lists)))


def check_result_read(shown, problems):
    """Ohm's law: 12 V and 0.5 A typed, Calculate pressed, 24 ohms read."""
    fields = {c.name: c for c in shown if c.getRoleName() == "text"}
    voltage = next((c for n, c in fields.items() if n.startswith("Voltage")), None)
    current = next((c for n, c in fields.items() if n.startswith("Current")), None)
    resistance = next((c for n, c in fields.items() if n.startswith("Resistance")), None)
    calculate = next((c for c in shown if c.getRoleName() == "push button" and c.name == "Calculate"), None)
    if not (voltage and current and resistance and calculate):
        problems.append("Ohms Law/Power: the fields and Calculate are not all named")
        return
    voltage.queryEditableText().setTextContents("12")
    current.queryEditableText().setTextContents("0.5")
    calculate.queryAction().doAction(0)
    text = wait_for(lambda: resistance.queryText().getText(0, -1) == "24" and "24", 3)
    if not text:
        problems.append("Ohms Law/Power: the resistance reads %r, not 24"
                        % resistance.queryText().getText(0, -1))


def main():
    program = sys.argv[1]
    config = tempfile.mkdtemp()
    os.makedirs(os.path.join(config, "Tarvolen"))
    with open(os.path.join(config, "Tarvolen", "Ohmbrook.reg"), "w") as f:
        f.write('Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook]\n'
                '"Accepted Disclaimer for Version 2.1.0.0"="yes"\n')
    env = dict(os.environ, XDG_CONFIG_HOME=config, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in children(desktop) if a.name == "Tarvolen Ohmbrook"), None), 60)
        if not app:
            print("SKIP: the program did not appear on the accessibility bus")
            return 77
        tree = wait_for(lambda: find(app, "tree"))
        stack = find(app, "layered pane")
        time.sleep(2.0)  # the splash has gone
        problems = []
        read = 0
        for cell in [c for c in children(tree) if c.getRoleName() == "table cell"]:
            if has(cell, pyatspi.STATE_EXPANDABLE):
                continue  # a category, which shows nothing
            topic = cell.name
            before = front_panel(stack)
            click(cell)
            # The first topic chosen also builds the other panels: give a
            # slow (checking) build its time.
            wait_for(lambda: front_panel(stack) not in (None, before), 5 if topic != "Colour Bands" else 0.5)
            panel = front_panel(stack)
            if panel is None:
                problems.append("%s: no panel came forward" % topic)
                continue
            shown = check_panel(topic, panel, problems)
            read += 1
            if topic == "Colour Bands":
                check_colour_bands(shown, problems)
            if topic == "Ohms Law/Power":
                check_result_read(shown, problems)
        if read < 20:
            problems.append("only %d of the 20 panels were brought forward from the tree" % read)
        for line in problems:
            print("PROBLEM:", line)
        print("%d panels read, %d problems" % (read, len(problems)))
        return 1 if problems else 0
    finally:
        process.kill()
        process.wait()


if __name__ == "__main__":
    sys.exit(main())
