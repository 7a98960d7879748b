#!/usr/bin/python3
"""Prints the accessible tree of atspi_driver's window on its first dealt hand, one node a
line in path order: path, role, name, description, states, actions, extents in window
coordinates. Runs inside the D-Bus session and X server that dump-dealt-hand.sh starts;
writes to OUTPUT, as the AT-SPI registry prints to standard output too."""
import os
import subprocess
import sys
import time

import pyatspi


def find_app(pid, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            try:
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that went away meanwhile
                pass
        time.sleep(0.2)
    return None


def node_line(path, node):
    node.clear_cache()  # read from the program, not from an earlier screen's cache
    states = sorted(pyatspi.stateToString(s) for s in node.getState().getStates())
    try:
        action = node.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        actions = []
    try:
        box = node.queryComponent().getExtents(pyatspi.XY_WINDOW)
        extents = f"{box.x},{box.y} {box.width}x{box.height}"
    except NotImplementedError:
        extents = "-"
    role = node.getRoleName()
    # The application's description is the program's path, which differs between builds.
    description = "" if role == "application" else node.description or ""
    fields = [".".join(map(str, path)) or "app", role, repr(node.name or ""), repr(description), ",".join(states), ",".join(actions), extents]
    return "\t".join(fields)


def walk(node, path, out):
    if node is None or len(path) > 30:
        return
    out.append((path, node_line(path, node)))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), path + (i,), out)


def main(driver, output):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([driver], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               env=env, text=True)
    out = []
    try:
        for line in program.stdout:  # title first, then the dealt hand on the human's turn
            if line.strip() == "SCREEN hand":
                app = find_app(program.pid)
                if app is None:
                    sys.exit("the driver never appeared on the AT-SPI bus")
                time.sleep(1.0)  # the last paint's events settle
                walk(app, (), out)
                break
            if not line.startswith("SCREEN "):
                sys.exit(f"driver: {line.strip()}")
            program.stdin.write("next\n")
            program.stdin.flush()
    finally:
        program.stdin.close()  # the driver quits when its input ends
        try:
            program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            program.kill()
    if not out:
        sys.exit("the driver never reached a dealt hand")
    with open(output, "w", encoding="utf-8") as file:
        file.writelines(line + "\n" for _, line in sorted(out))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
