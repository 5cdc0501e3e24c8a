"""A whole round played by ear: Orca, Debian's screen reader, runs beside the game under openbox,
keys alone drive the game (`xdotool key`, the pointer never moves), and what Orca says at each
step is what a blind player needs: how to begin, each horse chosen and each drop-down's place,
each bet recorded or refused and why, the validation with both bets, the pistol, the totals and
bets from the Tab key, the rules on F1, the start, and, from a reader restarted during the race,
the arrival with each player's points and total, spoken once, then the pistol, where the keyboard
goes on. Then the menu, and Ctrl+Q quits with status 0. Last, the game again on an English
desktop: its start, and its rules on F1."""

import re

import screen_reader
from desktop import Desktop, check, scenario, wait_until
from keyboard_screen_reader import keys, score_bet

HINT = "Vous devez choisir trois chevaux différents"
FRENCH_RULES = (r"L'ordre d'arrivée s'inscrit au fil des chevaux\. Trois chevaux dans l'ordre "
                r"exact : 10 points\. .* un seul : rien\.")
ENGLISH_RULES = (r"The finishing order is marked horse by horse\. Three horses in the exact order: "
                 r"10 points\. .* only one: nothing\.")


def horses(phrases):
    return [p for p in phrases if re.fullmatch(r"cheval \d\.?", p)]


def first_control(desktop, orca, pattern):
    """The control that has the keyboard as the game window opens, as Orca says it. Debian 13's
    Orca, when it handles the key that opened the window only after the window came up, takes
    that control as its place without a word and then ignores the control's focus as no change;
    the player hears the window's name and asks where he is (Orca's Where Am I, KP_Enter)."""
    try:
        return orca.wait_for(pattern, 5)
    except AssertionError:
        keys(desktop, "KP_Enter")
        return orca.wait_for(pattern)


def main():
    with Desktop("by-ear") as desktop:
        desktop.start_xvfb("1024x768x24")
        desktop.start_window_manager()
        bus = screen_reader.start_bus(desktop)
        orca = screen_reader.Orca(desktop, bus)
        game = desktop.start_tierce(**bus)

        # As the splash opens, or, when Orca learns of the game only later, as a notification.
        orca.wait_for(r"^(notification )?Tiercé à deux .*Entrée, Espace ou un clic pour commencer",
                      20)
        keys(desktop, "Return")
        first_control(desktop, orca, r"^Cheval en 1re place")

        # A held Down outruns the reader: it ends on the last horse chosen.
        keys(desktop, *["Down"] * 7, delay=20)
        heard = orca.wait_for(r"^cheval 7")
        wait_until(lambda: orca.quiet(1), 10, "Orca to finish speaking")
        check(horses(heard + orca.since())[-1:] == ["cheval 7."], f"held Down: {heard}")
        for place, steps in (("2e", 8), ("3e", 9)):
            keys(desktop, "Tab")
            orca.wait_for(rf"^Cheval en {place} place")
            keys(desktop, *["Down"] * steps)
            orca.wait_for(rf"^cheval {steps}")
        # Back on a drop-down: its place, then its horse (in the same phrase for newer readers).
        keys(desktop, "shift+Tab", "shift+Tab")
        heard = orca.wait_for(r"^Cheval en 1re place")
        if "cheval 7" not in heard[-1]:
            orca.wait_for(r"^cheval 7")

        # Player 1 bets 7, 8, 9 on his portrait, which then reads his bet.
        keys(desktop, "Tab", "Tab", "Tab")
        orca.wait_for(r"^Portrait du joueur 1, pari : cheval 1, cheval 2, cheval 3")
        keys(desktop, "space")
        orca.wait_for(r"Pari du joueur 1 : cheval 7, cheval 8, cheval 9\.")
        # Player 2 makes the third the same as the second: refused, with the rule; then 6.
        keys(desktop, "Down")
        orca.wait_for(r"^Portrait du joueur 2, pari : cheval 4, cheval 5, cheval 6")
        keys(desktop, "shift+Tab", "Up", "Tab", "space")
        # Said as a notice (the word before it is the role's), not as the drop-down's hint.
        orca.wait_for(r"^\w+ " + HINT)
        keys(desktop, "shift+Tab", "Up", "Up", "Tab", "space")
        orca.wait_for(r"Pari du joueur 2 : cheval 7, cheval 8, cheval 6\.")
        bets = {"1": "789", "2": "786"}

        # Validated: both bets are said, and the keyboard goes on from the pistol.
        keys(desktop, "Tab")
        orca.wait_for(r"^Valider les paris")
        keys(desktop, "Return")
        heard = orca.wait_for(r"Paris validés\. Joueur 1 : cheval 7, cheval 8, cheval 9 ; "
                              r"joueur 2 : cheval 7, cheval 8, cheval 6\.")
        if not any(p.startswith("Pistolet de départ") for p in heard):
            orca.wait_for(r"^Pistolet de départ")
        # The totals and the bets, from the Tab key.
        for label in (r"Points du joueur 1 : 0", r"Pari du joueur 1 : 7, 8, 9",
                      r"Points du joueur 2 : 0", r"Pari du joueur 2 : 7, 8, 6"):
            keys(desktop, "Tab")
            orca.wait_for("^" + label)
        keys(desktop, "Tab")
        orca.wait_for(r"^Pistolet de départ")
        # The rules the betting panel's picture shows, on the desktops' help key.
        keys(desktop, "F1")
        orca.wait_for(FRENCH_RULES)

        # The start is said as the horses leave; a reader restarted during the race hears the
        # arrival, once, with each player's points and total, then the pistol, which has the
        # keyboard for the next race.
        keys(desktop, "ctrl+p")
        orca.wait_for(r"Les chevaux sont partis\.")
        orca.stop()
        transcript = orca.spoken()
        orca = screen_reader.Orca(desktop, bus, "orca-again.log")
        heard = orca.wait_for(r"^(notification )?Arrivée :", 60)
        told = heard[-1]
        found = re.search(r"Arrivée : 1re place : cheval (\d), 2e place : cheval (\d), 3e place : "
                          r"cheval (\d)\. Joueur 1 : (\d+) points?, total (\d+) ; joueur 2 : "
                          r"(\d+) points?, total (\d+)\.", told)
        check(found, f"the arrival as said: {told!r}")
        arrival = "".join(found.groups()[:3])
        for player, points, total in (("1", found[4], found[5]), ("2", found[6], found[7])):
            check(int(points) == score_bet(bets[player], arrival) and total == points,
                  f"player {player}: {told!r} for the bet {bets[player]}")
        # A reader slow to start (a loaded machine) finds the race over and the keyboard already
        # on the pistol, and says so as it starts, before the arrival it then reads.
        if not any(p.startswith("Pistolet de départ") for p in heard):
            orca.wait_for(r"^Pistolet de départ")
        wait_until(lambda: orca.quiet(2), 10, "Orca to finish speaking")
        check(sum("Arrivée" in p for p in orca.spoken()) == 1, f"said: {orca.spoken()}")

        # The menu, from the keyboard, reads its items.
        keys(desktop, "Menu")
        keys(desktop, "Down")
        orca.wait_for(r"Recommencer|Modifier les chevaux|Jouer sons|Quitter le jeu")
        keys(desktop, "Escape")
        keys(desktop, "ctrl+q")
        desktop.check_ended(game, "Ctrl+Q")

        # On an English desktop, the start and the rules are English.
        game = desktop.start_tierce(**bus, LANGUAGE="en")
        orca.wait_for(r"^(notification )?Tiercé à deux .*Press Return or Space, or click, to begin",
                      20)
        keys(desktop, "Return")
        first_control(desktop, orca, r"^Horse in 1st place")
        keys(desktop, "F1")
        orca.wait_for(ENGLISH_RULES)
        keys(desktop, "ctrl+q")
        desktop.check_ended(game, "Ctrl+Q in English")
        orca.stop()
        print("What Orca said:", *transcript, "(restarted)", *orca.spoken(), sep="\n  ")


if __name__ == "__main__":
    scenario(main)
