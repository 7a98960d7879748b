#!/usr/bin/env python3
"""Reads the table's accessible tree from the real window through AT-SPI, as a screen
reader would, on the title screen, a hand in play and a suit choice.

    atspi_tree.py DRIVER [OUTPUT]

DRIVER is the atspi_driver program; the trees are printed and, when OUTPUT is given,
written there too. The script starts its own D-Bus session (dbus-run-session) and X
server (xvfb-run); the session activates the AT-SPI bus. Exits 77 (skipped) when one
of those or pyatspi is missing, 1 when an expected name is not in the tree.
"""
import os
import re
import shutil
import subprocess
import sys
import time

SKIP = 77
INNER = "MERVANE_ATSPI_INNER"

CARD = r"(Ace|[2-9]|10|Jack|Queen|King) of (Hearts|Diamonds|Clubs|Spades)"
# (role, name pattern) that each screen must show; every pattern matches a whole name.
EXPECTED = {
    "title": [("panel", r"Card table"), ("notification", r""), ("label", r"Mervane\. Choose New Game to deal\.")],
    "hand": [
        ("push button", CARD),
        ("push button", r"Draw pile, \d+ cards"),
        ("label", r"Top card: " + CARD + r"; follow (Hearts|Diamonds|Clubs|Spades)"),
        ("label", r"You: \d+ cards?(, .*)?"),
        ("label", r".+: \d+ cards?(, .*)?"),
    ],
    "suit": [("push button", suit) for suit in ("Hearts", "Diamonds", "Clubs", "Spades")]
    + [("label", r"You: \d+ cards?, Choose Suit\?")],
}


def atspi_python():
    """An interpreter that can import pyatspi: this one, else Debian's own, which has
    python3-pyatspi where another Python (a virtual env, pyenv) comes first on PATH."""
    probe = "import gi; gi.require_version('Atspi', '2.0'); import pyatspi"
    for python in dict.fromkeys([sys.executable, "/usr/bin/python3"]):
        if os.path.exists(python) and subprocess.call(
                [python, "-c", probe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) == 0:
            return python
    return None


def outer(args):
    for tool in ("xvfb-run", "dbus-run-session"):
        if not shutil.which(tool):
            print(f"SKIP: {tool} is not installed")
            return SKIP
    python = atspi_python()
    if not python:
        print("SKIP: pyatspi (python3-pyatspi) is not installed")
        return SKIP
    env = dict(os.environ, **{INNER: "1"})
    command = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
               python, os.path.abspath(__file__)] + args
    return subprocess.call(command, env=env)


def find_app(pyatspi, pid, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that went away meanwhile
                pass
        time.sleep(0.2)
    return None


def fresh(node):
    # Children and names change with every move: read them from the program, not a cache.
    for name in ("clear_cache", "clearCache"):
        if hasattr(node, name):
            getattr(node, name)()
            break


def walk(node, depth, lines, seen):
    if node is None or depth > 30:
        return
    fresh(node)
    role = node.getRoleName()
    name = node.name or ""
    line = "  " * depth + f"[{role}] {name!r}"
    if node.description:
        line += f" ({node.description})"
    try:
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if names:
            line += " actions=" + ",".join(names)
    except NotImplementedError:
        pass
    if role in ("push button", "label"):
        extents = node.queryComponent().getExtents(0)  # screen coordinates
        line += f" at {extents.x},{extents.y} {extents.width}x{extents.height}"
    lines.append(line)
    seen.append((role, name))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, lines, seen)


def find_table(node, depth=0):
    """The table view's panel: the rest of the window (menus, toolbar) is Qt's own."""
    fresh(node)
    if node.getRoleName() == "panel" and node.name == "Card table":
        return node
    for i in range(node.childCount if depth < 4 else 0):
        found = find_table(node.getChildAtIndex(i), depth + 1)
        if found is not None:
            return found
    return None


def check(screen, seen):
    failures = []
    for role, pattern in EXPECTED[screen]:
        if not any(r == role and re.fullmatch(pattern, n) for r, n in seen):
            failures.append(f"{screen}: no {role} named like {pattern!r}")
    return failures


def press_hearts(table, failures):
    """Picks Hearts through the box's AT-SPI action, as a screen reader user would."""
    for i in range(table.childCount):
        box = table.getChildAtIndex(i)
        if box.getRoleName() == "push button" and box.name == "Hearts":
            box.queryAction().doAction(0)
            break
    time.sleep(1.0)
    lines, seen = [], []
    walk(table, 1, lines, seen)
    if any(role == "push button" and name == "Hearts" for role, name in seen):
        failures.append("suit: pressing Hearts left the suit boxes on the table")
    # The computer seats play on at once, so the suit may have changed again since.
    if any(role == "label" and name.endswith("Choose Suit?") for role, name in seen):
        failures.append("suit: the human is still asked for a suit after pressing Hearts")
    return ["== after pressing Hearts =="] + lines + [""]


def inner(driver, output):
    import pyatspi  # only inside the session, where the AT-SPI bus can be reached

    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # Under the sanitizers the D-Bus and AT-SPI libraries' own allocations would fail the
    # driver at exit; the tree's code is leak-checked in process by accessible_test.
    env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), "detect_leaks=0"]))
    program = subprocess.Popen([driver], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               env=env, text=True)
    report, failures = [], []
    app = None
    try:
        for line in program.stdout:
            line = line.strip()
            if line == "DONE":
                break
            if not line.startswith("SCREEN "):
                failures.append(f"driver: {line}")
                break
            screen = line.split()[1]
            app = app or find_app(pyatspi, program.pid)
            if app is None:
                failures.append("the program never appeared on the AT-SPI bus")
                break
            time.sleep(0.5)  # the last paint's events settle
            lines, seen = [], []
            table = find_table(app)
            if table is None:
                failures.append(f"{screen}: no card table in the program's tree")
                break
            lines.append(f"[{app.getRoleName()}] {app.name!r} > [frame] {table.parent.name!r}")
            walk(table, 1, lines, seen)
            report += [f"== {screen} =="] + lines + [""]
            failures += check(screen, seen)
            if screen == "suit":
                report += press_hearts(table, failures)
            program.stdin.write("next\n")
            program.stdin.flush()
    finally:
        program.stdin.close()
        try:
            program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            program.kill()
    text = "\n".join(report)
    print(text)
    if output:
        with open(output, "w", encoding="utf-8") as out:
            out.write(text + "\n")
    for failure in failures:
        print("FAIL:", failure)
    if program.returncode not in (0, None) and not failures:
        failures.append(f"driver exited with {program.returncode}")
        print("FAIL:", failures[-1])
    return 1 if failures else 0


def main():
    args = sys.argv[1:]
    if not args:
        print(__doc__)
        return 2
    if os.environ.get(INNER) != "1":
        return outer(args)
    return inner(args[0], args[1] if len(args) > 1 else None)


if __name__ == "__main__":
    sys.exit(main())
