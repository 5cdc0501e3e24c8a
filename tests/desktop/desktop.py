"""Runs the real game on real display servers that the scenario starts, and drives it from
outside as a player would: xdotool for the pointer and keys, xwininfo and xprop for windows,
ImageMagick for screenshots. Every wait has a deadline; every server gets a free display number
and a private runtime folder, so that scenarios run side by side."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

TIERCE = os.environ.get("TIERCE", "tierce")
# A share of one core for the game alone, as on a slow machine (by hand: TIERCE_CPU_LIMIT=25).
CPU_LIMIT = int(os.environ.get("TIERCE_CPU_LIMIT", "0"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))
from CpuLimit import CpuLimit


def wait_until(condition, deadline, what):
    """The first true value of condition(), polled until `deadline` seconds have passed. `what`
    may be a function, for a message that tells the state at the deadline."""
    end = time.monotonic() + deadline
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"waited {deadline} s for {what() if callable(what) else what}")
        time.sleep(0.05)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class Desktop:
    """The servers and programs of one scenario; all are stopped when it ends."""

    def __init__(self, name):
        self.dir = tempfile.mkdtemp(prefix=f"tierce-{name}-")
        os.chmod(self.dir, 0o700)
        self.processes = []
        self.display = None  # the X display that input and screenshots go to
        self.cpu_limit = None

    def __enter__(self):
        return self

    def __exit__(self, kind, error, trace):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        if self.cpu_limit:
            self.cpu_limit.__exit__()
        if error is not None:
            print(f"logs and screenshots kept in {self.dir}", file=sys.stderr)
        else:
            shutil.rmtree(self.dir, ignore_errors=True)

    def start(self, argv, env=None, log=None, **options):
        """A background process, its output in a log file of the scenario's folder."""
        out = open(os.path.join(self.dir, log or os.path.basename(argv[0]) + ".log"), "ab")
        process = subprocess.Popen(argv, env=env or os.environ.copy(), stdout=out,
                                   stderr=subprocess.STDOUT, **options)
        self.processes.append(process)
        return process

    def start_x_server(self, argv, env=None):
        """An X server given a free display number; returns its display, which becomes the
        scenario's. Like a desktop's server, it keeps its state when its last client leaves
        rather than starting afresh, and its keyboard is already the one xdotool types on."""
        read, write = os.pipe()
        self.start([argv[0], "-displayfd", str(write), "-nolisten", "tcp", "-noreset"] + argv[1:],
                   env=env, pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        check(number, f"{argv[0]} gave no display number")
        self.display = ":" + number
        # xdotool's first key changes the server's keymap to its own device's. A window manager
        # then ungrabs and grabs again all its keys, and a key pressed meanwhile (Alt+F4) goes to
        # the window instead; so that first key goes now, before any client runs.
        self.key("shift")
        return self.display

    def start_xvfb(self, *screens):
        """An Xvfb with the given screens ("1024x768x24")."""
        argv = ["Xvfb"]
        for number, screen in enumerate(screens or ["1024x768x24"]):
            argv += ["-screen", str(number), screen]
        return self.start_x_server(argv)

    def start_monitors(self, width, height, monitors):
        """Xephyr of width x height, nested in an Xvfb, with the RandR monitors (name, left, top,
        width, height); Qt sees each as a screen. Start the window manager afterwards: one that
        restarts wipes the monitors."""
        outer = self.start_xvfb(f"{width}x{height}x24")
        # The monitors stay: no server here resets when its last client leaves.
        self.start_x_server(["Xephyr", "-screen", f"{width}x{height}"],
                            env=self.env(outer))
        wait_until(lambda: "default connected" in self.run("xrandr"), 10, "Xephyr")
        for number, (name, left, top, w, h) in enumerate(monitors):
            # The first replaces the output's own monitor, which cannot be deleted.
            self.run("xrandr", "--setmonitor", name,
                     f"{w}/{w * 254 // 960}x{h}/{h * 254 // 960}+{left}+{top}",
                     "none" if number else "default")
        wanted = sorted(tuple(m) for m in monitors)
        wait_until(lambda: self.monitors() == wanted, 10, f"the monitors {wanted}")

    def monitors(self):
        """The RandR monitors, as (name, left, top, width, height), sorted."""
        listing = self.run("xrandr", "--listmonitors")
        return sorted((name, int(left), int(top), int(w), int(h)) for name, w, h, left, top in
                      re.findall(r"^\s*\d+: [+*]*(\S+) (\d+)/\d+x(\d+)/\d+\+(\d+)\+(\d+)",
                                 listing, re.M))

    def start_window_manager(self):
        """Openbox on the scenario's display, returned once it manages windows."""
        self.start(["openbox", "--sm-disable"], env=self.env())
        wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in
                   self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 10, "openbox")

    def start_weston(self, width, height):
        """Weston nested in the scenario's X display, with its kiosk shell (each window
        centred on the output) and XWayland. Returns the Wayland socket name and the XWayland
        display; weston's screen is the top-left width x height of the X display."""
        runtime = self.runtime()
        renderer = ("--renderer=pixman" if "--renderer" in
                    subprocess.run(["weston", "--help"], capture_output=True, text=True).stdout
                    else "--use-pixman")
        log = os.path.join(self.dir, "weston.log")
        self.start(["weston", "--backend=x11-backend.so", renderer, "--shell=kiosk-shell.so",
                    "--socket=wayland-tierce", "--xwayland", "--idle-time=0",
                    f"--width={width}", f"--height={height}", f"--log={log}"],
                   env=dict(self.env(), XDG_RUNTIME_DIR=runtime), log="weston.out")

        def xwayland():
            if not os.path.exists(os.path.join(runtime, "wayland-tierce")):
                return None
            found = re.search(r"listening on display (:\d+)", read_file(log))
            return found and found.group(1)
        return "wayland-tierce", wait_until(xwayland, 20, "weston and its XWayland")

    def runtime(self):
        path = os.path.join(self.dir, "runtime")
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def env(self, display=None, **variables):
        """The environment of a program on `display` (the scenario's by default), with no
        platform chosen and no Wayland offered unless `variables` say so; in the C locale, where
        the game speaks French, and with a configuration folder of its own, under HOME."""
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
                            "XDG_CONFIG_HOME", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")}
        env.update(DISPLAY=display or self.display, XDG_RUNTIME_DIR=self.runtime(),
                   SDL_AUDIODRIVER="dummy", HOME=self.dir, LANG="C.UTF-8")
        env.update(variables)
        return env

    def start_tierce(self, **variables):
        """The real game, on the scenario's display unless `variables` say otherwise."""
        options = {}
        if CPU_LIMIT:
            self.cpu_limit = self.cpu_limit or CpuLimit(CPU_LIMIT).__enter__()
            options["preexec_fn"] = self.cpu_limit.Join
        return self.start([TIERCE], env=self.env(**variables), log="tierce.log", **options)

    def check_ended(self, game, what, deadline=10):
        """That `game` ends within `deadline` seconds with status 0. A game that does not end is
        described first: its windows, where each of its threads waits, how its log ends."""
        try:
            status = game.wait(deadline)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{what}: still running after {deadline} s; "
                                 f"{self.describe(game.pid)}") from None
        check(status == 0, f"{what}: status {status}")

    def describe(self, pid):
        """What a game that should have ended is doing, as one line."""
        shown = [name for name in ("Splash", "Main") if self.display and self.window_named(name)]
        focus = self.display and self.run("xdotool", "getwindowfocus", "getwindowname").strip()
        threads = []
        for task in sorted(os.listdir(f"/proc/{pid}/task")):
            stat = read_file(f"/proc/{pid}/task/{task}/stat")
            name, state = re.search(r"\((.*)\) (\S)", stat).groups() if stat else ("?", "?")
            threads.append(f"{name} {state} in {read_file(f'/proc/{pid}/task/{task}/wchan')}")
        log = read_file(os.path.join(self.dir, "tierce.log")).splitlines()[-10:]
        return (f"windows shown {shown}, focus on {focus!r}; threads {threads}; "
                f"its log ends {log}")

    def start_game(self, on_splash=lambda splash: None, **variables):
        """The game started and its splash clicked in its middle, after `on_splash` has looked
        at it; returns the process and the main window."""
        game = self.start_tierce(**variables)
        splash = wait_until(lambda: self.window_named("Splash"), 15, "the splash")
        on_splash(splash)
        self.click(splash.x + splash.width // 2, splash.y + splash.height // 2)
        main = wait_until(lambda: self.window_named("Main"), 15, "the main window")
        check(not self.window_named("Splash"), "the splash is still shown")
        return game, main

    def hint_window(self):
        """The hint on screen: the tooltip window, or None."""
        return next((w for w in self.windows() if "_NET_WM_WINDOW_TYPE_TOOLTIP" in w.type), None)

    def run(self, *argv, display=None):
        """A command on an X display; its standard output."""
        return subprocess.run(argv, env=self.env(display), capture_output=True, text=True,
                              timeout=30).stdout

    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y))

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def key(self, keys):
        self.run("xdotool", "key", keys)

    def screenshot(self, name, box=None):
        """The whole screen of the scenario's display, or its `box` (left, top, right, bottom),
        kept as `name`.png."""
        path = os.path.join(self.dir, name + ".png")
        left, top, right, bottom = box or (0, 0, 0, 0)
        crop = ["-crop", f"{right - left}x{bottom - top}+{left}+{top}"] if box else []
        self.run("import", "-window", "root", *crop, path)
        raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                             check=True).stdout
        size = self.run("identify", "-format", "%w %h", path).split()
        return Picture(int(size[0]), int(size[1]), raw, left, top)

    def windows(self, display=None):
        """The viewable top-level windows, bottom to top, as Window records."""
        tree = self.run("xwininfo", "-root", "-children", display=display)
        ids = re.findall(r"^\s+(0x[0-9a-f]+)", tree, re.M)
        found = [Window.read(self, id, display) for id in ids]
        return [w for w in found if w and w.viewable]

    def window_named(self, name, display=None):
        """The viewable window titled `name`, looked for below the window manager's frames."""
        ids = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{name}$",
                       display=display).split()
        found = [Window.read(self, int(id), display) for id in ids]
        found = [w for w in found if w and w.viewable]
        return found[0] if found else None


class Window:
    """What xwininfo and xprop say of one X window."""

    @staticmethod
    def read(desktop, id, display=None):
        info = desktop.run("xwininfo", "-shape", "-id", str(id), display=display)
        if "Absolute upper-left X" not in info:
            return None  # gone meanwhile
        window = Window()
        window.id = int(str(id), 0)

        def number(label):
            return int(re.search(label + r":\s+(-?\d+)", info).group(1))
        window.x, window.y = number("Absolute upper-left X"), number("Absolute upper-left Y")
        window.width, window.height = number("Width"), number("Height")
        window.viewable = "IsViewable" in info
        window.override_redirect = "Override Redirect State: yes" in info
        # xwininfo gives the shape's extents when the window has one.
        shape = re.search(r"Window shape extents:\s+(\d+)x(\d+)", info)
        window.shape = (int(shape.group(1)), int(shape.group(2))) if shape else None
        window.type = desktop.run("xprop", "-id", str(window.id), "_NET_WM_WINDOW_TYPE",
                                  display=display)
        return window


class Picture:
    """A screenshot's pixels, (r, g, b) by (x, y) on the screen."""

    def __init__(self, width, height, raw, left=0, top=0):
        self.width, self.height, self.raw = width, height, raw
        self.left, self.top = left, top

    def pixel(self, x, y):
        at = 3 * ((y - self.top) * self.width + x - self.left)
        return tuple(self.raw[at:at + 3])

    def changed(self, other, box, ignore=()):
        """The points of `box` (left, top, right, bottom) whose colour differs in `other`,
        outside the boxes `ignore`."""
        left, top, right, bottom = box
        points = []
        for y in range(top, bottom):
            for x in range(left, right):
                if any(l <= x < r and t <= y < b for l, t, r, b in ignore):
                    continue
                if self.pixel(x, y) != other.pixel(x, y):
                    points.append((x, y))
        return points


def bounds(points):
    xs = [x for x, _ in points]
    ys = [y for _, y in points]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def read_file(path):
    try:
        with open(path, errors="replace") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def scenario(function):
    """Runs a scenario, prints how long it took, exits non-zero on failure."""
    start = time.monotonic()
    try:
        function()
    except AssertionError as error:
        print(f"FAILED: {error}", file=sys.stderr)
        sys.exit(1)
    print(f"passed in {time.monotonic() - start:.1f} s")
