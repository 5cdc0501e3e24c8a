"""The game in a Wayland session (weston, nested in Xvfb through its x11 back-end, with its kiosk
shell, which asks every window to fill the output, and XWayland): with both displays offered it
runs on X11 through XWayland and its hint is a shaped X window; forced onto native Wayland, its
hint is still a cloud: the track shows through all around it, nothing of an earlier hint is
left, and a click at the pointer passes through it to the game."""

from desktop import Desktop, bounds, check, scenario, wait_until

WIDTH, HEIGHT = 1024, 768
AQUA = (0, 255, 255)
PARKED = (WIDTH - 40, 8)  # where the pointer waits, clear of every window's picture


def on_weston(desktop, x, y):
    """Weston takes pointer motion from its X window as relative steps: from the origin,
    a move lands where it is asked to."""
    desktop.move(0, 0)
    desktop.move(x, y)


def on_xwayland(desktop, xwayland, x, y):
    """A move over an X window, repeated until XWayland has the pointer there: a busy weston
    may drop a step."""
    def there():
        on_weston(desktop, x, y)
        return f"x:{x} y:{y} " in desktop.run("xdotool", "getmouselocation", display=xwayland)
    wait_until(there, 5, f"the pointer at {x},{y} in XWayland")


def with_retries(attempt, tries, what):
    """attempt() again while it fails, up to `tries` times: nested weston may drop a pointer step
    when the machine is busy, and a hint then never starts or is gone before the screen settles.
    A fault of the game fails every try."""
    for left in reversed(range(tries)):
        try:
            return attempt()
        except AssertionError as error:
            if not left:
                raise
            print(f"{what}: {error}; trying again", flush=True)


def shown_through_xwayland(desktop, xwayland, name, size, pointer):
    """The X window `name`, once weston shows its picture of `size` where XWayland has the
    window (XWayland's root coordinates are weston's): it takes the pointer only then. The
    kiosk shell stretches an X window over the output whatever its size hints, and the game
    draws at its top-left; weston 10 leaves it where its own size was centred, weston 14 moves
    it to the origin, sometimes after XWayland has mapped it."""
    def shown():
        window = desktop.window_named(name, display=xwayland)
        at = window and window_on_screen(desktop.screenshot(name), size, [cursor(*pointer)])
        return window if at and at == (window.x, window.y) else None
    return wait_until(shown, 15, f"the {name} window of XWayland on weston's screen")


def through_xwayland(desktop, wayland, xwayland):
    on_weston(desktop, *PARKED)
    game = desktop.start_tierce(DISPLAY=xwayland, WAYLAND_DISPLAY=wayland)
    splash = shown_through_xwayland(desktop, xwayland, "Splash", (344, 249), PARKED)
    picture = (splash.x + 172, splash.y + 124)
    on_xwayland(desktop, xwayland, *picture)
    desktop.click(*picture)
    main = shown_through_xwayland(desktop, xwayland, "Main", (800, 600), picture)

    def tooltip():
        return next((w for w in desktop.windows(xwayland) if "TOOLTIP" in w.type), None)
    # Where weston leaves an unstretched main window, the click's place can be on Go: its hint
    # may have come and gone already, and comes back only once the pointer has left Go.
    def hint_over_go():
        on_xwayland(desktop, xwayland, main.x + 400, main.y + 60)  # the track, which has no hint
        wait_until(lambda: not tooltip(), 10, "no hint while the pointer is on the track")
        on_xwayland(desktop, xwayland, main.x + 39, main.y + 31)
        return wait_until(tooltip, 5, "the hint over Go")
    hint = with_retries(hint_over_go, 3, "through XWayland")
    check(hint.override_redirect and hint.shape and hint.shape[0] < hint.width,
          f"the hint is not a shaped tooltip: {vars(hint)}")
    game.terminate()
    desktop.check_ended(game, "SIGTERM")


def cursor(x, y):
    """The box that weston's pointer at x, y covers on its screen."""
    return (x - 8, y - 8, x + 32, y + 32)


def window_on_screen(shot, size, ignore):
    """The top-left corner of the game's window of `size` on weston's screen, or None. Asked to
    fill the output, Qt 6.4 keeps the window's fixed size and weston centres it on black; Qt 6.8
    and X windows take the whole output or more, and the game draws at their top-left on the
    window's plain background. Either way the window is the box of what is neither black nor the
    colour of the screen's bottom-right pixel, but for the boxes `ignore` (the pointer)."""
    plain = {bytes(3), bytes(shot.pixel(WIDTH - 1, HEIGHT - 1))}
    rows = [bytearray(shot.raw[3 * y * shot.width:3 * (y * shot.width + WIDTH)])
            for y in range(HEIGHT)]
    for left, top, right, bottom in ignore:
        left, right = max(left, 0), min(right, WIDTH)
        for y in range(max(top, 0), min(bottom, HEIGHT)):
            rows[y][3 * left:3 * right] = bytes(3) * (right - left)

    def drawn(row, columns):
        return next((x for x in columns if bytes(row[3 * x:3 * x + 3]) not in plain), None)
    lefts = {y: drawn(row, range(WIDTH)) for y, row in enumerate(rows)}
    ys = [y for y, x in lefts.items() if x is not None]
    if not ys:
        return None
    left = min(lefts[y] for y in ys)
    right = max(drawn(rows[y], reversed(range(WIDTH))) for y in ys)
    box = (left, ys[0], right + 1 - left, ys[-1] + 1 - ys[0])
    return box[:2] if box[2:] == size else None


def settled(desktop, name, ignore):
    """A screenshot once two in a row agree, but for the boxes `ignore`."""
    shots = [desktop.screenshot(name)]

    def same():
        shots.append(desktop.screenshot(name))
        return not shots[-1].changed(shots[-2], (0, 0, WIDTH, HEIGHT), ignore)
    wait_until(same, 10, f"the screen to settle ({name})")
    return shots[-1]


def check_cloud(desktop, track, go, name, ignore):
    """The hint on screen, compared with the track without it."""
    shot = wait_until(lambda: (lambda s: s.changed(track, (0, 0, WIDTH, HEIGHT), ignore) and s)(
        desktop.screenshot(name)), 5, f"the hint ({name})")
    shot = settled(desktop, name, ignore)
    changed = shot.changed(track, (0, 0, WIDTH, HEIGHT), ignore)
    check(changed, f"{name}: the hint was gone before the screen settled")
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
    check(left <= go[0] + 2 and go[1] - 2 <= top <= go[1] + 40,
          f"{name}: the cloud {left},{top} does not lead from the pointer {go}")


def native(desktop, wayland, xwayland):
    game = desktop.start_tierce(DISPLAY=xwayland, WAYLAND_DISPLAY=wayland,
                                QT_QPA_PLATFORM="wayland")
    on_weston(desktop, *PARKED)
    splash = wait_until(lambda: window_on_screen(desktop.screenshot("splash"), (344, 249),
                                                 [cursor(*PARKED)]), 15, "the splash")
    check(not desktop.window_named("Splash", display=xwayland), "the splash went to XWayland")
    picture = (splash[0] + 172, splash[1] + 124)
    on_weston(desktop, *picture)
    desktop.click(*picture)
    main = wait_until(lambda: window_on_screen(desktop.screenshot("main"), (800, 600),
                                               [cursor(*picture)]), 15, "the main window")

    # What moves anyway: the gentleman's animation, the pointer and the Go button's frame.
    go = (main[0] + 39, main[1] + 31)
    gentleman = (main[0] + 745, main[1] + 12, main[0] + 782, main[1] + 50)
    pointer = (go[0] - 22, go[1] - 18, go[0] + 32, go[1] + 32)
    away = (main[0] + 600, main[1] + 560)
    ignore = (gentleman, pointer, cursor(*away))
    on_weston(desktop, *away)
    track = settled(desktop, "track", ignore)

    def show_hint(showing):
        on_weston(desktop, *away)
        wait_until(lambda: not desktop.screenshot("gone").changed(
            track, (0, 0, WIDTH, HEIGHT), ignore), 8,
            "the track back, with nothing of the last hint left")
        on_weston(desktop, *go)
        check_cloud(desktop, track, go, f"{showing} hint", ignore)
    for showing in ("first", "second"):
        with_retries(lambda: show_hint(showing), 3, f"the {showing} hint")

    # The pointer sits in the cloud's corner: a click there reaches Go, which closes the panel.
    panel = (main[0] + 400, main[1] + 140)
    desktop.click(*go)
    wait_until(lambda: desktop.screenshot("race").pixel(*panel) != track.pixel(*panel), 10,
               "the click through the cloud to close the betting panel")
    game.terminate()
    desktop.check_ended(game, "SIGTERM")


def main():
    with Desktop("wayland") as desktop:
        desktop.start_xvfb(f"{WIDTH + 256}x{HEIGHT + 256}x24")
        wayland, xwayland = desktop.start_weston(WIDTH, HEIGHT)
        through_xwayland(desktop, wayland, xwayland)
        native(desktop, wayland, xwayland)


if __name__ == "__main__":
    scenario(main)
