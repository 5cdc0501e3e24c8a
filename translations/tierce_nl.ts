<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="fr">
<context>
    <name>Pictures</name>
    <message>
        <source>Cliquez pour commencer</source>
        <translation>Klik om te beginnen</translation>
    </message>
    <message>
        <source>J%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <source>« Et c&apos;est le 9 qui mène... ah non, c&apos;est son ombre ! »</source>
        <translation>„En de 9 ligt voorop... o nee, het is zijn schaduw!”</translation>
    </message>
    <message>
        <source>L&apos;ordre d&apos;arrivée s&apos;inscrit au fil des chevaux</source>
        <translation>De aankomst wordt paard voor paard genoteerd</translation>
    </message>
    <message>
        <source>Trois chevaux dans l&apos;ordre exact : 10 points</source>
        <translation>Drie paarden in de juiste volgorde: 10 punten</translation>
    </message>
    <message>
        <source>Les trois dans un autre ordre : 5 points</source>
        <translation>Alle drie in een andere volgorde: 5 punten</translation>
    </message>
    <message>
        <source>Deux chevaux gagnants : 2 points – un seul : rien</source>
        <translation>Twee juiste paarden: 2 punten – één: niets</translation>
    </message>
    <message>
        <source>Sélection avant la course</source>
        <translation>Keuze voor de race</translation>
    </message>
    <message>
        <source>Cliquez ici pour valider votre choix</source>
        <translation>Klik hier om je keuze te bevestigen</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>non défini</source>
        <translation>niet ingesteld</translation>
    </message>
    <message>
        <source>%1 : aucun écran n&apos;a répondu (DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>%1: geen enkel beeldscherm reageerde (DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>%1 : aucun écran où ouvrir sa fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</source>
        <translation>%1: geen beeldscherm gevonden om het venster op te openen (DISPLAY noch WAYLAND_DISPLAY is ingesteld)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Jeu de paris sur une course de chevaux</source>
        <translation>Spel met weddenschappen op een paardenrace</translation>
    </message>
    <message>
        <source>Deux joueurs parient sur une course de chevaux</source>
        <translation>Twee spelers wedden op een paardenrace</translation>
    </message>
    <message>
        <source>cheval;course;pari;tiercé;</source>
        <translation>paard;paardenrace;race;weddenschap;wedden;</translation>
    </message>
    <message>
        <source>Deux joueurs parient aux courses</source>
        <translation>Twee spelers wedden op paardenraces</translation>
    </message>
    <message>
        <source>Un petit jeu pour deux joueurs sur un même ordinateur. Chaque joueur parie sur les trois premiers des neuf chevaux, le starter donne le départ, et les chevaux galopent par bonds au hasard. Quand le dernier est arrivé, chaque pari est compté contre le tiercé d’arrivée et les points s’additionnent de course en course.</source>
        <translation>Een klein spel voor twee spelers aan één computer. Elke speler wedt op de eerste drie van negen paarden, de starter geeft het startschot en de paarden galopperen met willekeurige sprongen over de baan. Als het laatste paard binnen is, wordt elke weddenschap vergeleken met de eerste drie aan de finish en tellen de punten op van race tot race.</translation>
    </message>
    <message>
        <source>Le jeu parle la langue du bureau quand il en a la traduction, et l’anglais sinon.</source>
        <translation>Het spel spreekt de taal van het bureaublad als het daar een vertaling voor heeft, en anders Engels.</translation>
    </message>
    <message>
        <source>La première version : neuf chevaux, deux joueurs, des paris comptés 10, 5 ou 2 points, avec des sons et des bulles d’aide.</source>
        <translation>De eerste versie: negen paarden, twee spelers, weddenschappen goed voor 10, 5 of 2 punten, met geluiden en tips in tekstballonnen.</translation>
    </message>
</context>
<context>
    <name>TImage</name>
    <message>
        <source>%1 : %2 ; l&apos;image en français à la place</source>
        <translation>%1: %2; in plaats daarvan wordt de Franse afbeelding getoond</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Cliquer pour faire partir les chevaux</source>
        <translation>Klik om de paarden te laten vertrekken</translation>
    </message>
    <message>
        <source>Vous devez choisir trois chevaux différents, puis cliquer sur un des deux personnages</source>
        <translation>Kies drie verschillende paarden en klik dan op een van de twee spelers</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Modifier les chevaux</source>
        <translation>Paarden wijzigen</translation>
    </message>
    <message>
        <source>Jouer sons</source>
        <translation>Geluiden afspelen</translation>
    </message>
    <message>
        <source>Quitter le jeu</source>
        <translation>Spel afsluiten</translation>
    </message>
    <message>
        <source>1re place</source>
        <translation>1e plaats</translation>
    </message>
    <message>
        <source>2e place</source>
        <translation>2e plaats</translation>
    </message>
    <message>
        <source>3e place</source>
        <translation>3e plaats</translation>
    </message>
    <message>
        <source>aucun cheval</source>
        <translation>geen paard</translation>
    </message>
    <message>
        <source>cheval %1</source>
        <translation>paard %1</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>Tiercé à deux</source>
        <translation>Tiercé à deux</translation>
    </message>
    <message>
        <source>Pistolet de départ</source>
        <translation>Startpistool</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Weddenschappen</translation>
    </message>
    <message>
        <source>Valider les paris</source>
        <translation>Weddenschappen bevestigen</translation>
    </message>
    <message>
        <source>Cheval en %1</source>
        <translation>Paard op de %1</translation>
    </message>
    <message>
        <source>Paris des deux joueurs</source>
        <translation>Weddenschappen van beide spelers</translation>
    </message>
    <message>
        <source>Portrait du joueur %1, pari : %2</source>
        <translation>Portret van speler %1, weddenschap: %2</translation>
    </message>
    <message>
        <source>Joueur %1, %2 : %3</source>
        <translation>Speler %1, %2: %3</translation>
    </message>
    <message>
        <source>Points du joueur 1 : %1</source>
        <translation>Punten van speler 1: %1</translation>
    </message>
    <message>
        <source>Points du joueur 2 : %1</source>
        <translation>Punten van speler 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 1 : %1</source>
        <translation>Weddenschap van speler 1: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 2 : %1</source>
        <translation>Weddenschap van speler 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur %1 : %2.</source>
        <translation>Weddenschap van speler %1: %2.</translation>
    </message>
    <message>
        <source>Paris validés. Joueur 1 : %1 ; joueur 2 : %2.</source>
        <translation>Weddenschappen bevestigd. Speler 1: %1; speler 2: %2.</translation>
    </message>
    <message>
        <source>Les chevaux sont partis.</source>
        <translation>En ze zijn vertrokken!</translation>
    </message>
    <message>
        <source>%1 : cheval %2</source>
        <translation>%1: paard %2</translation>
    </message>
    <message>
        <source>%1, total %2</source>
        <translation>%1, totaal %2</translation>
    </message>
    <message>
        <source>Arrivée : %1. Joueur 1 : %2 ; joueur 2 : %3.</source>
        <translation>Aankomst: %1. Speler 1: %2; speler 2: %3.</translation>
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
        <translation>Enter, spatie of een klik om te beginnen.</translation>
    </message>
</context>
<context>
    <name>TStoredSwitch</name>
    <message>
        <source>%1 : %2 est illisible ; réglages par défaut</source>
        <translation>%1: %2 is onleesbaar; de standaardinstellingen worden gebruikt</translation>
    </message>
    <message>
        <source>%1 : impossible d&apos;enregistrer le réglage dans %2 ; il vaut pour cette partie seulement</source>
        <translation>%1: kan de instelling niet opslaan in %2; ze geldt alleen voor deze sessie</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sons de la course</source>
        <translation>Geluiden van de race</translation>
    </message>
</context>
</TS>
