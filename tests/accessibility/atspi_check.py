#!/usr/bin/python3
"""The viewer as a screen reader sees it: the AT-SPI tree read with pyatspi.

    dbus-run-session -- /usr/bin/python3 atspi_check.py /path/to/zentaloger

Starts the accessibility bus, Xvfb and the viewer (with Qt's bridge always on), then checks
the roles, names, states and values a reader speaks, before and after Down, Ctrl+Tab and
Ctrl+Shift+Tab in the list, and after the Russian label's press action. Without a session
bus, the accessibility bus, Xvfb or pyatspi it fails: a reader's view that could not be read
is not a pass.
"""

import os
import re
import subprocess
import sys
import tempfile
import time

failures = []


def fail(message):
    print("atspi: FAIL: " + message)
    failures.append(message)


def die(message):
    print("atspi: FAIL: " + message)
    sys.exit(1)


try:
    import pyatspi
except ImportError:
    die("pyatspi is missing (Debian package python3-pyatspi)")

if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    die("no session bus: run under dbus-run-session")

app_path = sys.argv[1]
work = tempfile.mkdtemp()
children = []


def start(args, **kwargs):
    try:
        child = subprocess.Popen(args, **kwargs)
    except OSError as error:
        stop_all()
        die(f"cannot start {args[0]}: {error} (packages at-spi2-core, xvfb)")
    children.append(child)
    return child


def stop_all():
    for child in reversed(children):
        child.terminate()
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            child.kill()


def wait_for(what, probe, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    stop_all()
    die(what)


def run():
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    read_end, write_end = os.pipe()
    start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
           "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    start([app_path], env=env, stdout=open(os.path.join(work, "app.log"), "w"),
          stderr=subprocess.STDOUT)
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("the viewer never showed on the accessibility bus",
                   lambda: next((a for a in desktop if a and a.name == "zentaloger"), None))
    wait_for("the viewer's window has no elements on the bus",
             lambda: app.childCount > 0 and app[0].childCount > 50)
    check(app)


def nodes(root):
    """Every node under root as (role, name, states, description, node)."""
    root.clearCache()
    found = []

    def walk(node):
        states = node.getState()
        found.append({
            "role": node.getRoleName(),
            "name": node.name,
            "description": node.description,
            "showing": states.contains(pyatspi.STATE_SHOWING),
            "checked": states.contains(pyatspi.STATE_CHECKED),
            "selected": states.contains(pyatspi.STATE_SELECTED),
            "node": node,
            "parent": node.parent,
        })
        for child in node:
            walk(child)

    walk(root)
    return found


def find(tree, role, name):
    return [n for n in tree if n["role"] == role and n["name"] == name]


def expect_table(tree, step, rows):
    """Each row: (what, role, name, states that must hold, states that must not). A row that
    wants the node showing names exactly one showing node (a closed page may hold another of
    the same name); one that wants it not showing, at least one node and none showing."""
    for what, role, name, wanted, unwanted in rows:
        matches = find(tree, role, name)
        if S in wanted:
            matches = [n for n in matches if n[S]]
        if len(matches) != 1 and not (S in unwanted and matches):
            fail(f"{step}: {what}: {len(matches)} nodes with role {role!r} and name {name!r}")
            continue
        node = next((n for n in matches if n[S]), matches[0])
        for state in wanted:
            if not node[state]:
                fail(f"{step}: {what}: {role} {name!r} is not {state}")
        for state in unwanted:
            if node[state]:
                fail(f"{step}: {what}: {role} {name!r} is {state}")


S, C, X = "showing", "checked", "selected"

# What a reader hears at start: English, numerical order, the first species, the statistics
# page open.
START = [
    ("order option", "radio button", "NUMERICAL", [S, C], []),
    ("order option", "radio button", "EVOLUTIONARY", [S], [C]),
    ("order option", "radio button", "ALPHABETICAL", [S], [C]),
    ("language", "radio button", "ENGLISH", [S, C], []),
    ("language", "radio button", "РУССКИЙ", [S], [C]),
    ("open tab", "page tab", "STATISTICS", [S, X], []),
    ("closed tab", "page tab", "DESCRIPTION", [S], [X]),
    ("closed tab", "page tab", "HM", [S], [X]),
    ("bar", "push button", "UP", [S], []),
    ("bar", "push button", "DOWN", [S], []),
    ("close mark", "push button", "Close", [S], []),
    ("chosen line", "list item", "001 - MOSSTUFT", [S, X], []),
    ("next line", "list item", "002 - MOSSGLASS", [S], [X]),
    ("species list", "list", "Species", [S], []),
    ("card's name", "label", "001 - MOSSTUFT", [S], []),
    ("card's picture", "image", "001 - MOSSTUFT", [S], []),
    ("logo", "image", "Zentaloger", [S], []),
    ("statistics row", "label", "HIT POINTS (HP): 2 of 3", [S], []),
    ("statistics row", "label", "SPECIAL ATTACK: 1 of 3", [S], []),
    ("statistics row", "label", "SPEED: 1 of 3", [S], []),
    ("edition mark", "label", "ZENTARI KALO", [S], []),
    ("entry of a closed page", "list item", "BRIAR LASH", [], [S]),
    ("move panel of a closed page", "label", "ACCURACY: 100", [], [S]),
    ("evolution picture of a closed page", "image", "002 - MOSSGLASS", [], [S]),
]

AFTER_DOWN = [
    ("chosen line", "list item", "002 - MOSSGLASS", [S, X], []),
    ("left line", "list item", "001 - MOSSTUFT", [S], [X]),
    ("card's name", "label", "002 - MOSSGLASS", [S], []),
    ("card's picture", "image", "002 - MOSSGLASS", [S], []),
    ("statistics row", "label", "HIT POINTS (HP): 2 of 3", [S], []),
    ("statistics row", "label", "SPECIAL ATTACK: 3 of 3", [S], []),
]

AFTER_CTRL_TAB = [
    ("open tab", "page tab", "DESCRIPTION", [S, X], []),
    ("closed tab", "page tab", "STATISTICS", [S], [X]),
    ("statistics row of a closed page", "label", "HIT POINTS (HP): 2 of 3", [], [S]),
    ("chosen line kept", "list item", "002 - MOSSGLASS", [S, X], []),
]

# Twice back from the description: round past the first tab to the last.
AFTER_CTRL_SHIFT_TAB = [
    ("open tab", "page tab", "HM", [S, X], []),
    ("closed tab", "page tab", "DESCRIPTION", [S], [X]),
    ("closed tab", "page tab", "STATISTICS", [S], [X]),
    ("chosen entry", "list item", "HM4", [S, X], []),
    ("its move panel", "label", "POWER POINTS (PP): 20", [S], []),
]

# Back to a species without machines while the HM page is open: the blank cover lies over the
# move panel, which still holds the last move.
AFTER_UP_ON_HM = [
    ("chosen line", "list item", "001 - MOSSTUFT", [S, X], []),
    ("open tab", "page tab", "HM", [S, X], []),
    ("move panel under its blank cover", "label", "LANTERN GLOW", [], [S]),
    ("card's name", "label", "001 - MOSSTUFT", [S], []),
]

AFTER_RUSSIAN = [
    ("language", "radio button", "РУССКИЙ", [S, C], []),
    ("language", "radio button", "ENGLISH", [S], [C]),
    ("order option", "radio button", "НУМЕРОВАННЫЙ", [S, C], []),
    ("bar", "push button", "ВВЕРХ", [S], []),
    ("open tab", "page tab", "HM", [S, X], []),
]


def check_tree(tree, step):
    """What holds in every state: no blank runs, only the open page's frame showing, nothing
    under a closed frame showing."""
    for n in tree:
        for text in (n["name"], n["description"]):
            if re.search(r"\s\s", text):
                fail(f"{step}: {n['role']} {text!r} keeps a run of blanks")
    panels = [n for n in tree if n["role"] == "panel"]
    if sum(p["showing"] for p in panels) != 1:
        fail(f"{step}: {sum(p['showing'] for p in panels)} of {len(panels)} pages showing")
    closed = [p["node"] for p in panels if not p["showing"]]
    for n in tree:
        parent = n["parent"]
        if n["showing"] and any(parent == frame for frame in closed):
            fail(f"{step}: {n['role']} {n['name']!r} of a closed page is showing")


heard = []


def listen():
    """Records the events a reader hears: states going on, and names changing."""

    def record(event):
        if event.type.startswith("object:property-change:accessible-name") or event.detail1:
            heard.append((event.type, event.source.getRoleName(), event.source.name))

    for kind in ("object:state-changed:selected", "object:state-changed:checked",
                 "object:state-changed:focused", "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(record, kind)


def patience():
    """Seconds to wait for what a step should bring. Once a step has failed, the later ones
    wait only briefly: they can only add messages, and the run must end with them, not time
    out."""
    return 1 if failures else 15


def pump(until=lambda: False, seconds=2):
    """Delivers the events that come in, for `seconds` or until `until()` holds."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)


def expect_heard(step, events):
    """Each of `events` (type, role, name) was heard since the last step. A loaded machine can
    deliver them seconds late, so this waits for all of them (up to 15 s) rather than a fixed
    time, then drains what else the step sent so it does not count for the next one."""
    pump(lambda: all(event in heard for event in events), seconds=patience())
    pump(seconds=0.3)
    for event in events:
        if event not in heard:
            fail(f"{step}: no {event[0]} event for {event[1]} {event[2]!r}; heard {heard}")
    heard.clear()


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def settle(root, step, rows):
    """The tree once it shows the first row's change (a loaded machine is slow to send it),
    checked against rows."""
    role, name = rows[0][1], rows[0][2]
    end = time.monotonic() + patience()
    while True:
        tree = nodes(root)  # a walk of the whole tree over the bus takes a while of its own
        hit = find(tree, role, name)
        if (hit and all(hit[0][s] for s in rows[0][3])) or time.monotonic() > end:
            break
        time.sleep(0.1)
    check_tree(tree, step)
    expect_table(tree, step, rows)
    return tree


def show(tree, step):
    """The tree as a reader walks it, for a manual look (ATSPI_SHOW=1)."""
    if os.environ.get("ATSPI_SHOW"):
        print(f"atspi: the tree {step} (role, name, states):")
        for n in tree:
            states = [s for s in (S, C, X) if n[s]]
            print(f"  {n['role']:13} {n['name']!r:45} {' '.join(states)}")


def check(app):
    window = app[0]
    show(settle(window, "start", START), "at start")
    listen()
    pump()
    heard.clear()

    key("Down")
    show(settle(window, "after Down", AFTER_DOWN), "after Down")
    expect_heard("after Down", [
        ("object:state-changed:selected", "list item", "002 - MOSSGLASS"),
        ("object:property-change:accessible-name", "label", "002 - MOSSGLASS"),
    ])
    key("ctrl+Tab")
    settle(window, "after Ctrl+Tab", AFTER_CTRL_TAB)
    expect_heard("after Ctrl+Tab", [
        ("object:state-changed:selected", "page tab", "DESCRIPTION"),
    ])
    key("ctrl+shift+Tab")
    key("ctrl+shift+Tab")
    show(settle(window, "after Ctrl+Shift+Tab twice", AFTER_CTRL_SHIFT_TAB), "on the HM page")

    key("Up")
    settle(window, "after Up on the HM page", AFTER_UP_ON_HM)

    # A reader presses the Russian label through its action, as it does without a mouse.
    russian = find(nodes(window), "radio button", "РУССКИЙ")
    if russian:
        action = russian[0]["node"].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" in names:
            action.doAction(names.index("Press"))
        else:
            fail(f"the Russian label has no Press action, only {names}")
    settle(window, "after the Russian label's press", AFTER_RUSSIAN)
    expect_heard("after the Russian label's press", [
        ("object:state-changed:checked", "radio button", "РУССКИЙ"),
    ])


try:
    run()
finally:
    stop_all()

if failures:
    print(f"atspi: {len(failures)} failures")
    sys.exit(1)
print("atspi: all checks passed")
