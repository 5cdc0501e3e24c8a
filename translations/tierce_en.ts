<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Pictures</name>
    <message>
        <source>Cliquez pour commencer</source>
        <translation>Click to start</translation>
    </message>
    <message>
        <source>J%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>« Et c&apos;est le 9 qui mène... ah non, c&apos;est son ombre ! »</source>
        <translation>“And number 9 leads... oh no, it’s his shadow!”</translation>
    </message>
    <message>
        <source>L&apos;ordre d&apos;arrivée s&apos;inscrit au fil des chevaux</source>
        <translation>The finishing order is marked horse by horse</translation>
    </message>
    <message>
        <source>Trois chevaux dans l&apos;ordre exact : 10 points</source>
        <translation>Three horses in the exact order: 10 points</translation>
    </message>
    <message>
        <source>Les trois dans un autre ordre : 5 points</source>
        <translation>All three in another order: 5 points</translation>
    </message>
    <message>
        <source>Deux chevaux gagnants : 2 points – un seul : rien</source>
        <translation>Two winners: 2 points – only one: nothing</translation>
    </message>
    <message>
        <source>Sélection avant la course</source>
        <translation>Pre-race selection</translation>
    </message>
    <message>
        <source>Cliquez ici pour valider votre choix</source>
        <translation>Click here to confirm your choice</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>non défini</source>
        <translation>unset</translation>
    </message>
    <message>
        <source>%1 : aucun écran n&apos;a répondu (DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>%1: no display answered (DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>%1 : aucun écran où ouvrir sa fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</source>
        <translation>%1: found no display to open its window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Jeu de paris sur une course de chevaux</source>
        <translation>Horse race betting game</translation>
    </message>
    <message>
        <source>Deux joueurs parient sur une course de chevaux</source>
        <translation>Two players bet on a horse race</translation>
    </message>
    <message>
        <source>cheval;course;pari;tiercé;</source>
        <translation>horse;race;bet;tierce;</translation>
    </message>
    <message>
        <source>Deux joueurs parient aux courses</source>
        <translation>Two players bet on a horse race</translation>
    </message>
    <message>
        <source>Un petit jeu pour deux joueurs sur un même ordinateur. Chaque joueur parie sur les trois premiers des neuf chevaux, le starter donne le départ, et les chevaux galopent par bonds au hasard. Quand le dernier est arrivé, chaque pari est compté contre le tiercé d’arrivée et les points s’additionnent de course en course.</source>
        <translation>A small game for two players at one computer. Each player bets on the first three of nine horses, the starter fires, and the horses gallop across the track by random steps. When the last one is in, each bet is scored against the first three finishers and the totals add up from race to race.</translation>
    </message>
    <message>
        <source>Le jeu parle la langue du bureau quand il en a la traduction, et l’anglais sinon.</source>
        <translation>The game speaks the desktop’s language when it has a translation for it, and English otherwise.</translation>
    </message>
    <message>
        <source>La première version : neuf chevaux, deux joueurs, des paris comptés 10, 5 ou 2 points, avec des sons et des bulles d’aide.</source>
        <translation>The first release: nine horses, two players, bets scored 10, 5 or 2 points, with sounds and hints in clouds.</translation>
    </message>
</context>
<context>
    <name>TImage</name>
    <message>
        <source>%1 : %2 ; l&apos;image en français à la place</source>
        <translation>%1: %2; showing the French picture instead</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Cliquer pour faire partir les chevaux</source>
        <translation>Click to send the horses off</translation>
    </message>
    <message>
        <source>Vous devez choisir trois chevaux différents, puis cliquer sur un des deux personnages</source>
        <translation>Pick three different horses, then click one of the two players</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Modifier les chevaux</source>
        <translation>Change horses</translation>
    </message>
    <message>
        <source>Jouer sons</source>
        <translation>Play sounds</translation>
    </message>
    <message>
        <source>Quitter le jeu</source>
        <translation>Quit game</translation>
    </message>
    <message>
        <source>1re place</source>
        <translation>1st place</translation>
    </message>
    <message>
        <source>2e place</source>
        <translation>2nd place</translation>
    </message>
    <message>
        <source>3e place</source>
        <translation>3rd place</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Tiercé à deux</source>
        <translation>Tiercé à deux</translation>
    </message>
    <message>
        <source>Pistolet de départ</source>
        <translation>Starting pistol</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Bets</translation>
    </message>
    <message>
        <source>Valider les paris</source>
        <translation>Confirm the bets</translation>
    </message>
    <message>
        <source>Cheval en %1</source>
        <translation>Horse in %1</translation>
    </message>
    <message>
        <source>Paris des deux joueurs</source>
        <translation>Both players&apos; bets</translation>
    </message>
    <message>
        <source>Joueur %1, %2 : %3</source>
        <translation>Player %1, %2: %3</translation>
    </message>
    <message>
        <source>aucun cheval</source>
        <translation>no horse</translation>
    </message>
    <message>
        <source>cheval %1</source>
        <translation>horse %1</translation>
    </message>
    <message>
        <source>Points du joueur 1 : %1</source>
        <translation>Player 1&apos;s score: %1</translation>
    </message>
    <message>
        <source>Points du joueur 2 : %1</source>
        <translation>Player 2&apos;s score: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 1 : %1</source>
        <translation>Player 1&apos;s bet: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 2 : %1</source>
        <translation>Player 2&apos;s bet: %1</translation>
    </message>
    <message>
        <source>%1 : cheval %2</source>
        <translation>%1: horse %2</translation>
    </message>
    <message>
        <source>Portrait du joueur %1, pari : %2</source>
        <translation>Player %1&apos;s portrait, bet: %2</translation>
    </message>
    <message>
        <source>Pari du joueur %1 : %2.</source>
        <translation>Player %1&apos;s bet: %2.</translation>
    </message>
    <message>
        <source>Paris validés. Joueur 1 : %1 ; joueur 2 : %2.</source>
        <translation>Bets confirmed. Player 1: %1; player 2: %2.</translation>
    </message>
    <message>
        <source>Les chevaux sont partis.</source>
        <translation>They&apos;re off!</translation>
    </message>
    <message>
        <source>%1, total %2</source>
        <translation>%1, total %2</translation>
    </message>
    <message>
        <source>Arrivée : %1. Joueur 1 : %2 ; joueur 2 : %3.</source>
        <translation>Result: %1. Player 1: %2; player 2: %3.</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Tiercé à deux</source>
        <translation>Tiercé à deux</translation>
    </message>
    <message>
        <source>Entrée, Espace ou un clic pour commencer.</source>
        <translation>Press Return or Space, or click, to begin.</translation>
    </message>
</context>
<context>
    <name>TStoredSwitch</name>
    <message>
        <source>%1 : %2 est illisible ; réglages par défaut</source>
        <translation>%1: cannot read %2; using the default settings</translation>
    </message>
    <message>
        <source>%1 : impossible d&apos;enregistrer le réglage dans %2 ; il vaut pour cette partie seulement</source>
        <translation>%1: cannot save the setting in %2; it applies to this session only</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sons de la course</source>
        <translation>Race sounds</translation>
    </message>
</context>
</TS>
