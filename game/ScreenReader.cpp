// What screen readers call the game's controls, and what they are told when a race ends.
#include <QLabel>

#include "game/UGaloppo.h"
#include "toolkit/Accessibility.h"
#include "toolkit/ComboBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StringGrid.h"

namespace {

QString Place(int index) {
  static const char* const places[] = {QT_TRANSLATE_NOOP("TMain", "1re place"),
                                       QT_TRANSLATE_NOOP("TMain", "2e place"),
                                       QT_TRANSLATE_NOOP("TMain", "3e place")};
  return TMain::tr(places[index]);
}

// French's own rule picks the source text, singular up to 1; each is a plural form in the
// translations, so that every language has its own rule.
QString Points(int32_t points) {
  return points > 1 ? TMain::tr("%n points", nullptr, points)
                    : TMain::tr("%n point", nullptr, points);
}

}  // namespace

void TMain::NameControls() {
  setAccessibleName(tr("Tiercé à deux"));
  Go->setAccessibleName(tr("Pistolet de départ"));
  PanelPropos->setAccessibleName(tr("Paris"));
  ValiderSelection->setAccessibleName(tr("Valider les paris"));
  TComboBox* choices[] = {Choix1, Choix2, Choix3};
  for (int i = 0; i < 3; ++i) choices[i]->setAccessibleName(tr("Cheval en %1").arg(Place(i)));
  StringGrid1->setAccessibleName(tr("Paris des deux joueurs"));
  StringGrid1->OnCellName = [this](int col, int row) {
    if (col == 0) return tr("Portrait du joueur %1").arg(row + 1);
    const QString horse = StringGrid1->Cell(col, row);
    return tr("Joueur %1, %2 : %3")
        .arg(QString::number(row + 1), Place(col - 1),
             horse.isEmpty() ? tr("aucun cheval") : tr("cheval %1").arg(horse));
  };
  Accessibility::NameLabel(*LabelPointJoueur1, tr("Points du joueur 1 : %1"));
  Accessibility::NameLabel(*LabelPointJoueur2, tr("Points du joueur 2 : %1"));
  Accessibility::NameLabel(*LabelCh1, tr("Pari du joueur 1 : %1"));
  Accessibility::NameLabel(*LabelCh2, tr("Pari du joueur 2 : %1"));
}

void TMain::AnnounceArrival() {
  QStringList first;
  for (int place = 0; place < 3 && place < ArrivalOrder.size(); ++place) {
    first << tr("%1 : cheval %2").arg(Place(place), ArrivalOrder[place]);
  }
  Accessibility::Announce(
      *this, tr("Arrivée : %1. Joueur 1 : %2, joueur 2 : %3.")
                 .arg(first.join(QStringLiteral(", ")), Points(Score1), Points(Score2)));
}
