"""The game in a Wayland session (weston, nested in Xvfb through its x11 back-end, with its kiosk
shell, which centres each window, and XWayland): with both displays offered it runs on X11
through XWayland and its hint is a shaped X window; forced onto native Wayland, its hint is
still a cloud: the track shows through all around it, nothing of an earlier hint is left, and a
click at the pointer passes through it to the game."""

from desktop import Desktop, bounds, check, scenario, wait_until

WIDTH, HEIGHT = 1024, 768
MAIN = (112, 84)  # the 800 x 600 main window, centred by the kiosk shell
GO = (MAIN[0] + 39, MAIN[1] + 31)
AQUA = (0, 255, 255)


def on_weston(desktop, x, y):
    """Weston takes pointer motion from its X window as relative steps: from the origin,
    a move lands where it is asked to."""
    desktop.move(0, 0)
    desktop.move(x, y)


def through_xwayland(desktop, wayland, xwayland):
    game = desktop.start_tierce(DISPLAY=xwayland, WAYLAND_DISPLAY=wayland)
    wait_until(lambda: desktop.window_named("Splash", display=xwayland), 15,
               "the splash as a window of XWayland")
    on_weston(desktop, WIDTH // 2, HEIGHT // 2)
    desktop.click(WIDTH // 2, HEIGHT // 2)
    main = wait_until(lambda: desktop.window_named("Main", display=xwayland), 15,
                      "the main window as a window of XWayland")
    # XWayland's root coordinates are weston's.
    on_weston(desktop, main.x + 39, main.y + 31)
    hint = wait_until(lambda: next((w for w in desktop.windows(xwayland)
                                    if "TOOLTIP" in w.type), None), 5, "the hint over Go")
    check(hint.override_redirect and hint.shape and hint.shape[0] < hint.width,
          f"the hint is not a shaped tooltip: {vars(hint)}")
    game.terminate()
    check(game.wait(10) == 0, f"the game ended with status {game.returncode}")


def settled(desktop, name, ignore):
    """A screenshot once two in a row agree, but for the boxes `ignore`."""
    shots = [desktop.screenshot(name)]

    def same():
        shots.append(desktop.screenshot(name))
        return not shots[-1].changed(shots[-2], (0, 0, WIDTH, HEIGHT), ignore)
    wait_until(same, 10, f"the screen to settle ({name})")
    return shots[-1]


def check_cloud(desktop, track, name, ignore):
    """The hint on screen, compared with the track without it."""
    shot = wait_until(lambda: (lambda s: s.changed(track, (0, 0, WIDTH, HEIGHT), ignore) and s)(
        desktop.screenshot(name)), 5, f"the hint ({name})")
    shot = settled(desktop, name, ignore)
    changed = shot.changed(track, (0, 0, WIDTH, HEIGHT), ignore)
    left, top, right, bottom = bounds(changed)
    area = (right - left) * (bottom - top)
    aqua = sum(1 for x, y in changed if shot.pixel(x, y) == AQUA)
    check(aqua > 0.3 * len(changed), f"{name}: the cloud is not aqua ({aqua} of {len(changed)})")
    # A cloud's bounding box has track in its corners and all along the smoke's band.
    for x, y in ((left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)):
        if any(l <= x < r and t <= y < b for l, t, r, b in ignore):
            continue
        check(shot.pixel(x, y) == track.pixel(x, y), f"{name}: corner {x},{y} is not the track")
    check(len(changed) < 0.7 * area,
          f"{name}: {len(changed)} of the {area} pixels around the cloud are covered")
    check(left <= GO[0] + 2 and GO[1] - 2 <= top <= GO[1] + 40,
          f"{name}: the cloud {left},{top} does not lead from the pointer {GO}")


def native(desktop, wayland, xwayland):
    game = desktop.start_tierce(DISPLAY=xwayland, WAYLAND_DISPLAY=wayland,
                                QT_QPA_PLATFORM="wayland")
    black = desktop.screenshot("empty")
    centre = (WIDTH // 2, HEIGHT // 2)
    wait_until(lambda: desktop.screenshot("splash").pixel(*centre) != black.pixel(*centre), 15,
               "the splash")
    check(not desktop.window_named("Splash", display=xwayland), "the splash went to XWayland")
    on_weston(desktop, *centre)
    desktop.click(*centre)
    corner = (MAIN[0] + 790, MAIN[1] + 590)
    wait_until(lambda: desktop.screenshot("main").pixel(*corner) != black.pixel(*corner), 15,
               "the main window, centred")

    # What moves anyway: the gentleman's animation, the pointer and the Go button's frame.
    gentleman = (MAIN[0] + 745, MAIN[1] + 12, MAIN[0] + 782, MAIN[1] + 50)
    pointer = (GO[0] - 22, GO[1] - 18, GO[0] + 32, GO[1] + 32)
    away = (MAIN[0] + 600, MAIN[1] + 560)
    ignore = (gentleman, pointer, (away[0] - 2, away[1] - 2, away[0] + 32, away[1] + 32))
    on_weston(desktop, *away)
    track = settled(desktop, "track", ignore)
    for showing in ("first", "second"):
        on_weston(desktop, *GO)
        check_cloud(desktop, track, f"{showing} hint", ignore)
        if showing == "first":
            on_weston(desktop, *away)
            wait_until(lambda: not desktop.screenshot("gone").changed(
                track, (0, 0, WIDTH, HEIGHT), ignore), 8,
                "the track back, with nothing of the hint left")

    # The pointer sits in the cloud's corner: a click there reaches Go, which closes the panel.
    panel = (MAIN[0] + 400, MAIN[1] + 140)
    desktop.click(*GO)
    wait_until(lambda: desktop.screenshot("race").pixel(*panel) != track.pixel(*panel), 10,
               "the click through the cloud to close the betting panel")
    game.terminate()
    check(game.wait(10) == 0, f"the game ended with status {game.returncode}")


def main():
    with Desktop("wayland") as desktop:
        desktop.start_xvfb(f"{WIDTH + 256}x{HEIGHT + 256}x24")
        wayland, xwayland = desktop.start_weston(WIDTH, HEIGHT)
        through_xwayland(desktop, wayland, xwayland)
        native(desktop, wayland, xwayland)


if __name__ == "__main__":
    scenario(main)
