#pragma once

#include <QtGlobal>

// The words drawn in the pictures, in French. The artwork generator draws each picture once per
// language from that language's translation of them, and the game speaks the rules with the same
// words, so the two can never disagree.
namespace PictureWords {

inline constexpr char Context[] = "Pictures";

// Under the splash's badge.
inline constexpr char SplashClick[] = QT_TRANSLATE_NOOP("Pictures", "Cliquez pour commencer");
// Over each player's score on the track's banner; %1 is the player's number.
inline constexpr char PlayerTag[] = QT_TRANSLATE_NOOP("Pictures", "J%1");

// The betting panel's dark band, drawn in capitals: a joke of the race caller, then the rules.
inline constexpr char PanelJoke[] =
    QT_TRANSLATE_NOOP("Pictures", "« Et c'est le 9 qui mène... ah non, c'est son ombre ! »");
inline constexpr const char* PanelRules[] = {
    QT_TRANSLATE_NOOP("Pictures", "L'ordre d'arrivée s'inscrit au fil des chevaux"),
    QT_TRANSLATE_NOOP("Pictures", "Trois chevaux dans l'ordre exact : 10 points"),
    QT_TRANSLATE_NOOP("Pictures", "Les trois dans un autre ordre : 5 points"),
    QT_TRANSLATE_NOOP("Pictures", "Deux chevaux gagnants : 2 points – un seul : rien"),
};
// Drawn in capitals, above the drop-downs and on the validation bar.
inline constexpr char PanelHeading[] = QT_TRANSLATE_NOOP("Pictures", "Sélection avant la course");
inline constexpr char ValidationBar[] =
    QT_TRANSLATE_NOOP("Pictures", "Cliquez ici pour valider votre choix");

}  // namespace PictureWords
