<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>Pictures</name>
    <message>
        <source>Cliquez pour commencer</source>
        <translation>Zum Starten klicken</translation>
    </message>
    <message>
        <source>J%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <source>« Et c&apos;est le 9 qui mène... ah non, c&apos;est son ombre ! »</source>
        <translation>„Und die 9 führt... ach nein, das ist ihr Schatten!“</translation>
    </message>
    <message>
        <source>L&apos;ordre d&apos;arrivée s&apos;inscrit au fil des chevaux</source>
        <translation>Der Einlauf wird Pferd für Pferd notiert</translation>
    </message>
    <message>
        <source>Trois chevaux dans l&apos;ordre exact : 10 points</source>
        <translation>Drei Pferde in exakter Reihenfolge: 10 Punkte</translation>
    </message>
    <message>
        <source>Les trois dans un autre ordre : 5 points</source>
        <translation>Alle drei in anderer Reihenfolge: 5 Punkte</translation>
    </message>
    <message>
        <source>Deux chevaux gagnants : 2 points – un seul : rien</source>
        <translation>Zwei Treffer: 2 Punkte – nur einer: nichts</translation>
    </message>
    <message>
        <source>Sélection avant la course</source>
        <translation>Auswahl vor dem Rennen</translation>
    </message>
    <message>
        <source>Cliquez ici pour valider votre choix</source>
        <translation>Hier klicken: Auswahl bestätigen</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>non défini</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 : aucun écran n&apos;a répondu (DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>%1: kein Display hat geantwortet (DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>%1 : aucun écran où ouvrir sa fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</source>
        <translation>%1: kein Display gefunden, auf dem sich das Fenster öffnen lässt (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Jeu de paris sur une course de chevaux</source>
        <translation>Pferdewetten-Spiel</translation>
    </message>
    <message>
        <source>Deux joueurs parient sur une course de chevaux</source>
        <translation>Zwei Spieler wetten auf ein Pferderennen</translation>
    </message>
    <message>
        <source>cheval;course;pari;tiercé;</source>
        <translation>Pferd;Pferderennen;Rennen;Wette;Dreierwette;</translation>
    </message>
    <message>
        <source>Deux joueurs parient aux courses</source>
        <translation>Zwei Spieler wetten auf Pferde</translation>
    </message>
    <message>
        <source>Un petit jeu pour deux joueurs sur un même ordinateur. Chaque joueur parie sur les trois premiers des neuf chevaux, le starter donne le départ, et les chevaux galopent par bonds au hasard. Quand le dernier est arrivé, chaque pari est compté contre le tiercé d’arrivée et les points s’additionnent de course en course.</source>
        <translation>Ein kleines Spiel für zwei Spieler an einem Computer. Jeder Spieler tippt auf die ersten drei von neun Pferden, der Starter gibt den Startschuss, und die Pferde galoppieren in zufälligen Sprüngen über die Bahn. Ist das letzte im Ziel, wird jede Wette mit den ersten drei des Einlaufs verglichen, und die Punkte summieren sich von Rennen zu Rennen.</translation>
    </message>
    <message>
        <source>Le jeu parle la langue du bureau quand il en a la traduction, et l’anglais sinon.</source>
        <translation>Das Spiel spricht die Sprache des Desktops, wenn es eine Übersetzung dafür hat, und sonst Englisch.</translation>
    </message>
    <message>
        <source>La première version : neuf chevaux, deux joueurs, des paris comptés 10, 5 ou 2 points, avec des sons et des bulles d’aide.</source>
        <translation>Die erste Version: neun Pferde, zwei Spieler, Wetten mit 10, 5 oder 2 Punkten gewertet, mit Tönen und Hinweisen in Sprechblasen.</translation>
    </message>
</context>
<context>
    <name>TImage</name>
    <message>
        <source>%1 : %2 ; l&apos;image en français à la place</source>
        <translation>%1: %2; stattdessen wird das französische Bild gezeigt</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Cliquer pour faire partir les chevaux</source>
        <translation>Klicken, um die Pferde starten zu lassen</translation>
    </message>
    <message>
        <source>Vous devez choisir trois chevaux différents, puis cliquer sur un des deux personnages</source>
        <translation>Drei verschiedene Pferde wählen, dann auf einen der beiden Spieler klicken</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Modifier les chevaux</source>
        <translation>Pferde ändern</translation>
    </message>
    <message>
        <source>Jouer sons</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Quitter le jeu</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>1re place</source>
        <translation>1. Platz</translation>
    </message>
    <message>
        <source>2e place</source>
        <translation>2. Platz</translation>
    </message>
    <message>
        <source>3e place</source>
        <translation>3. Platz</translation>
    </message>
    <message>
        <source>aucun cheval</source>
        <translation>kein Pferd</translation>
    </message>
    <message>
        <source>cheval %1</source>
        <translation>Pferd %1</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Tiercé à deux</source>
        <translation>Tiercé à deux</translation>
    </message>
    <message>
        <source>Pistolet de départ</source>
        <translation>Startpistole</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Wetten</translation>
    </message>
    <message>
        <source>Valider les paris</source>
        <translation>Wetten bestätigen</translation>
    </message>
    <message>
        <source>Cheval en %1</source>
        <translation>Pferd auf dem %1</translation>
    </message>
    <message>
        <source>Paris des deux joueurs</source>
        <translation>Wetten beider Spieler</translation>
    </message>
    <message>
        <source>Portrait du joueur %1, pari : %2</source>
        <translation>Porträt von Spieler %1, Wette: %2</translation>
    </message>
    <message>
        <source>Joueur %1, %2 : %3</source>
        <translation>Spieler %1, %2: %3</translation>
    </message>
    <message>
        <source>Points du joueur 1 : %1</source>
        <translation>Punkte von Spieler 1: %1</translation>
    </message>
    <message>
        <source>Points du joueur 2 : %1</source>
        <translation>Punkte von Spieler 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 1 : %1</source>
        <translation>Wette von Spieler 1: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 2 : %1</source>
        <translation>Wette von Spieler 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur %1 : %2.</source>
        <translation>Wette von Spieler %1: %2.</translation>
    </message>
    <message>
        <source>Paris validés. Joueur 1 : %1 ; joueur 2 : %2.</source>
        <translation>Wetten bestätigt. Spieler 1: %1; Spieler 2: %2.</translation>
    </message>
    <message>
        <source>Les chevaux sont partis.</source>
        <translation>Die Pferde sind gestartet!</translation>
    </message>
    <message>
        <source>%1 : cheval %2</source>
        <translation>%1: Pferd %2</translation>
    </message>
    <message>
        <source>%1, total %2</source>
        <translation>%1, insgesamt %2</translation>
    </message>
    <message>
        <source>Arrivée : %1. Joueur 1 : %2 ; joueur 2 : %3.</source>
        <translation>Zieleinlauf: %1. Spieler 1: %2; Spieler 2: %3.</translation>
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
        <translation>Eingabetaste, Leertaste oder ein Klick zum Starten.</translation>
    </message>
</context>
<context>
    <name>TStoredSwitch</name>
    <message>
        <source>%1 : %2 est illisible ; réglages par défaut</source>
        <translation>%1: %2 ist nicht lesbar; es gelten die Standardeinstellungen</translation>
    </message>
    <message>
        <source>%1 : impossible d&apos;enregistrer le réglage dans %2 ; il vaut pour cette partie seulement</source>
        <translation>%1: Die Einstellung lässt sich nicht in %2 speichern; sie gilt nur für diese Sitzung</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sons de la course</source>
        <translation>Renngeräusche</translation>
    </message>
</context>
</TS>
