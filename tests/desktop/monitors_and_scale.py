#!/usr/bin/env python3
"""The game on two monitors and at double scale, as Qt sees them on real X servers.

1. Two 1024x768 monitors side by side, then stacked (Xephyr with two RandR monitors, under
   openbox), the pointer on the second one: the splash and the main window open centred on that
   monitor; the cloud hint has its corner at the pointer over Go and over a drop-down and stays
   within that monitor. Stacked, with the main window moved to the top of the lower monitor,
   the cloud over Go hangs down from the pointer instead of reaching up onto the other monitor.
2. Scale 2 (QT_SCALE_FACTOR=2 on a 2560x1600 Xvfb): the main window is 1600x1200 device pixels,
   centred; the cloud is at the pointer; the title, a portrait, the cloud's text, a horse in
   mid-race, the score (Qt's) and the ranks the game writes at the post are drawn at twice the
   size, not blown up from 1x.

A picture blown up from half its size comes back identical when halved and doubled back, so a
part drawn at 2x is one where many pixels do not. The halving is in width only: the grid stretches
its pictures in height, which would set apart even a blown-up one.
"""
from desktop import Desktop, bounds, check, scenario, wait_until

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
# The title's left edge on the banner, the first player's portrait in the bet grid, and the last
# lane, below the betting panel.
TITLE_EDGE = (230, 8, 290, 44)
PORTRAIT = (252, 314, 325, 374)
LAST_LANE = (100, 530, 600, 590)
CLOUD = (0, 255, 255)
# Drawn parts measure 0.05 (the cloud's text, with the cloud between its lines) to 0.45; blown-up
# ones exactly 0.
SHARP = 0.02


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
    the pointer and stays inside `area`. Returns the hint window."""
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
    return hint


def hangs_down(desktop, main, at, area):
    return check_hint(desktop, main, at, area).y == main.y + at[1]


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
            check(hangs_down(desktop, main, GO, area), "the cloud does not hang down from Go")
        game.terminate()
        desktop.check_ended(game, "SIGTERM")


def blown_up(picture, box):
    """Whether every 2x2 block of `box` is of one colour: a 1x picture drawn at twice its
    size."""
    left, top, right, bottom = box
    return all(len({picture.pixel(x + dx, y + dy) for dx in (0, 1) for dy in (0, 1)}) == 1
               for y in range(top, bottom, 2) for x in range(left, right, 2))


def sharp_share(picture, box):
    """The share of the pixels of `box` (screen pixels) that differ from the same box halved in
    width and doubled back."""
    left, top, right, bottom = box
    right = left + (right - left) // 2 * 2
    differing = 0
    for y in range(top, bottom):
        for x in range(left, right, 2):
            a, b = picture.pixel(x, y), picture.pixel(x + 1, y)
            mean = tuple((p + q + 1) // 2 for p, q in zip(a, b))
            differing += (a != mean) + (b != mean)
    return differing / max(1, (right - left) * (bottom - top))


def check_sharp(picture, box, what):
    share = sharp_share(picture, box)
    print(f"  {what}: {share:.3f} of its pixels differ from it halved", flush=True)
    check(share > SHARP, f"{what} is blown up: {share:.3f} of {box} differ from it halved")


def written(picture, box):
    """Whether the box holds yellow: the game writes the ranks in yellow on the green track."""
    left, top, right, bottom = box
    return any(r > 200 and g > 200 and b < 100 for r, g, b in
               (picture.pixel(x, y) for y in range(top, bottom) for x in range(left, right)))


def cloud_text(picture, hint):
    """The box of the cloud's text: dark pixels with the cloud's colour near them on both
    sides."""
    def in_cloud(x, y):
        return picture.pixel(x, y) == CLOUD
    ink = [(x, y) for y in range(hint.y, hint.y + hint.height)
           for x in range(hint.x, hint.x + hint.width)
           if max(picture.pixel(x, y)) < 96 and
           any(in_cloud(x - d, y) for d in range(1, 12)) and
           any(in_cloud(x + d, y) for d in range(1, 12))]
    check(ink, "the cloud shows no text")
    return bounds(ink)


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

        def first_frame():
            # The window is mapped before its first frame: the portrait is waited for.
            shot = desktop.screenshot("scale-2")
            left, top, right, bottom = device(PORTRAIT)
            return len({shot.pixel(x, y) for y in range(top, bottom, 8)
                        for x in range(left, right, 8)}) > 1 and shot
        track = wait_until(first_frame, 5, "the first frame")
        check(not blown_up(track, device(SCORE)), "the score is blown up from 1x")
        check_sharp(track, device(TITLE_EDGE), "the title's edge")
        check_sharp(track, device(PORTRAIT), "the portrait")
        hint = check_hint(desktop, main, GO, area, scale=2)
        cloud = desktop.screenshot("cloud")
        check_sharp(cloud, cloud_text(cloud, hint), "the cloud's text")

        # A race: a horse of the last lane once it is wholly on the track, then the ranks the
        # game writes at the post, on its own window surface.
        desktop.click(main.x + 2 * GO[0], main.y + 2 * GO[1])

        def horse():
            shot = desktop.screenshot("race")
            moved = track.changed(shot, device(LAST_LANE))
            return moved and bounds(moved)[2] - bounds(moved)[0] >= 120 and (shot, bounds(moved))
        shot, box = wait_until(horse, 15, "a horse in mid-race")
        check_sharp(shot, box, "a horse in mid-race")
        ranks = [device(rank) for rank in RANKS]
        post = (ranks[0][0], ranks[0][1], ranks[-1][2], ranks[-1][3])

        def all_written():
            shot = desktop.screenshot("post", post)
            return all(written(shot, rank) for rank in ranks) and shot
        shot = wait_until(all_written, 60, "the nine ranks at the post")
        blocky = [number + 1 for number, rank in enumerate(ranks) if blown_up(shot, rank)]
        check(not blocky, f"the ranks of the horses {blocky} are blown up from 1x")
        game.terminate()
        desktop.check_ended(game, "SIGTERM")


if __name__ == "__main__":
    scenario(lambda: (two_monitors("side-by-side", (2048, 768), ("R", 1024, 0, 1024, 768)),
                      two_monitors("stacked", (1024, 1536), ("B", 0, 768, 1024, 768)),
                      double_scale()))
