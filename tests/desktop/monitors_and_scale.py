#!/usr/bin/env python3
"""The game on two monitors and at double scale, as Qt sees them on real X servers.

1. Two 1024x768 monitors side by side, then stacked (Xephyr with two RandR monitors, under
   openbox), the pointer on the second one: the splash and the main window open centred on that
   monitor; the cloud hint has its corner at the pointer over Go and over a drop-down and stays
   within that monitor. Stacked, with the main window moved to the top of the lower monitor,
   the cloud over Go hangs down from the pointer instead of reaching up onto the other monitor.
2. Scale 2 (QT_SCALE_FACTOR=2 on a 2560x1600 Xvfb): the main window is 1600x1200 device pixels,
   centred; the cloud is at the pointer; the score (Qt's) and the ranks the game writes at the
   post during a race (on its own window surface) are drawn at device resolution, not blown up.
"""
from desktop import Desktop, check, scenario, wait_until

SPLASH = (344, 249)
MAIN = (800, 600)
# Where the player points, in the main window's own pixels: the starting pistol, the first
# drop-down of the betting panel, the first player's score, and the empty track.
GO = (39, 31)
DROP_DOWN = (300, 260)
SCORE = (123, 19, 163, 38)
TRACK = (400, 560)
# Where the game writes each horse's rank when it arrives, a row each 60 pixels.
RANKS = [(768, 82 + 60 * row, 790, 96 + 60 * row) for row in range(9)]
# The track is painted from 1x art, blown up at scale 2; when it gets its 2x art, its title
# text must come out sharp instead.
TRACK_ART_AT_2X = False
TITLE = (300, 10, 500, 46)


def centred(size, area):
    left, top, right, bottom = area
    return left + (right - left - size[0]) // 2, top + (bottom - top - size[1]) // 2


def inside(window, area):
    left, top, right, bottom = area
    return (left <= window.x and window.x + window.width <= right and
            top <= window.y and window.y + window.height <= bottom)


def check_placed(window, size, area, what):
    placed = (window.x, window.y, window.width, window.height)
    check(placed == centred(size, area) + size, f"{what} at {placed}, not centred in {area}")


def check_hint(desktop, main, at, area, scale=1):
    """The pointer on the control at `at` of the main window: the hint opens with its corner at
    the pointer and stays inside `area`. Returns whether it hangs down from the pointer."""
    # Off any control first, so that the hint looked at is a new one.
    desktop.move(main.x + TRACK[0] * scale, main.y + TRACK[1] * scale)
    wait_until(lambda: not desktop.hint_window(), 8, "the last hint to go")
    pointer = (main.x + at[0] * scale, main.y + at[1] * scale)
    desktop.move(*pointer)
    hint = wait_until(desktop.hint_window, 5, f"the hint at {pointer}")
    print(f"  pointer {pointer}: hint {hint.width}x{hint.height} at ({hint.x}, {hint.y})",
          flush=True)
    check(hint.x in (pointer[0], pointer[0] - hint.width) and
          hint.y in (pointer[1], pointer[1] - hint.height),
          f"hint not at the pointer {pointer}: {vars(hint)}")
    check(inside(hint, area), f"hint beyond the monitor {area}: {vars(hint)}")
    return hint.y == pointer[1]


def two_monitors(layout, size, second):
    """The game on a second monitor (name, left, top, width, height) of a screen of `size`."""
    first = ("L", 0, 0, 1024, 768)
    _, left, top, width, height = second
    area = (left, top, left + width, top + height)
    print(f"{layout}: pointer on the monitor {area}", flush=True)
    with Desktop(f"monitors-{layout}") as desktop:
        desktop.start_monitors(*size, [first, second])
        desktop.start_window_manager()
        desktop.move(left + width // 2, top + height // 2)
        game, main = desktop.start_game(lambda splash: check_placed(splash, SPLASH, area,
                                                                    "the splash"))
        check_placed(main, MAIN, area, "the main window")
        for control in (GO, DROP_DOWN):
            check_hint(desktop, main, control, area)
        if top > 0:
            # At the top of the lower monitor the cloud has no room above within it.
            desktop.run("xdotool", "windowmove", "--sync", str(main.id), str(main.x), str(top))
            main = wait_until(lambda: next((w for w in [desktop.window_named("Main")]
                                            if w and w.y == top), None),
                              10, "the main window at the monitor's top")
            check(check_hint(desktop, main, GO, area), "the cloud does not hang down from Go")
        game.terminate()
        check(game.wait(10) == 0, f"exit status {game.returncode}")


def blown_up(picture, box):
    """Whether every 2x2 block of `box` is of one colour: a 1x picture drawn at twice its
    size."""
    left, top, right, bottom = box
    return all(len({picture.pixel(x + dx, y + dy) for dx in (0, 1) for dy in (0, 1)}) == 1
               for y in range(top, bottom, 2) for x in range(left, right, 2))


def written(picture, box):
    """Whether the box holds yellow: the game writes the ranks in yellow on the green track."""
    left, top, right, bottom = box
    return any(r > 200 and g > 200 and b < 100 for r, g, b in
               (picture.pixel(x, y) for y in range(top, bottom) for x in range(left, right)))


def double_scale():
    print("scale 2 on a 2560x1600 screen", flush=True)
    with Desktop("scale-2") as desktop:
        desktop.start_xvfb("2560x1600x24")
        area = (0, 0, 2560, 1600)
        game, main = desktop.start_game(QT_SCALE_FACTOR="2")
        check_placed(main, (MAIN[0] * 2, MAIN[1] * 2), area, "the main window")

        def device(box):
            left, top, right, bottom = box
            return main.x + 2 * left, main.y + 2 * top, main.x + 2 * right, main.y + 2 * bottom
        shot = desktop.screenshot("scale-2", device((0, 0) + MAIN))
        check(not blown_up(shot, device(SCORE)), "the score is blown up from 1x")
        title = device(TITLE)
        colours = {shot.pixel(x, y) for y in range(title[1], title[3])
                   for x in range(title[0], title[2])}
        check(len(colours) > 50, f"no title text at {title}: {len(colours)} colours")
        check(blown_up(shot, title) != TRACK_ART_AT_2X,
              f"the track's title {'is' if TRACK_ART_AT_2X else 'is not'} blown up from 1x; "
              f"TRACK_ART_AT_2X says {TRACK_ART_AT_2X}")
        check_hint(desktop, main, GO, area, scale=2)

        # A race: the game itself writes each horse's rank at the post, on its window surface.
        desktop.click(main.x + 2 * GO[0], main.y + 2 * GO[1])
        ranks = [device(rank) for rank in RANKS]
        post = (ranks[0][0], ranks[0][1], ranks[-1][2], ranks[-1][3])

        def all_written():
            shot = desktop.screenshot("post", post)
            return all(written(shot, rank) for rank in ranks) and shot
        shot = wait_until(all_written, 60, "the nine ranks at the post")
        blocky = [number + 1 for number, rank in enumerate(ranks) if blown_up(shot, rank)]
        check(not blocky, f"the ranks of the horses {blocky} are blown up from 1x")
        game.terminate()
        check(game.wait(10) == 0, f"exit status {game.returncode}")


if __name__ == "__main__":
    scenario(lambda: (two_monitors("side-by-side", (2048, 768), ("R", 1024, 0, 1024, 768)),
                      two_monitors("stacked", (1024, 1536), ("B", 0, 768, 1024, 768)),
                      double_scale()))
