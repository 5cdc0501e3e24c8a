<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="fr">
<context>
    <name>Pictures</name>
    <message>
        <source>Cliquez pour commencer</source>
        <translation>Clicca per iniziare</translation>
    </message>
    <message>
        <source>J%1</source>
        <translation>G%1</translation>
    </message>
    <message>
        <source>« Et c&apos;est le 9 qui mène... ah non, c&apos;est son ombre ! »</source>
        <translation>«E in testa c&apos;è il 9... ah no, è la sua ombra!»</translation>
    </message>
    <message>
        <source>L&apos;ordre d&apos;arrivée s&apos;inscrit au fil des chevaux</source>
        <translation>L&apos;ordine d&apos;arrivo si segna cavallo per cavallo</translation>
    </message>
    <message>
        <source>Trois chevaux dans l&apos;ordre exact : 10 points</source>
        <translation>Tre cavalli nell&apos;ordine esatto: 10 punti</translation>
    </message>
    <message>
        <source>Les trois dans un autre ordre : 5 points</source>
        <translation>I tre in un altro ordine: 5 punti</translation>
    </message>
    <message>
        <source>Deux chevaux gagnants : 2 points – un seul : rien</source>
        <translation>Due cavalli giusti: 2 punti – uno solo: niente</translation>
    </message>
    <message>
        <source>Sélection avant la course</source>
        <translation>Scelta prima della corsa</translation>
    </message>
    <message>
        <source>Cliquez ici pour valider votre choix</source>
        <translation>Clicca qui per confermare la scelta</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>non défini</source>
        <translation>non impostato</translation>
    </message>
    <message>
        <source>%1 : aucun écran n&apos;a répondu (DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>%1: nessuno schermo ha risposto (DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>%1 : aucun écran où ouvrir sa fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</source>
        <translation>%1: nessuno schermo su cui aprire la finestra (né DISPLAY né WAYLAND_DISPLAY è impostato)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Jeu de paris sur une course de chevaux</source>
        <translation>Gioco di scommesse sulle corse dei cavalli</translation>
    </message>
    <message>
        <source>Deux joueurs parient sur une course de chevaux</source>
        <translation>Due giocatori scommettono su una corsa di cavalli</translation>
    </message>
    <message>
        <source>cheval;course;pari;tiercé;</source>
        <translation>cavallo;corsa;scommessa;ippica;tris;</translation>
    </message>
    <message>
        <source>Deux joueurs parient aux courses</source>
        <translation>Due giocatori puntano sui cavalli</translation>
    </message>
    <message>
        <source>Un petit jeu pour deux joueurs sur un même ordinateur. Chaque joueur parie sur les trois premiers des neuf chevaux, le starter donne le départ, et les chevaux galopent par bonds au hasard. Quand le dernier est arrivé, chaque pari est compté contre le tiercé d’arrivée et les points s’additionnent de course en course.</source>
        <translation>Un piccolo gioco per due giocatori sullo stesso computer. Ogni giocatore scommette sui primi tre di nove cavalli, lo starter dà il via e i cavalli galoppano a balzi casuali. Quando arriva l’ultimo, ogni scommessa viene confrontata con i primi tre all’arrivo e i punti si sommano di corsa in corsa.</translation>
    </message>
    <message>
        <source>Le jeu parle la langue du bureau quand il en a la traduction, et l’anglais sinon.</source>
        <translation>Il gioco parla la lingua del desktop quando ne ha la traduzione, altrimenti l’inglese.</translation>
    </message>
    <message>
        <source>La première version : neuf chevaux, deux joueurs, des paris comptés 10, 5 ou 2 points, avec des sons et des bulles d’aide.</source>
        <translation>La prima versione: nove cavalli, due giocatori, scommesse da 10, 5 o 2 punti, con suoni e fumetti di aiuto.</translation>
    </message>
</context>
<context>
    <name>TImage</name>
    <message>
        <source>%1 : %2 ; l&apos;image en français à la place</source>
        <translation>%1: %2; al suo posto viene mostrata l&apos;immagine in francese</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Cliquer pour faire partir les chevaux</source>
        <translation>Clicca per far partire i cavalli</translation>
    </message>
    <message>
        <source>Vous devez choisir trois chevaux différents, puis cliquer sur un des deux personnages</source>
        <translation>Scegli tre cavalli diversi, poi clicca su uno dei due giocatori</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Modifier les chevaux</source>
        <translation>Cambia cavalli</translation>
    </message>
    <message>
        <source>Jouer sons</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Quitter le jeu</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <source>1re place</source>
        <translation>1º posto</translation>
    </message>
    <message>
        <source>2e place</source>
        <translation>2º posto</translation>
    </message>
    <message>
        <source>3e place</source>
        <translation>3º posto</translation>
    </message>
    <message>
        <source>aucun cheval</source>
        <translation>nessun cavallo</translation>
    </message>
    <message>
        <source>cheval %1</source>
        <translation>cavallo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Tiercé à deux</source>
        <translation>Tiercé à deux</translation>
    </message>
    <message>
        <source>Pistolet de départ</source>
        <translation>Pistola di partenza</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Scommesse</translation>
    </message>
    <message>
        <source>Valider les paris</source>
        <translation>Conferma le scommesse</translation>
    </message>
    <message>
        <source>Cheval en %1</source>
        <translation>Cavallo al %1</translation>
    </message>
    <message>
        <source>Paris des deux joueurs</source>
        <translation>Scommesse dei due giocatori</translation>
    </message>
    <message>
        <source>Portrait du joueur %1, pari : %2</source>
        <translation>Ritratto del giocatore %1, scommessa: %2</translation>
    </message>
    <message>
        <source>Joueur %1, %2 : %3</source>
        <translation>Giocatore %1, %2: %3</translation>
    </message>
    <message>
        <source>Points du joueur 1 : %1</source>
        <translation>Punti del giocatore 1: %1</translation>
    </message>
    <message>
        <source>Points du joueur 2 : %1</source>
        <translation>Punti del giocatore 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 1 : %1</source>
        <translation>Scommessa del giocatore 1: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 2 : %1</source>
        <translation>Scommessa del giocatore 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur %1 : %2.</source>
        <translation>Scommessa del giocatore %1: %2.</translation>
    </message>
    <message>
        <source>Paris validés. Joueur 1 : %1 ; joueur 2 : %2.</source>
        <translation>Scommesse confermate. Giocatore 1: %1; giocatore 2: %2.</translation>
    </message>
    <message>
        <source>Les chevaux sont partis.</source>
        <translation>E sono partiti!</translation>
    </message>
    <message>
        <source>%1 : cheval %2</source>
        <translation>%1: cavallo %2</translation>
    </message>
    <message>
        <source>%1, total %2</source>
        <translation>%1, in totale %2</translation>
    </message>
    <message>
        <source>Arrivée : %1. Joueur 1 : %2 ; joueur 2 : %3.</source>
        <translation>Arrivo: %1. Giocatore 1: %2; giocatore 2: %3.</translation>
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
        <translation>Invio, Spazio o un clic per iniziare.</translation>
    </message>
</context>
<context>
    <name>TStoredSwitch</name>
    <message>
        <source>%1 : %2 est illisible ; réglages par défaut</source>
        <translation>%1: impossibile leggere %2; si usano le impostazioni predefinite</translation>
    </message>
    <message>
        <source>%1 : impossible d&apos;enregistrer le réglage dans %2 ; il vaut pour cette partie seulement</source>
        <translation>%1: impossibile salvare l&apos;impostazione in %2; vale solo per questa sessione</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sons de la course</source>
        <translation>Suoni della corsa</translation>
    </message>
</context>
</TS>
