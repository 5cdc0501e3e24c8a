"""What a screen reader reads of the game: its accessibility tree through AT-SPI, on a session
bus of the scenario's own with the accessibility bus launched on it. pyatspi keeps what it has
read, so each reading runs in a fresh Python of Debian's (where python3-pyatspi lives)."""

import json
import os
import re
import signal
import subprocess
import sys
import time

from desktop import read_file, wait_until

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


class Orca:
    """Orca, Debian's screen reader, speaking to no sound card: what it says is read from its
    debug output, one phrase a "SPEECH OUTPUT" line."""

    def __init__(self, desktop, bus, log="orca.log"):
        home = os.path.join(desktop.dir, "orca-home")
        config = os.path.join(home, ".config", "speech-dispatcher")
        os.makedirs(config, exist_ok=True)
        # Without an audio output that works, speech-dispatcher hangs and Orca gives up.
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        with open("/etc/speech-dispatcher/speechd.conf") as f:
            conf = re.sub(r"^\s*AudioOutputMethod.*$", "", f.read(), flags=re.M)
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write(conf + '\nAudioOutputMethod "alsa"\n')
        self.log = os.path.join(desktop.dir, log)
        env = desktop.env(**bus, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        # The debug file fills in blocks unless written to a terminal.
        self.process = desktop.start(
            ["script", "-qf", "-c", "orca --replace --debug-file=/dev/stdout", self.log],
            env=env, log=log + ".script")
        self.heard = 0
        self.last_change = (0, time.monotonic())
        wait_until(lambda: self.spoken(), 60, "Orca's first words")

    def spoken(self):
        """Every phrase Orca has said so far. Newer Orcas say a notification's role apart from
        its text: here it comes before the text in one phrase, as older ones say it."""
        phrases = []
        for phrase in re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{'established'", read_file(self.log)):
            if phrases and phrases[-1] == "notification":
                phrases[-1] += " " + phrase
            else:
                phrases.append(phrase)
        return phrases

    def events(self):
        """The game's events Orca received, a line each, for a failure's message."""
        return [f"{when} {event[:150]}" for when, event in re.findall(
            r"^(\S+) - EVENT MANAGER: ((?:object|window|focus)\S* for .*in (?:\[application \| "
            r"tierce\]|tierce \(Qt)(?:(?!has priority).)*)$", read_file(self.log), flags=re.M)]

    def quiet(self, seconds):
        """Whether Orca has said nothing for `seconds`."""
        count, when = self.last_change
        now_count = len(self.spoken())
        if now_count != count:
            self.last_change = (now_count, time.monotonic())
            return False
        return time.monotonic() - when >= seconds

    def since(self):
        """The phrases said since the last call."""
        said = self.spoken()
        new, self.heard = said[self.heard:], len(said)
        return new

    def wait_for(self, pattern, deadline=15):
        """The phrases said until one matches `pattern`, from where the last reading ended."""
        def heard():
            said = self.spoken()[self.heard:]
            found = next((i for i, p in enumerate(said) if re.search(pattern, p)), None)
            return None if found is None else said[:found + 1]
        phrases = wait_until(heard, deadline, lambda: f"Orca to say {pattern!r} after "
                             f"{self.spoken()[self.heard - 1:self.heard]} (then it said "
                             f"{self.spoken()[self.heard:]}; the game's last events it "
                             f"received:\n" + "\n".join(self.events()[-12:]) + ")")
        self.heard += len(phrases)
        return phrases

    def stop(self):
        """Orca ends, and `script` with it, each process reaped by its parent. Orca ignores
        SIGTERM, and a newer one started while it lives, even unreaped, waits for it in vain."""
        for pid in descendants(self.process.pid):
            if read_file(f"/proc/{pid}/comm").strip() == "orca":
                os.kill(int(pid), signal.SIGKILL)
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def descendants(pid):
    """The processes below `pid`: `script` runs Orca through a shell."""
    children = subprocess.run(["pgrep", "-P", str(pid)], capture_output=True,
                              text=True).stdout.split()
    return [d for child in children for d in [child, *descendants(child)]]


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
