#!/usr/bin/env python3
"""Captures the README's and the store page's pictures of whole windows from the real game under
a private Xvfb: the splash, the game window with its betting panel, the game window after a race.
Without a window manager the windows have no frame, so each picture is exactly the window.
Usage: capture.py OUTPUT_FOLDER (the game is $TIERCE, or tierce on PATH)"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "desktop"))
from desktop import Desktop, check, scenario, wait_until  # noqa: E402

# The only animation at rest is the gentleman in the top right corner; a picture is settled when
# no more than his box changes between two captures.
SETTLED_PIXELS = 60 * 60


def capture(desktop, window, path):
    desktop.run("import", "-window", str(window.id), path)
    return path


def differing_pixels(first, second):
    # compare writes the count to standard error and exits 1 when the pictures differ.
    result = subprocess.run(["compare", "-metric", "AE", first, second, "null:"],
                            capture_output=True, text=True)
    return int(float(result.stderr.split()[0]))


def settled_capture(desktop, window, path, deadline=20):
    """The window's picture once two captures a moment apart agree."""
    previous = capture(desktop, window, path + ".previous.png")

    def settled():
        nonlocal previous
        current = capture(desktop, window, path)
        if differing_pixels(previous, current) <= SETTLED_PIXELS:
            return True
        os.replace(current, previous)
        return False
    wait_until(settled, deadline, f"{os.path.basename(path)} to settle")
    os.remove(previous)
    return path


def moving(desktop, window, scratch):
    """True once the window changes by more than its idle animation (the race has begun)."""
    before = capture(desktop, window, scratch + ".before.png")
    after = capture(desktop, window, scratch + ".after.png")
    return differing_pixels(before, after) > SETTLED_PIXELS


def main(folder):
    with Desktop("screenshots") as desktop:
        desktop.start_xvfb("1024x768x24")
        desktop.start_tierce()
        splash = wait_until(lambda: desktop.window_named("Splash"), 15, "the splash")
        settled_capture(desktop, splash, os.path.join(folder, "splash.png"))

        desktop.click(splash.x + splash.width // 2, splash.y + splash.height // 2)
        main = wait_until(lambda: desktop.window_named("Main"), 15, "the main window")
        desktop.move(main.x + 700, main.y + 500)  # no hint in the picture
        settled_capture(desktop, main, os.path.join(folder, "game.png"))

        # The pistol closes the betting panel, then starts the race.
        for _ in range(2):
            desktop.click(main.x + 39, main.y + 31)
        desktop.move(main.x + 700, main.y + 500)
        scratch = os.path.join(desktop.dir, "race")
        wait_until(lambda: moving(desktop, main, scratch), 15, "the race to begin")
        settled_capture(desktop, main, os.path.join(folder, "finished-race.png"), 60)

        for name, window in (("splash", splash), ("game", main), ("finished-race", main)):
            size = desktop.run("identify", "-format", "%wx%h", os.path.join(folder, name + ".png"))
            check(size == f"{window.width}x{window.height}", f"{name}.png is {size}")
            print(f"{name}.png: {size}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.splitlines()[-1])
    scenario(lambda: main(os.path.abspath(sys.argv[1])))
