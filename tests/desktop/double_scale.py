"""The game on a screen of ratio 2 (Xvfb 2560x1600, QT_SCALE_FACTOR=2): the main window is
1600x1200 device pixels; the title, a portrait, a horse in mid-race and the cloud's text are
drawn at twice the size, not blown up; the cloud hangs from the pointer.

A picture blown up from half its size comes back identical when halved and doubled back, so a
part drawn at 2x is one where many pixels do not. The halving is in width only: the grid stretches
its pictures in height, which would set apart even a blown-up one."""

from desktop import Desktop, bounds, check, scenario, wait_until

RATIO = 2
CLOUD = (0, 255, 255)
# Drawn parts measure 0.05 (the cloud's text, with the cloud between its lines) to 0.45; blown-up
# ones exactly 0.
SHARP = 0.02


def sharp_share(picture, box):
    """The share of the pixels of `box` (screen pixels: left, top, right, bottom) that differ
    from the same box halved in width and doubled back."""
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
    check(share > SHARP, f"{what} is blown up: {share:.3f} of {box} differ from it halved")
    print(f"{what}: {share:.3f} of its pixels differ from it halved")


def device_box(window, left, top, width, height):
    """A box in the window's logical pixels, in screen pixels."""
    return (window.x + RATIO * left, window.y + RATIO * top,
            window.x + RATIO * (left + width), window.y + RATIO * (top + height))


def hint_window(desktop):
    return next((w for w in desktop.windows() if w.override_redirect and w.shape), None)


def drawn(picture, main):
    """`picture` once the game window shows more than one colour where the portrait is."""
    left, top, right, bottom = device_box(main, 252, 314, 73, 60)
    colours = {picture.pixel(x, y) for y in range(top, bottom, 8) for x in range(left, right, 8)}
    return picture if len(colours) > 1 else None


def check_main_window(main):
    check((main.width, main.height) == (800 * RATIO, 600 * RATIO),
          f"main window not 1600x1200 device pixels: {vars(main)}")


def check_title_and_portrait(picture, main):
    # The title's left edge on the banner, and the first player's portrait in the bet grid.
    check_sharp(picture, device_box(main, 230, 8, 60, 36), "the title's edge")
    check_sharp(picture, device_box(main, 252, 314, 73, 60), "the portrait")


def check_cloud_at_pointer_and_its_text(desktop, pointer):
    """The cloud shown for the control under `pointer` (screen pixels): its corner at the pointer,
    its text drawn at the screen's resolution."""
    hint = wait_until(lambda: hint_window(desktop), 5, "the cloud")
    check(hint.x in (pointer[0], pointer[0] - hint.width) and
          hint.y in (pointer[1], pointer[1] - hint.height),
          f"cloud not at the pointer {pointer}: {vars(hint)}")
    picture = desktop.screenshot("cloud")

    def in_cloud(x, y):
        return picture.pixel(x, y) == CLOUD

    # The text: dark pixels with the cloud's colour near them on both sides.
    ink = [(x, y) for y in range(hint.y, hint.y + hint.height)
           for x in range(hint.x, hint.x + hint.width)
           if max(picture.pixel(x, y)) < 96 and
           any(in_cloud(x - d, y) for d in range(1, 12)) and
           any(in_cloud(x + d, y) for d in range(1, 12))]
    check(ink, "the cloud shows no text")
    check_sharp(picture, bounds(ink), "the cloud's text")


def check_horse_in_mid_race(desktop, main, track):
    """A horse of the last lane, found where the picture changed from the bare `track`, once it
    is wholly on the track."""
    lane = device_box(main, 100, 530, 500, 60)

    def horse():
        picture = desktop.screenshot("race")
        moved = track.changed(picture, lane)
        if moved and bounds(moved)[2] - bounds(moved)[0] >= 60 * RATIO:
            return picture, bounds(moved)
        return None
    picture, box = wait_until(horse, 15, "a horse in mid-race")
    check_sharp(picture, box, "the horse")


def main():
    with Desktop("double-scale") as desktop:
        desktop.start_xvfb("2560x1600x24")
        game = desktop.start_tierce(QT_SCALE_FACTOR=str(RATIO))
        splash = wait_until(lambda: desktop.window_named("Splash"), 15, "the splash")
        desktop.click(splash.x + splash.width // 2, splash.y + splash.height // 2)
        main = wait_until(lambda: desktop.window_named("Main"), 15, "the main window")
        check_main_window(main)
        # The window is mapped before its first frame: the portrait is waited for.
        first = wait_until(lambda: drawn(desktop.screenshot("game"), main), 5, "the first frame")
        check_title_and_portrait(first, main)

        go = (main.x + RATIO * 39, main.y + RATIO * 31)
        desktop.move(*go)
        check_cloud_at_pointer_and_its_text(desktop, go)

        # Go closes the panel and starts the race; the last lane is below the panel.
        desktop.click(*go)
        check_horse_in_mid_race(desktop, main, first)
        game.terminate()
        check(game.wait(10) == 0, f"the game ended with status {game.returncode}")


if __name__ == "__main__":
    scenario(main)
