#!/usr/bin/env python3
"""Runs every benchmark and writes docs/performance.md: each figure beside its target and the
reference it is compared with in the same run, and the machine it ran on."""
import json
import os
import platform
import signal
import statistics
import subprocess
import sys
import time

from CpuLimit import CpuLimit, Unavailable

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "release")
BENCH = os.path.join(BUILD, "bench")
GAME = os.path.join(BUILD, "app", "tierce")
PROBE = os.path.join(BENCH, "FrameProbe")
TICK = os.sysconf("SC_CLK_TCK")
RUNS = 5
# A slow machine: a quarter of one core (Raspberry Pi class boards, old laptops).
SLOW_PERCENT = 25
KEPT_SECTION = "## Before and after"
TIMEOUT = 60


def Log(text):
    print(text, file=sys.stderr, flush=True)


def Machine():
    model = "?"
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as meminfo:
        total = int(meminfo.readline().split()[1]) // 1024
    load = os.getloadavg()
    return (f"{os.cpu_count()} cores, {model}, {total} MB memory, {platform.system()} "
            f"{platform.release()}; load average at the start {load[0]:.2f}")


def GoogleBenchmarks():
    """Median CPU time in ns of every benchmark, by name."""
    times = {}
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy")
    for name in ("CanvasBench", "GameBench", "CloudBench", "DecodeBench"):
        Log(f"== {name}")
        out = subprocess.run([os.path.join(BENCH, name), "--benchmark_format=json",
                              "--benchmark_repetitions=5", "--benchmark_min_time=0.2",
                              "--benchmark_report_aggregates_only=true"],
                             env=env, check=True, capture_output=True, text=True).stdout
        for run in json.loads(out)["benchmarks"]:
            if run.get("aggregate_name") == "median":
                scale = {"ns": 1, "us": 1e3, "ms": 1e6}[run["time_unit"]]
                times[run["run_name"]] = run["cpu_time"] * scale
    return times


class Display:
    """A private Xvfb on a free display number, so the game runs as on a desktop and nothing else
    draws there; at scale 2, a screen twice as large and Qt told to double everything."""

    def __init__(self, scale):
        self.scale = scale

    def __enter__(self):
        ready, told = os.pipe()
        size = "1280x1024x24" if self.scale == 1 else "2560x2048x24"
        self.server = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", size,
                                        "-nolisten", "tcp"], pass_fds=(told,),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(told)
        with os.fdopen(ready) as answer:
            number = answer.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=f":{number}", SDL_AUDIODRIVER="dummy")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("QT_SCALE_FACTOR", None)
        if self.scale != 1:
            self.env["QT_SCALE_FACTOR"] = str(self.scale)
        return self

    def __exit__(self, *error):
        self.server.send_signal(signal.SIGTERM)
        self.server.wait()

    def Run(self, *args, check=True):
        done = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                              timeout=TIMEOUT)
        if check and done.returncode != 0:
            raise RuntimeError(f"{args} failed: {done.stderr}")
        return done.stdout.strip()

    def Point(self, point):
        """A window point in logical pixels, as the X server counts it."""
        return [str(coordinate * self.scale) for coordinate in point]


def Cpu(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK  # utime + stime, in seconds


def Status(pid, key):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1])  # kB
    return 0


def Stop(pid):
    os.kill(pid, signal.SIGTERM)
    try:
        os.waitpid(pid, 0)
    except ChildProcessError:
        for _ in range(100):
            if not os.path.exists(f"/proc/{pid}"):
                break
            time.sleep(0.02)


def Colour(display, window, point):
    """The colour a window settles on at a point, read once it has been up for a while."""
    for _ in range(100):
        colour = display.Run(PROBE, "colour", window, *display.Point(point), check=False)
        if colour:
            return colour
        time.sleep(0.05)
    raise RuntimeError(f"window {window} never showed")


def Launch(display, window, point, colour, *command, limit=None):
    """From starting `command`, in the CPU `limit` when given, to its window's first frame."""
    if limit:
        command = limit.Command(command)
    ms, pid = display.Run(PROBE, "launch", window, *display.Point(point), colour, "--",
                          *command).split()
    return float(ms), int(pid)


def Click(display, target, window, point, colour):
    """From the release of a real button press on `target` to `window`'s first frame."""
    return float(display.Run(PROBE, "click", window, *display.Point(point), colour, target,
                             *display.Point(CLICK_POINT)))


# Window points that show still artwork once drawn: the splash picture, the track right of the
# betting panel, the middle of an empty window; and where the splash or the empty window is
# clicked. Logical pixels.
SPLASH_POINT = (172, 124)
MAIN_POINT = (600, 300)
EMPTY_POINT = (400, 300)
CLICK_POINT = (100, 100)
GO_POINT = (39, 31)
EMPTY = os.path.join(BENCH, "EmptyWindow")
FLOOR = os.path.join(BENCH, "LibraryFloor")
SETTLE_S = 2


def Calibrate(display, game):
    """The colours the first frames show at the watched points."""
    colours = {}

    def Settle(command, window, point, clicked=None):
        """Starts `command`, reads the colour its window settles on, clicks it when a second
        window is to be read, and ends it."""
        pid = subprocess.Popen([command], env=display.env, stderr=subprocess.DEVNULL).pid
        for name, at in [(window, point)] + ([clicked] if clicked else []):
            if name != window:
                display.Run("xdotool", "mousemove", "--window",
                            display.Run("xdotool", "search", "--name", f"^{window}$").split()[0],
                            *display.Point(CLICK_POINT), "click", "--delay", "0", "1")
            time.sleep(SETTLE_S)
            colours[name] = Colour(display, name, at)
        Stop(pid)

    Settle(EMPTY, "Empty", EMPTY_POINT, ("Second", EMPTY_POINT))
    Settle(FLOOR, "Floor", EMPTY_POINT)
    Settle(game, "Splash", SPLASH_POINT, ("Main", MAIN_POINT))
    return colours


def EmptyRun(display, colours, limit=None):
    """The floor of launch and click: (launch ms, click ms) of the empty window."""
    launch, pid = Launch(display, "Empty", EMPTY_POINT, colours["Empty"], EMPTY, limit=limit)
    time.sleep(0.5)
    click = Click(display, "Empty", "Second", EMPTY_POINT, colours["Second"])
    Stop(pid)
    return launch, click


def GameRun(display, game, colours, limit=None):
    """Launch to the splash, the click to the game window, then memory once idle: (launch ms,
    click ms, idle VmRSS kB, pid)."""
    launch, pid = Launch(display, "Splash", SPLASH_POINT, colours["Splash"], game, limit=limit)
    time.sleep(0.5)
    click = Click(display, "Splash", "Main", MAIN_POINT, colours["Main"])
    display.Run("xdotool", "mousemove", "5", "5")  # no hint opens over the idle game
    time.sleep(SETTLE_S)
    return launch, click, Status(pid, "VmRSS"), pid


def Race(display, pid):
    """Clicks Go and returns once the ninth rank is written at the post."""
    main = display.Run("xdotool", "search", "--name", "^Main$").split()[0]
    display.Run("xdotool", "mousemove", "--window", main, *display.Point(GO_POINT), "click",
                "--delay", "0", "1", "mousemove", "5", "5")
    display.Run(PROBE, "yellow", "Main", *display.Point((770, 82)), str(60 * display.scale),
                "9", "40000")


def Kept(display):
    """What the game keeps, by KeptMemory, as (bytes, when, what) at the display's scale: when
    "idle", from its start; when "race", from its first race."""
    out = subprocess.run([os.path.join(BENCH, "KeptMemory")], env=display.env, check=True,
                         capture_output=True, text=True).stdout
    return [(int(size), when, what)
            for size, when, what in (line.split(" ", 2) for line in out.splitlines())]


def Scale(scale, earlier):
    """Every whole-program figure at one scale; the floors, the game and, when given, the
    earlier build's game run in turns, so that the machine's load falls on them alike."""
    figures = {"scale": scale}
    games = {"game": GAME}
    if earlier:
        games["earlier"] = earlier
    with Display(scale) as display:
        colours = Calibrate(display, GAME)
        figures["kept"] = Kept(display)
        series = {key: [] for key in ("empty_launch", "empty_click", "floor_rss", "floor_hwm")}
        for name in games:
            for key in ("launch", "click", "idle"):
                series[f"{name}_{key}"] = []
        for run in range(RUNS):
            Log(f"== scale {scale}, run {run + 1} of {RUNS}")
            launch, click = EmptyRun(display, colours)
            series["empty_launch"].append(launch)
            series["empty_click"].append(click)
            _, pid = Launch(display, "Floor", EMPTY_POINT, colours["Floor"], FLOOR)
            time.sleep(SETTLE_S + 0.5)
            series["floor_rss"].append(Status(pid, "VmRSS"))
            series["floor_hwm"].append(Status(pid, "VmHWM"))
            Stop(pid)
            # Which build goes first alternates: the one after the floor shares the machine
            # with the floor's ending.
            order = list(games.items())
            for name, game in order if run % 2 == 0 else reversed(order):
                launch, click, idle, pid = GameRun(display, game, colours)
                series[f"{name}_launch"].append(launch)
                series[f"{name}_click"].append(click)
                series[f"{name}_idle"].append(idle)
                Stop(pid)
        for key, values in series.items():
            figures[key] = statistics.median(values)
        for name, game in games.items():
            Log(f"== scale {scale}, a race of {name}")
            _, _, idle, pid = GameRun(display, game, colours)
            before = Cpu(pid)
            time.sleep(10)
            figures[f"{name}_idle_cpu_pct"] = 100 * (Cpu(pid) - before) / 10
            before, start = Cpu(pid), time.monotonic()
            Race(display, pid)
            seconds = time.monotonic() - start
            figures[f"{name}_race_s"] = seconds
            figures[f"{name}_race_cpu_pct"] = 100 * (Cpu(pid) - before) / seconds
            figures[f"{name}_peak"] = Status(pid, "VmHWM")
            figures[f"{name}_after_race"] = Status(pid, "VmRSS")
            figures[f"{name}_anon"] = Status(pid, "RssAnon") + Status(pid, "RssShmem")
            figures[f"{name}_file"] = Status(pid, "RssFile")
            Stop(pid)
        if scale == 1:
            Log("== timer accuracy over 3 races")
            TimerPeriods(display, figures, "timer.")
        Slow(display, colours, figures)
    return figures


def TimerPeriods(display, figures, prefix, limit=None):
    """The race's two timer periods over three races, by TimerAccuracy."""
    command = [os.path.join(BENCH, "TimerAccuracy"), "3"]
    out = display.Run(*(limit.Command(command) if limit else command))
    for line in out.splitlines():
        key, value = line.split()
        figures[prefix + key] = float(value)


def Slow(display, colours, figures):
    """The launches and clicks again, game and floor alike, in turns, each program given a
    quarter of one core; at scale 1, the race's timer periods too. Skipped, saying why, where
    the kernel's CPU controller cannot be used."""
    try:
        with CpuLimit(SLOW_PERCENT) as limit:
            series = {f"slow_{name}_{key}": [] for name in ("empty", "game")
                      for key in ("launch", "click")}
            for run in range(RUNS):
                Log(f"== scale {display.scale}, a quarter core, run {run + 1} of {RUNS}")
                launch, click = EmptyRun(display, colours, limit)
                series["slow_empty_launch"].append(launch)
                series["slow_empty_click"].append(click)
                launch, click, _, pid = GameRun(display, GAME, colours, limit)
                series["slow_game_launch"].append(launch)
                series["slow_game_click"].append(click)
                Stop(pid)
            for key, values in series.items():
                figures[key] = statistics.median(values)
            if display.scale == 1:
                Log("== timer accuracy over 3 races, a quarter core")
                TimerPeriods(display, figures, "slow_timer.", limit)
    except Unavailable as why:
        Log(f"== no slow machine: {why}")
        figures["slow_skipped"] = str(why)


def SameLibraries():
    """Whether the floor needs exactly the libraries the game needs (the loader aside)."""
    def Needed(path):
        out = subprocess.run(["readelf", "-d", path], check=True, capture_output=True,
                             text=True).stdout
        return {line.split("[", 1)[1].rstrip("]") for line in out.splitlines()
                if "(NEEDED)" in line and "ld-linux" not in line}
    return Needed(GAME) == Needed(FLOOR)


def Row(rows, figure, measured, reference, ratio, target, met, note=""):
    mark = "yes" if met else "**no**"
    rows.append(f"| {figure} | {measured} | {reference} | {ratio} | {target} | {mark} {note}|")


def MB(kb):
    return f"{kb / 1024:.2f} MB"  # MiB, as /proc counts


def KeptKb(figures, when=None):
    """What the game keeps, in kB: all of it, or only what it keeps `when` ("idle")."""
    return sum(size for size, kept, _ in figures["kept"] if when in (None, kept)) / 1024


def MemoryRows(rows, f, name="game"):
    """Idle and race-peak memory of one build at one scale beside the floor and what is kept."""
    scale = f["scale"]
    floor, idle_kept, kept = f["floor_rss"], KeptKb(f, "idle"), KeptKb(f)
    idle, peak = f[f"{name}_idle"], f[f"{name}_peak"]
    Row(rows, f"Idle memory after start-up (VmRSS), scale {scale}", MB(idle),
        f"floor {MB(floor)} ({idle / floor:.2f}×); floor + kept when idle "
        f"{MB(floor + idle_kept)}", f"{idle / (floor + idle_kept):.2f}×",
        "≤ 1.05× floor + kept when idle", idle <= 1.05 * (floor + idle_kept))
    Row(rows, f"Peak memory, start-up and a race (VmHWM), scale {scale}", MB(peak),
        f"idle {MB(idle)}; floor {MB(floor)} ({peak / floor:.2f}×); floor + all kept "
        f"{MB(floor + kept)}", f"{peak / (floor + kept):.2f}×", "≤ 1.05× floor + all kept",
        peak <= 1.05 * (floor + kept))


def StartRows(rows, f, name="game", slow=False):
    """Launch and click of one build at one scale beside the empty window's; with `slow`, those
    taken with a quarter of one core, where the launch has no target."""
    scale, prefix = f["scale"], "slow_" if slow else ""
    if slow and f"{prefix}{name}_launch" not in f:
        return
    where = f", scale {scale}" + (", a quarter of one core" if slow else "")
    launch, empty = f[f"{prefix}{name}_launch"], f[f"{prefix}empty_launch"]
    Row(rows, f"Launch to splash's first frame{where}", f"{launch:.0f} ms",
        f"empty Qt window's launch to first frame {empty:.0f} ms", f"{launch / empty:.2f}×",
        "—" if slow else "≤ 1.1×", slow or launch <= 1.1 * empty)
    click, floor = f[f"{prefix}{name}_click"], f[f"{prefix}empty_click"]
    Row(rows, f"Splash click (release) to game window's first frame{where}",
        f"{click:.0f} ms", f"empty Qt window's click to a second window's first frame "
        f"{floor:.0f} ms", f"{click / floor:.2f}×", "≤ 1.5×", click <= 1.5 * floor)


def TimerRows(rows, f, prefix, where):
    for name, period in (("advance", 80), ("animation", 90)):
        if f"{prefix}{name}.mean_ms" not in f:
            return
        mean = f[f"{prefix}{name}.mean_ms"]
        within = f[f"{prefix}{name}.within5_pct"]
        Row(rows, f"{name.capitalize()} timer period, mean{where} "
            f"({f[f'{prefix}{name}.count']:.0f} periods, 3 races)", f"{mean:.2f} ms",
            f"{period} ms", f"{mean - period:+.2f} ms", "within ±1 ms", abs(mean - period) <= 1)
        Row(rows, f"{name.capitalize()} timer periods within ±5 ms{where}",
            f"{within:.1f} % (σ {f[f'{prefix}{name}.stdev_ms']:.2f} ms, "
            f"{f[f'{prefix}{name}.min_ms']:.1f}–{f[f'{prefix}{name}.max_ms']:.1f} ms)",
            f"{period} ms", "—", "≥ 95 %", within >= 95)


def Write(machine, micro, scales, earlier, seconds):
    rows = []
    for f in scales:
        MemoryRows(rows, f)
    for slow in (False, True):
        for f in scales:
            StartRows(rows, f, slow=slow)
    one = scales[0]
    Row(rows, "CPU, 10 s idle (gentleman animated)", f"{one['game_idle_cpu_pct']:.2f} % of a core",
        "—", "—", "< 1 %", one["game_idle_cpu_pct"] < 1)
    Row(rows, f"CPU over a whole race ({one['game_race_s']:.1f} s, pistol included)",
        f"{one['game_race_cpu_pct']:.2f} % of a core", "—", "—", "< 3 %",
        one["game_race_cpu_pct"] < 3)
    TimerRows(rows, one, "timer.", "")
    TimerRows(rows, one, "slow_timer.", ", a quarter of one core")
    anim, adv = micro["AnimationTick"], micro["AdvanceTick"]
    floor = micro["MemcpyOfAnAnimationTick"]
    Row(rows, "Animation tick (9 horses restored, drawn keyed, shown)", f"{anim / 1e3:.2f} µs",
        f"memcpy of its bytes {floor / 1e3:.2f} µs", f"{anim / floor:.2f}×", "< 3×",
        anim / floor < 3)
    share = 100 * (anim + adv) / 80e6
    Row(rows, "Both ticks together, share of an 80 ms period",
        f"{(anim + adv) / 1e3:.2f} µs = {share:.3f} %", "80 ms", "—", "< 0.5 %", share < 0.5)
    for name, reference, label in (
            ("KeyedDraw", "MemcpyOfAFrame", "Keyed draw of a 73×60 frame"),
            ("RectCopy", "MemcpyOfAFrame", "Plain copy of a 73×60 rectangle"),
            ("GameFirstFrame", "EmptyWindowFirstFrame", "Splash + main window first frames, offscreen"),
            ("OneLineCloud", "PlainRectangleRegion", "One cloud hint activation"),
            ("ResourceLoad", "MemcpyOfTheTrackFile", "Finding and reading the track resource"),
            ("DecodeTrackJpeg", "QtDecodeTrackJpeg", "Decoding the 800×600 track JPEG"),
            ("ReadManAvi", "MemcpyOfTheManFrames", "Reading the gentleman's AVI")):
        m, r = micro[name], micro[reference]
        unit = (1e6, "ms") if m > 1e6 else (1e3, "µs")
        Row(rows, label, f"{m / unit[0]:.2f} {unit[1]}",
            f"{reference} {r / unit[0]:.2f} {unit[1]}", f"{m / r:.2f}×", "— (kept in view)",
            True)
    table = "\n".join(rows)
    kept = "\n".join(
        f"| {what} | {'from the start' if when == 'idle' else 'from the first race'} | "
        f"{MB(one_size / 1024)} | {MB(two_size / 1024)} |"
        for (one_size, when, what), (two_size, _, _) in zip(scales[0]["kept"], scales[-1]["kept"]))
    kept += (f"\n| **Kept when idle** | | **{MB(KeptKb(scales[0], 'idle'))}** | "
             f"**{MB(KeptKb(scales[-1], 'idle'))}** |")
    kept += f"\n| **All** | | **{MB(KeptKb(scales[0]))}** | **{MB(KeptKb(scales[-1]))}** |"
    skipped = scales[0].get("slow_skipped")
    slow = (f"\nThe quarter-core runs were skipped: {skipped}.\n" if skipped else "")
    breakdown = "\n".join(
        f"| {f['scale']} | {MB(f['floor_rss'])} (VmHWM {MB(f['floor_hwm'])}) | {MB(f['game_idle'])} | "
        f"{MB(f['game_peak'])} | {MB(f['game_after_race'])} | {MB(f['game_anon'])} | "
        f"{MB(f['game_file'])} |" for f in scales)
    text = f"""# Performance

Written by `scripts/bench` on {time.strftime('%Y-%m-%d %H:%M')}; the run took {seconds:.0f} s.

**Machine:** {machine}. The machine is shared with other developers' builds, so start-up times
carry their noise: each is the median of {RUNS} runs, taken in turns with its floor. Memory
figures hardly move from run to run. Micro-benchmarks are medians of 5 repetitions of CPU time.

| Figure | Measured | Reference, same run | Ratio | Target | Met |
| --- | --- | --- | --- | --- | --- |
{table}
{slow}
## What the game keeps

Each picture and sound the game holds by its own rules until it exits, as `KeptMemory` finds
them in the game's own objects (scale 2: every picture at twice the size). The scene shares the
track's pixels until the first race draws on it; the sounds are decoded at their first play.

| What | Kept | Scale 1 | Scale 2 |
| --- | --- | --- | --- |
{kept}

| Scale | Floor, idle (VmRSS) | Game idle | Game peak (VmHWM) | After the race (VmRSS) | of which anonymous | file-backed |
| --- | --- | --- | --- | --- | --- | --- |
{breakdown}

The floor needs the same libraries as the game: {"yes" if SameLibraries() else "**no**"}.
{Earlier(scales, earlier)}
## How each figure is taken

- Whole-program figures run the real `tierce` under a private Xvfb (1280×1024×24; at scale 2,
  2560×2048×24 with `QT_SCALE_FACTOR=2`), sounds on SDL's `dummy` driver (played in real time,
  heard nowhere). Times are taken from outside by `FrameProbe`, which polls the screen every
  millisecond until a window is viewable and shows, at a still point of its artwork, the colour
  it settles on.
- Launch: from starting the program. The floor is `EmptyWindow`, an empty 800×600 `QWidget`.
- Click: `FrameProbe` presses and releases the first button through the XTest extension, as a
  mouse does, half a second after the splash shows, and times from the release (which the splash
  acts on) to the game window's first frame. The floor is the same click on `EmptyWindow`, which
  opens a second empty window.
- A quarter of one core: the launches and clicks again, game and floor alike, and the timer
  periods, each program put at its start in a group of the kernel's CPU controller (cgroup v2,
  else v1) allowed {SLOW_PERCENT} % of one core over every 10 ms (`bench/CpuLimit.py`); the group
  is made and removed by the run.
- Memory: `VmRSS` from `/proc/<pid>/status` {SETTLE_S} s after the splash click with the pointer
  off the hints (idle), and `VmHWM` after a whole race, the start signal and the crowd sound
  played (peak, which also covers start-up). The floor is `LibraryFloor`: it needs the same
  libraries as `tierce` (Qt Widgets, SDL2, libjpeg), opens the SDL audio device, and shows the
  game's kinds of widgets in an 800×600 frameless window (three drop-downs of nine pictured
  items, a 4×2 grid, labels in the game's fonts, a four-item popup menu built) beside a 29×30
  box redrawn 25 times a second; its `VmRSS` {SETTLE_S} s after it shows. The targets add to it
  what the game keeps by its own rules: from its start for the idle game, all of it for the
  peak.
- CPU is utime + stime from `/proc/<pid>/stat` (10 ms ticks), at scale 1: over 10 s with the game
  idle, and from the click on Go until the ninth rank is on screen.
- Timer periods come from `TimerAccuracy`, which runs three races of the real game window on the
  real event loop, under the same Xvfb, with sounds silenced, and time-stamps each call of the
  two timer handlers.
- Micro-benchmarks are the Google Benchmark programs `CanvasBench`, `GameBench`, `CloudBench`,
  `DecodeBench`, on the `offscreen` platform.
"""
    path = os.path.join(ROOT, "docs", "performance.md")
    # Comparisons measured by hand for a change are kept from the previous report.
    kept_text = ""
    if os.path.exists(path):
        with open(path) as previous:
            old = previous.read()
        if KEPT_SECTION in old:
            kept_text = "\n" + old[old.index(KEPT_SECTION):]
    with open(path, "w") as out:
        out.write(text)
        out.write(kept_text)


def Earlier(scales, earlier):
    """The same figures of an earlier build of the game, measured in turns with this one."""
    if not earlier:
        return ""
    rows = []
    for f in scales:
        MemoryRows(rows, f, "earlier")
    for f in scales:
        StartRows(rows, f, "earlier")
    for f in scales:
        rows.append(f"| Race, scale {f['scale']} | {f['earlier_race_s']:.1f} s, CPU "
                    f"{f['earlier_race_cpu_pct']:.2f} %, after it {MB(f['earlier_after_race'])} "
                    f"| this build: {f['game_race_s']:.1f} s, CPU {f['game_race_cpu_pct']:.2f} %, "
                    f"after it {MB(f['game_after_race'])} | — | — | — |")
    table = "\n".join(rows)
    return f"""
## The earlier build, same run

`{earlier}`, measured in turns with this build against the same floors (what it keeps is
counted as this build's).

| Figure | Measured | Reference, same run | Ratio | Target | Met |
| --- | --- | --- | --- | --- | --- |
{table}
"""


def main():
    started = time.monotonic()
    machine = Machine()
    micro = GoogleBenchmarks()
    earlier = os.environ.get("TIERCE_EARLIER")
    scales = [Scale(scale, earlier) for scale in (1, 2)]
    Write(machine, micro, scales, earlier, time.monotonic() - started)
    with open(os.path.join(ROOT, "docs", "performance.md")) as doc:
        print(doc.read())


if __name__ == "__main__":
    main()
