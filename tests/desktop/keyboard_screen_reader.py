"""The whole game from the keyboard alone, as a screen reader reads it: under openbox, with
`xdotool key` only (the pointer is never moved nor clicked), the splash is closed, both players
bet on different horses, the bets are validated and a race is run; the ranks and points are read
from the window, the menu is opened from the keyboard for a new game, and Ctrl+Q quits with
status 0. Throughout, the game's accessibility tree (AT-SPI) names every control, and after the
race its notice holds the first three of the arrival and both totals, equal to the screen.
With the argument `en`, the same under an English desktop (LANGUAGE=en), read in English."""

import re
import sys

import screen_reader
from desktop import Desktop, check, scenario, wait_until
from digits import read_number, yellow

LANE_TOP = [50 + 60 * h for h in range(9)]  # horse h + 1
SCORES = (123, 637)  # the score labels' left edges; their text lies in rows 20 to 36


def scores(shot, main):
    return [read_number(shot, (main.x + x + 1, main.y + 20, main.x + x + 39, main.y + 37), yellow,
                        "LiberationSans-Bold.ttf", 13) for x in SCORES]

# What the screen reader hears, in each language the scenario runs in: names as patterns.
SPOKEN = {
    "fr": {
        "environment": {},
        "buttons": ["Pistolet de départ", "Valider les paris"],
        "choice": "Cheval en {place}",
        "portrait": "Portrait du joueur {player}, pari : cheval \\d, cheval \\d, cheval \\d",
        "bet cell": "Joueur {player}, {place} : cheval {horse}",
        "places": ["1re place", "2e place", "3e place"],
        "score": "Points du joueur {player} : ",
        "bet": "Pari du joueur {player} : ",
        "hint": "trois chevaux différents",
        "arrival": "Arrivée",
        "horse": r"cheval (\d)",
        "points": ["Joueur 1 : {points} point", "joueur 2 : {points} point"],
    },
    "en": {
        "environment": {"LANGUAGE": "en"},
        "buttons": ["Starting pistol", "Confirm the bets"],
        "choice": "Horse in {place}",
        "portrait": "Player {player}'s portrait, bet: horse \\d, horse \\d, horse \\d",
        "bet cell": "Player {player}, {place}: horse {horse}",
        "places": ["1st place", "2nd place", "3rd place"],
        "score": "Player {player}'s score: ",
        "bet": "Player {player}'s bet: ",
        "hint": "three different horses",
        "arrival": "Result",
        "horse": r"horse (\d)",
        "points": ["Player 1: {points} point", "player 2: {points} point"],
    },
}
SAID = SPOKEN[sys.argv[1] if len(sys.argv) > 1 else "fr"]


def score_bet(bet, arrival):
    """The points of a bet, by the game's rules (exact order, same three, two of three)."""
    top = arrival[:3]
    if bet[:3] == top:
        return 10
    among = [k < len(bet) and bet[k] in top for k in range(3)]
    if all(among):
        return 5
    return 2 if sum(among) >= 2 else 0


def named(tree, role, pattern):
    """The names of the objects of `role` whose name matches `pattern`."""
    return [n["name"] for n in tree if n["role"] == role and re.fullmatch(pattern, n["name"])]


def check_names(tree):
    """Every control a player uses has a name, and the drop-downs their hint as description."""
    places = SAID["places"]
    expected = {
        "button": SAID["buttons"],
        "combo box": [SAID["choice"].format(place=p) for p in places],
        "table cell": [SAID["portrait"].format(player=j) for j in (1, 2)] +
                      [SAID["bet cell"].format(player=j, place=p, horse="\\d")
                       for j in (1, 2) for p in places],
        "label": [SAID[what].format(player=j) + "[\\d, ]+" for what in ("score", "bet")
                  for j in (1, 2)],
    }
    for role, patterns in expected.items():
        for pattern in patterns:
            check(len(named(tree, role, pattern)) == 1, f"no {role} named {pattern!r} among "
                  f"{sorted({(n['role'], n['name']) for n in tree})}")
    hints = [n["description"] for n in tree if n["role"] == "combo box"]
    check(all(SAID["hint"] in h for h in hints), f"drop-downs' descriptions: {hints}")


def label(tree, what, player):
    """The number a label says, read from its name: `what` is "score" or "bet"."""
    prefix = SAID[what].format(player=player)
    found = named(tree, "label", re.escape(prefix) + r"[\d, ]*")
    check(len(found) == 1, f"no label {prefix}: {[n['name'] for n in tree if n['role'] == 'label']}")
    return re.sub(r"\D", "", found[0][len(prefix):])


def keys(desktop, *names, delay=120):
    """Keys paced by xdotool: the accessibility bridge holds each key until the screen reader's
    registry has seen it, and xdotool's default pace outruns it."""
    desktop.run("xdotool", "key", "--delay", str(delay), *names)


def menu_window(desktop):
    return next((w for w in desktop.windows() if w.override_redirect and w.width > 100
                 and "TOOLTIP" not in w.type), None)


def choose(desktop, steps):
    """From Choix1: each drop-down moved by its number of steps (Down when positive), then Tab
    to the next; ends on the grid."""
    for step in steps:
        keys(desktop, *(["Down" if step > 0 else "Up"] * abs(step)), "Tab")


def main():
    with Desktop("keyboard") as desktop:
        desktop.start_xvfb("1024x768x24")
        desktop.start_window_manager()
        bus = screen_reader.start_bus(desktop)
        game = desktop.start_tierce(**bus, **SAID["environment"])

        splash = wait_until(lambda: desktop.window_named("Splash"), 15, "the splash")
        wait_until(lambda: desktop.run("xdotool", "getwindowfocus").strip() == str(splash.id), 10,
                   "the splash to have the keyboard")
        desktop.key("Return")
        main = wait_until(lambda: desktop.window_named("Main"), 15, "the main window")
        tree = wait_until(lambda: screen_reader.read_tree(desktop, bus), 15, "the game on AT-SPI")
        check_names(tree)

        # Player 1 bets 7, 8, 9 and presses his portrait; player 2 moves the drop-downs to
        # 2, 4, 6, goes to his portrait and presses it; the bar validates.
        choose(desktop, [7, 8, 9])
        keys(desktop, "Return", "shift+Tab", "shift+Tab", "shift+Tab")
        choose(desktop, [-5, -4, -3])
        keys(desktop, "Down", "space", "Tab", "Return")
        bets = {"1": "789", "2": "246"}
        desktop.screenshot("bets")
        tree = wait_until(lambda: (lambda t: label(t, "bet", 2) == bets["2"] and t)(
            screen_reader.read_tree(desktop, bus)), 10, "the bets validated")
        check(label(tree, "bet", 1) == bets["1"], "player 1's bet")

        # The race, started from the keyboard, until the ninth rank is at the post.
        desktop.key("ctrl+p")

        def ranks():
            shot = desktop.screenshot("race")
            read = [read_number(shot, (main.x + 770, main.y + top + 30, main.x + 792,
                                       main.y + top + 46), yellow) for top in LANE_TOP]
            return (shot, read) if all(read) else None
        shot, read = wait_until(ranks, 60, "the nine ranks at the post")
        check(sorted(read, key=int) == [str(r) for r in range(1, 10)], f"ranks read: {read}")
        arrival = "".join(str(read.index(str(rank)) + 1) for rank in range(1, 10))
        points = scores(shot, main)
        print(f"arrival {arrival}, bets {bets}, points on screen {points}", flush=True)
        check(points == [str(score_bet(bets[p], arrival)) for p in "12"],
              f"points on screen {points} for the bets {bets} and the arrival {arrival}")

        def told():
            tree = screen_reader.read_tree(desktop, bus)
            notice = [n["name"] for n in tree
                      if n["role"] == "notification" and n["name"].startswith(SAID["arrival"])]
            return notice and (tree, notice[0])
        tree, notice = wait_until(told, 10, "the arrival told to the screen reader")
        heard = re.findall(SAID["horse"], notice)
        check("".join(heard) == arrival[:3], f"told {notice!r}, arrival {arrival}")
        check([label(tree, "score", p) for p in "12"] == points,
              f"score labels read {tree} against {points}")
        check(all(said.format(points=p) in notice for said, p in zip(SAID["points"], points)),
              f"told {notice!r}, points {points}")

        # The menu from the keyboard: the Menu key, then Shift+F10 for a new game.
        desktop.key("Menu")
        wait_until(lambda: menu_window(desktop), 5, "the menu on the Menu key")
        desktop.key("Escape")
        wait_until(lambda: not menu_window(desktop), 5, "the menu closed")
        desktop.key("shift+F10")
        wait_until(lambda: menu_window(desktop), 5, "the menu on Shift+F10")
        keys(desktop, "Down", "Return")
        tree = wait_until(lambda: (lambda t: label(t, "score", 1) == "0" and t)(
            screen_reader.read_tree(desktop, bus)), 10, "the new game")
        check(label(tree, "score", 2) == "0", "player 2's points after a new game")
        check(named(tree, "table cell", SAID["bet cell"].format(
            player=2, place=SAID["places"][2], horse=6)), "default bets")
        shot = desktop.screenshot("new-game")
        check(scores(shot, main) == ["0", "0"], "the scores on screen after a new game")

        desktop.key("ctrl+q")
        desktop.check_ended(game, "Ctrl+Q")


if __name__ == "__main__":
    scenario(main)
