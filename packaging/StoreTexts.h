#pragma once

#include <QtGlobal>

// The words of the desktop entry and of the store page (AppStream), in French like every text of
// the game. The build writes each entry once per translation file, English as the default.
namespace StoreTexts {

inline constexpr char Context[] = "Store";

struct TStoreText {
  const char* Key;  // the @Key@ marker the templates hold
  const char* Source;
};

inline constexpr TStoreText Texts[] = {
    {"GenericName", QT_TRANSLATE_NOOP("Store", "Jeu de paris sur une course de chevaux")},
    {"Comment", QT_TRANSLATE_NOOP("Store", "Deux joueurs parient sur une course de chevaux")},
    // A list: each word ends in a semicolon.
    {"Keywords", QT_TRANSLATE_NOOP("Store", "cheval;course;pari;tiercé;")},
    {"Summary", QT_TRANSLATE_NOOP("Store", "Deux joueurs parient aux courses")},
    {"Description",
     QT_TRANSLATE_NOOP("Store",
                       "Un petit jeu pour deux joueurs sur un même ordinateur. Chaque joueur parie "
                       "sur les trois premiers des neuf chevaux, le starter donne le départ, et "
                       "les chevaux galopent par bonds au hasard. Quand le dernier est arrivé, "
                       "chaque pari est compté contre le tiercé d’arrivée et les points "
                       "s’additionnent de course en course.")},
    {"Languages",
     QT_TRANSLATE_NOOP("Store",
                       "Le jeu parle la langue du bureau quand il en a la traduction, et "
                       "l’anglais sinon.")},
    {"FirstRelease",
     QT_TRANSLATE_NOOP("Store",
                       "La première version : neuf chevaux, deux joueurs, des paris comptés 10, 5 "
                       "ou 2 points, avec des sons et des bulles d’aide.")},
};

}  // namespace StoreTexts
