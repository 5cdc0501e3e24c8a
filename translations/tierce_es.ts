<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="fr">
<context>
    <name>Pictures</name>
    <message>
        <source>Cliquez pour commencer</source>
        <translation>Haz clic para empezar</translation>
    </message>
    <message>
        <source>J%1</source>
        <translation>J%1</translation>
    </message>
    <message>
        <source>« Et c&apos;est le 9 qui mène... ah non, c&apos;est son ombre ! »</source>
        <translation>«¡Y el 9 va en cabeza... ah, no, es su sombra!»</translation>
    </message>
    <message>
        <source>L&apos;ordre d&apos;arrivée s&apos;inscrit au fil des chevaux</source>
        <translation>La llegada se anota según entran los caballos</translation>
    </message>
    <message>
        <source>Trois chevaux dans l&apos;ordre exact : 10 points</source>
        <translation>Tres caballos en el orden exacto: 10 puntos</translation>
    </message>
    <message>
        <source>Les trois dans un autre ordre : 5 points</source>
        <translation>Los tres en otro orden: 5 puntos</translation>
    </message>
    <message>
        <source>Deux chevaux gagnants : 2 points – un seul : rien</source>
        <translation>Dos aciertos: 2 puntos – uno solo: nada</translation>
    </message>
    <message>
        <source>Sélection avant la course</source>
        <translation>Selección de caballos</translation>
    </message>
    <message>
        <source>Cliquez ici pour valider votre choix</source>
        <translation>Haz clic para confirmar tu elección</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>non défini</source>
        <translation>sin definir</translation>
    </message>
    <message>
        <source>%1 : aucun écran n&apos;a répondu (DISPLAY %2, WAYLAND_DISPLAY %3)</source>
        <translation>%1: ninguna pantalla ha respondido (DISPLAY %2, WAYLAND_DISPLAY %3)</translation>
    </message>
    <message>
        <source>%1 : aucun écran où ouvrir sa fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</source>
        <translation>%1: no hay ninguna pantalla donde abrir la ventana (no están definidos ni DISPLAY ni WAYLAND_DISPLAY)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Jeu de paris sur une course de chevaux</source>
        <translation>Juego de apuestas en carreras de caballos</translation>
    </message>
    <message>
        <source>Deux joueurs parient sur une course de chevaux</source>
        <translation>Dos jugadores apuestan en una carrera de caballos</translation>
    </message>
    <message>
        <source>cheval;course;pari;tiercé;</source>
        <translation>caballo;carrera;apuesta;hípica;trifecta;</translation>
    </message>
    <message>
        <source>Deux joueurs parient aux courses</source>
        <translation>Apuestas hípicas para dos jugadores</translation>
    </message>
    <message>
        <source>Un petit jeu pour deux joueurs sur un même ordinateur. Chaque joueur parie sur les trois premiers des neuf chevaux, le starter donne le départ, et les chevaux galopent par bonds au hasard. Quand le dernier est arrivé, chaque pari est compté contre le tiercé d’arrivée et les points s’additionnent de course en course.</source>
        <translation>Un pequeño juego para dos jugadores en un mismo ordenador. Cada jugador apuesta por los tres primeros de nueve caballos, el juez de salida da la señal y los caballos galopan a saltos al azar. Cuando llega el último, cada apuesta se compara con los tres primeros de la llegada y los puntos se suman de carrera en carrera.</translation>
    </message>
    <message>
        <source>Le jeu parle la langue du bureau quand il en a la traduction, et l’anglais sinon.</source>
        <translation>El juego habla el idioma del escritorio cuando tiene su traducción y, si no, inglés.</translation>
    </message>
    <message>
        <source>La première version : neuf chevaux, deux joueurs, des paris comptés 10, 5 ou 2 points, avec des sons et des bulles d’aide.</source>
        <translation>La primera versión: nueve caballos, dos jugadores, apuestas que valen 10, 5 o 2 puntos, con sonidos y bocadillos de ayuda.</translation>
    </message>
</context>
<context>
    <name>TImage</name>
    <message>
        <source>%1 : %2 ; l&apos;image en français à la place</source>
        <translation>%1: %2; se muestra la imagen en francés en su lugar</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Cliquer pour faire partir les chevaux</source>
        <translation>Haz clic para dar la salida a los caballos</translation>
    </message>
    <message>
        <source>Vous devez choisir trois chevaux différents, puis cliquer sur un des deux personnages</source>
        <translation>Elige tres caballos distintos y luego haz clic en uno de los dos jugadores</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Modifier les chevaux</source>
        <translation>Cambiar caballos</translation>
    </message>
    <message>
        <source>Jouer sons</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Quitter le jeu</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>1re place</source>
        <translation>primer puesto</translation>
    </message>
    <message>
        <source>2e place</source>
        <translation>segundo puesto</translation>
    </message>
    <message>
        <source>3e place</source>
        <translation>tercer puesto</translation>
    </message>
    <message>
        <source>aucun cheval</source>
        <translation>ningún caballo</translation>
    </message>
    <message>
        <source>cheval %1</source>
        <translation>caballo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Tiercé à deux</source>
        <translation>Tiercé à deux</translation>
    </message>
    <message>
        <source>Pistolet de départ</source>
        <translation>Pistola de salida</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Apuestas</translation>
    </message>
    <message>
        <source>Valider les paris</source>
        <translation>Confirmar las apuestas</translation>
    </message>
    <message>
        <source>Cheval en %1</source>
        <translation>Caballo en %1</translation>
    </message>
    <message>
        <source>Paris des deux joueurs</source>
        <translation>Apuestas de los dos jugadores</translation>
    </message>
    <message>
        <source>Portrait du joueur %1, pari : %2</source>
        <translation>Retrato del jugador %1, apuesta: %2</translation>
    </message>
    <message>
        <source>Joueur %1, %2 : %3</source>
        <translation>Jugador %1, %2: %3</translation>
    </message>
    <message>
        <source>Points du joueur 1 : %1</source>
        <translation>Puntos del jugador 1: %1</translation>
    </message>
    <message>
        <source>Points du joueur 2 : %1</source>
        <translation>Puntos del jugador 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 1 : %1</source>
        <translation>Apuesta del jugador 1: %1</translation>
    </message>
    <message>
        <source>Pari du joueur 2 : %1</source>
        <translation>Apuesta del jugador 2: %1</translation>
    </message>
    <message>
        <source>Pari du joueur %1 : %2.</source>
        <translation>Apuesta del jugador %1: %2.</translation>
    </message>
    <message>
        <source>Paris validés. Joueur 1 : %1 ; joueur 2 : %2.</source>
        <translation>Apuestas confirmadas. Jugador 1: %1; jugador 2: %2.</translation>
    </message>
    <message>
        <source>Les chevaux sont partis.</source>
        <translation>¡Y salen los caballos!</translation>
    </message>
    <message>
        <source>%1 : cheval %2</source>
        <translation>%1: caballo %2</translation>
    </message>
    <message>
        <source>%1, total %2</source>
        <translation>%1, total %2</translation>
    </message>
    <message>
        <source>Arrivée : %1. Joueur 1 : %2 ; joueur 2 : %3.</source>
        <translation>Llegada: %1. Jugador 1: %2; jugador 2: %3.</translation>
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
        <translation>Pulsa Intro o Espacio, o haz clic, para empezar.</translation>
    </message>
</context>
<context>
    <name>TStoredSwitch</name>
    <message>
        <source>%1 : %2 est illisible ; réglages par défaut</source>
        <translation>%1: no se puede leer %2; se usan los ajustes predeterminados</translation>
    </message>
    <message>
        <source>%1 : impossible d&apos;enregistrer le réglage dans %2 ; il vaut pour cette partie seulement</source>
        <translation>%1: no se puede guardar el ajuste en %2; solo vale para esta sesión</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sons de la course</source>
        <translation>Sonidos de la carrera</translation>
    </message>
</context>
</TS>
