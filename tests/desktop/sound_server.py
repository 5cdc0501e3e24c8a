#!/usr/bin/env python3
"""The game's sounds on a real PulseAudio server, heard through the monitor of a null sink.

1. Two races, with the server killed and started again between them: in each, the pistol ("Feu")
   from the click, the crowd ("Bravo") about 2.3 s later, the fanfare ("FIN") at the end with the
   crowd cut, then silence. Both servers list the game's stream under the game's name and icon,
   with a name of its own and the media role "game".
2. The server frozen (SIGSTOP) while the pistol plays: SIGTERM still ends the game within a
   second, with status 0.
"""
import os
import re
import signal
import subprocess
import time

from desktop import Desktop, check, scenario, wait_until


def click_in(desktop, name, x, y):
    """A left click at (x, y) in the window titled `name`, once it is on screen."""
    window = wait_until(lambda: desktop.window_named(name), 20, f"the window {name}")
    desktop.click(window.x + x, window.y + y)


# ---- The sound server and its recording ------------------------------------------------------

RATE = 22050
WINDOW = RATE // 20  # samples in 50 ms


class SoundServer:
    """PulseAudio with one null sink, in its own runtime folder, as root too."""

    def __init__(self, folder):
        self.folder = folder
        self.socket = os.path.join(folder, "native")
        self.env = dict(os.environ, XDG_RUNTIME_DIR=folder, HOME=folder,
                        PULSE_SERVER="unix:" + self.socket)
        self.server = None

    def start(self):
        if os.path.exists(self.socket):
            os.unlink(self.socket)
        self.server = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "-n", "--system=false", "--disallow-exit",
             "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + self.socket,
             "--load=module-null-sink sink_name=game"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: subprocess.run(["pactl", "info"], env=self.env,
                                          capture_output=True).returncode == 0, 10,
                   "PulseAudio answering")

    def signal(self, number):
        self.server.send_signal(number)

    def stop(self):
        if self.server and self.server.poll() is None:
            self.server.send_signal(signal.SIGCONT)
            self.server.kill()
            self.server.wait()


class Recording:
    """What the sink plays, 16-bit mono at 22050 Hz, growing in a file while the test runs."""

    def __init__(self, server, path):
        self.path = path
        self.file = open(path, "wb")
        # An idle sink feeds its monitor nothing; a silent stream keeps the file on the clock.
        self.silence = subprocess.Popen(
            ["pacat", "--playback", "--raw", "--format=s16le", "--channels=1", f"--rate={RATE}",
             "--latency-msec=20"],
            env=server.env, stdin=open("/dev/zero", "rb"), stderr=subprocess.DEVNULL)
        self.process = subprocess.Popen(
            ["parec", "--device=game.monitor", "--format=s16le", "--channels=1", f"--rate={RATE}",
             "--latency-msec=20", "--raw"], env=server.env, stdout=self.file,
            stderr=subprocess.DEVNULL)
        wait_until(lambda: self.now() > LEAD * RATE, 10, "recording under way")

    def now(self):
        """The index of the sample being recorded at this moment."""
        return os.path.getsize(self.path) // 2

    def envelope(self, since):
        """(level, crossings per second) of each 50-ms window from sample `since`; the level is
        the RMS in steps of the 8-bit waves."""
        with open(self.path, "rb") as recorded:
            recorded.seek(since * 2)
            data = recorded.read()
        samples = memoryview(data[:len(data) // 2 * 2]).cast("h")
        windows = []
        for start in range(0, len(samples) - WINDOW + 1, WINDOW):
            part = samples[start:start + WINDOW]
            level = (sum(s * s for s in part) / WINDOW) ** 0.5 / 256
            crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
            windows.append((level, crossings * 20))
        return windows

    def stop(self):
        for process in (self.silence, self.process):
            process.terminate()
            process.wait()
            process.stdin and process.stdin.close()
        self.file.close()


# ---- Reading a race from its recording -------------------------------------------------------

LEAD = 1  # seconds of recording kept before the click
# The monitor of an idle null sink records exact zeros.
SILENT = 0.1
HEARD = 4
# The crowd is noise (about 4000 crossings a second); the pistol's tail and the fanfare are far
# lower.
CROWD_CROSSINGS = 3000


def crowd(w):
    return w[0] > HEARD and w[1] > CROWD_CROSSINGS


def first(windows, test, start):
    return next((i for i in range(start, len(windows)) if test(i)), None)


def race_timeline(windows):
    """The window where each sound starts, from the click; None from the first one missing."""
    t = {"feu": first(windows, lambda i: windows[i][0] > SILENT, 0)}
    t["bravo"] = t["feu"] is not None and first(windows, lambda i: crowd(windows[i]), t["feu"] + 16)
    # The fanfare: ten loud windows in a row that are not crowd.
    t["fin"] = t["bravo"] and first(
        windows, lambda i: all(windows[j][0] > HEARD and not crowd(windows[j])
                               for j in range(i, min(i + 10, len(windows)))), t["bravo"] + 20)
    # Silence: 200 ms of it, longer than a dropout of the loaded machine.
    t["silence"] = t["fin"] and first(
        windows, lambda i: all(w[0] <= SILENT for w in windows[i:i + 4]), t["fin"])
    return t


def race_finished(recording, since):
    """The race's timeline and windows once a second of silence follows the fanfare."""
    windows = recording.envelope(since)
    t = race_timeline(windows)
    return (t, windows) if t["silence"] and len(windows) >= t["silence"] + 20 else None


def check_race(label, t, windows):
    s = {name: i / 20 - LEAD for name, i in t.items()}
    print(f"{label}: from the click, " + ", ".join(f"{k} {v:.2f} s" for k, v in s.items()),
          flush=True)
    check(t["feu"] > 0 and s["feu"] < 0.5, f"{label}: the pistol starts at {s['feu']:.2f} s")
    check(2.1 <= s["bravo"] - s["feu"] <= 2.5, f"{label}: the crowd does not follow the pistol")
    # After the shot itself (noise too), until the crowd.
    check(not any(crowd(w) for w in windows[t["feu"] + 10:t["bravo"]]), f"{label}: crowd in pistol")
    check(max(w[0] for w in windows[t["bravo"] - 20:t["bravo"] - 2]) < 3, f"{label}: pistol's end")
    check(s["fin"] - s["bravo"] > 8, f"{label}: the fanfare comes too early for a race")
    crowded = windows[t["bravo"]:t["fin"]]
    check(sum(1 for w in crowded if w[0] > 2) > 0.9 * len(crowded), f"{label}: crowd breaks off")
    check(1.5 <= s["silence"] - s["fin"] <= 1.9, f"{label}: the fanfare does not last 1.7 s")
    after = windows[t["silence"]:t["silence"] + 20]
    check(max(w[0] for w in after) <= SILENT, f"{label}: the crowd goes on after the fanfare")


# ---- Scenarios -------------------------------------------------------------------------------


def start_race(desktop, recording):
    """Clicks the starting pistol; returns where the race's recording starts, LEAD before the
    click (the file may lag behind the sink a little; the idle game is silent)."""
    since = recording.now() - LEAD * RATE
    click_in(desktop, "Main", 39, 31)
    return since


class Session:
    """A desktop, a sound server of its own with its recording, and the game playing on it."""

    def __init__(self, name):
        self.desktop = Desktop(name)
        self.desktop.start_xvfb()
        self.server = SoundServer(os.path.join(self.desktop.dir, "pulse"))
        self.server.start()
        self.recording = Recording(self.server, os.path.join(self.desktop.dir, "race.raw"))
        self.game = self.desktop.start_tierce(SDL_AUDIODRIVER="pulseaudio",
                                              PULSE_SERVER=self.server.env["PULSE_SERVER"])

    def restart_server(self):
        """Kills the server, as in a crash, and starts a new one on the same socket."""
        self.server.stop()
        self.recording.stop()
        self.server.start()
        self.recording = Recording(self.server, os.path.join(self.desktop.dir, "restarted.raw"))

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.recording.stop()
        self.server.stop()
        self.desktop.__exit__(*error)


def game_stream(session):
    """The properties of the game's sink input, by name, once the server lists it."""
    listing = subprocess.run(["pactl", "list", "sink-inputs"], env=session.server.env,
                             capture_output=True, text=True).stdout
    for block in listing.split("\n\n"):
        properties = dict(re.findall(r'^\s+([\w.]+) = "(.*)"$', block, re.M))
        if properties.get("application.process.id") == str(session.game.pid):
            return properties
    return None


def check_stream_names(session):
    stream = wait_until(lambda: game_stream(session), 10, "the game's stream on the server")
    shown = {k: stream.get(k) for k in ("application.name", "application.icon_name", "media.name",
                                        "media.role")}
    print(f"the game's stream: {shown}", flush=True)
    check(shown == {"application.name": "Tiercé à deux",
                    "application.icon_name": "io.github.tiercea2.tierce",
                    "media.name": "Sons de la course", "media.role": "game"},
          f"the stream is not named as the game: {shown}")


def heard_and_heard_again_after_a_restart():
    with Session("sound-restart") as s:
        click_in(s.desktop, "Splash", 100, 100)
        since = start_race(s.desktop, s.recording)
        check_stream_names(s)
        check_race("race 1", *wait_until(lambda: race_finished(s.recording, since), 40, "race 1"))

        s.restart_server()
        check(s.game.poll() is None, "the game ended with its sound server")
        since = start_race(s.desktop, s.recording)
        check_stream_names(s)
        check_race("race 2, server restarted",
                   *wait_until(lambda: race_finished(s.recording, since), 40, "race 2"))

        s.game.send_signal(signal.SIGTERM)
        s.desktop.check_ended(s.game, "SIGTERM", deadline=5)


def sigterm_ends_the_game_while_the_server_hangs(limit=1.0):
    with Session("sound-hang") as s:
        click_in(s.desktop, "Splash", 100, 100)
        since = start_race(s.desktop, s.recording)
        wait_until(lambda: any(w[0] > HEARD for w in s.recording.envelope(since)), 5,
                   "the pistol heard")
        s.server.signal(signal.SIGSTOP)
        asked = time.monotonic()
        s.game.send_signal(signal.SIGTERM)
        status = wait_until(lambda: s.game.poll() is not None and (s.game.returncode,),
                            limit + 5, "the game ending while its server hangs")[0]
        seconds = time.monotonic() - asked
        print(f"server stopped during the pistol: SIGTERM to exit {seconds:.2f} s, "
              f"status {status}", flush=True)
        check(seconds <= limit, f"the exit took {seconds:.2f} s")
        check(status == 0, f"exit status {status}")


if __name__ == "__main__":
    scenario(lambda: (heard_and_heard_again_after_a_restart(),
                      sigterm_ends_the_game_while_the_server_hangs()))
