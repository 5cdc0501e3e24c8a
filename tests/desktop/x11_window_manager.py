"""The game under a real X11 window manager (openbox): windows centred, splash above the
others, the hint an override-redirect tooltip with its shape applied that takes no focus and
goes after 5 s, and both ways out ending with status 0. Without any display, one clear line and
status 1 instead of Qt's abort; a platform chosen all the same is obeyed."""

import os
import signal
import subprocess
import time

from desktop import TIERCE, Desktop, check, read_file, scenario, wait_until

def check_splash(desktop, splash, other):
    check((splash.x, splash.y, splash.width, splash.height) == (340, 259, 344, 249),
          f"splash not centred: {vars(splash)}")
    # Another window brought forward stays below the splash.
    desktop.run("xdotool", "windowactivate", str(other.id))
    time.sleep(0.3)  # openbox restacks asynchronously; the order is read afterwards
    stacking = desktop.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
    check(stacking.index(hex(other.id)) < stacking.index(hex(splash.id)),
          f"splash below another window: {stacking}")


def caught_sigterm(pid):
    """Whether the process has its own SIGTERM handler yet, from its status in /proc."""
    caught = next((line.split()[1] for line in read_file(f"/proc/{pid}/status").splitlines()
                   if line.startswith("SigCgt:")), "0")
    return int(caught, 16) & (1 << (signal.SIGTERM - 1))


def without_a_display(desktop):
    env = {k: v for k, v in desktop.env().items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    ended = subprocess.run([TIERCE], env=env, capture_output=True, text=True, timeout=30)
    said = (ended.stdout + ended.stderr).splitlines()
    print(f"no display: status {ended.returncode}, said {said}", flush=True)
    check(ended.returncode == 1, f"no display gave status {ended.returncode}")
    check(len(said) == 1 and "DISPLAY" in said[0] and "WAYLAND_DISPLAY" in said[0],
          f"no display said {said}")
    # A stale DISPLAY, whose server is gone: a last line naming it and status 1, not an abort.
    stale = next(f":{n}" for n in range(600, 700) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
    ended = subprocess.run([TIERCE], env=dict(env, DISPLAY=stale), capture_output=True,
                           text=True, timeout=30)
    last = (ended.stdout + ended.stderr).splitlines()[-1:]
    print(f"stale display: status {ended.returncode}, last said {last}", flush=True)
    check(ended.returncode == 1 and f"DISPLAY {stale}" in "".join(last),
          f"stale display {stale}: status {ended.returncode}, said {last}")
    # Chosen in the environment or on the command line, offscreen needs no display: the game
    # starts on it and ends on SIGTERM as usual.
    for argv, chosen in (([TIERCE], {"QT_QPA_PLATFORM": "offscreen"}),
                         ([TIERCE, "-platform", "offscreen"], {})):
        game = desktop.start(argv, env=dict(env, **chosen), log="offscreen.log")
        wait_until(lambda: "libqoffscreen" in read_file(f"/proc/{game.pid}/maps")
                   and caught_sigterm(game.pid), 15, f"{argv} {chosen} started offscreen")
        game.terminate()
        desktop.check_ended(game, f"{argv} {chosen}")


def main():
    with Desktop("x11") as desktop:
        without_a_display(desktop)
        desktop.start_xvfb("1024x768x24")
        desktop.start_window_manager()
        another = desktop.start(["xmessage", "-geometry", "900x700+10+10", "another window"],
                                env=desktop.env())
        other = wait_until(lambda: desktop.window_named("xmessage"), 10, "another window")

        game, main = desktop.start_game(lambda splash: check_splash(desktop, splash, other))
        check((main.x, main.y, main.width, main.height) == (112, 84, 800, 600),
              f"main window not centred: {vars(main)}")

        focus = desktop.run("xdotool", "getwindowfocus")
        go = (main.x + 39, main.y + 31)
        desktop.move(*go)
        shown = time.monotonic()
        hint = wait_until(lambda: desktop.hint_window(), 5, "the hint over Go")
        check(hint.override_redirect, "the hint is managed by the window manager")
        check(hint.shape and hint.shape[0] * hint.shape[1] > 0,
              f"the hint has no shape: {vars(hint)}")
        # The shape leaves out the right margin at least.
        check(hint.shape[0] < hint.width, f"shape not smaller than the window: {vars(hint)}")
        # The cloud hangs from the pointer: its corner is at the pointer.
        check(hint.x in (go[0], go[0] - hint.width) and hint.y in (go[1], go[1] - hint.height),
              f"hint not at the pointer {go}: {vars(hint)}")
        check(desktop.run("xdotool", "getwindowfocus") == focus, "the hint took the focus")
        wait_until(lambda: not desktop.hint_window(), 8, "the hint to go")
        lasted = time.monotonic() - shown
        check(4.5 < lasted < 7, f"the hint lasted {lasted:.1f} s")

        # Quitting through the menu: its last item.
        desktop.click(main.x + 400, main.y + 550, 3)
        menu = wait_until(lambda: next((w for w in desktop.windows() if w.override_redirect
                                        and w.width > 100), None), 5, "the menu")
        desktop.click(menu.x + 40, menu.y + menu.height - 12)
        desktop.check_ended(game, "quitting through the menu")

        # Alt+F4, which the window manager turns into closing the focused window: the other
        # window goes first, lest the focus fall back to it as the splash closes.
        another.terminate()
        game, main = desktop.start_game()

        def main_focused():
            desktop.run("xdotool", "windowactivate", "--sync", str(main.id))
            return desktop.run("xdotool", "getwindowfocus").strip() == str(main.id)
        wait_until(main_focused, 10, "the main window to have the focus")
        desktop.key("alt+F4")
        desktop.check_ended(game, "Alt+F4")


if __name__ == "__main__":
    scenario(main)
