"""What a screen reader reads of the game: its accessibility tree through AT-SPI, on a session
bus of the scenario's own with the accessibility bus launched on it. pyatspi keeps what it has
read, so each reading runs in a fresh Python of Debian's (where python3-pyatspi lives)."""

import json
import os
import subprocess
import sys

from desktop import wait_until

PYTHON = "/usr/bin/python3"


def start_bus(desktop):
    """A session bus and the accessibility bus on it; returns the variables a program needs
    to be read."""
    path = os.path.join(desktop.dir, "bus")
    address = "unix:path=" + path
    desktop.start(["dbus-daemon", "--session", "--nofork", "--address=" + address],
                  log="dbus.log")
    wait_until(lambda: os.path.exists(path), 10, "the session bus")
    variables = {"DBUS_SESSION_BUS_ADDRESS": address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
    desktop.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                  env=desktop.env(**variables), log="at-spi.log")
    return variables


def read_tree(desktop, bus, application="tierce"):
    """Every object of the application, depth first, as dicts of role, name, description and
    states; empty while the application is not on the bus."""
    out = subprocess.run([PYTHON, __file__, application], env=desktop.env(**bus),
                         capture_output=True, text=True, timeout=30).stdout
    return json.loads(out or "[]")


def _dump(application):
    import pyatspi

    found = []

    def walk(node, depth):
        if node is None or depth > 12:
            return
        states = node.getState()
        # Newer AT-SPI (Debian 13) says "button" where older ones say "push button".
        role = node.getRoleName().replace("push button", "button")
        found.append({"role": role, "name": node.name or "",
                      "description": node.description or "",
                      "showing": states.contains(pyatspi.STATE_SHOWING),
                      "focused": states.contains(pyatspi.STATE_FOCUSED)})
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), depth + 1)

    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == application:
            walk(app, 0)
    print(json.dumps(found))


if __name__ == "__main__":
    _dump(sys.argv[1])
