// What screen readers call the game's controls, and what they are told when a race ends.
#include <QLabel>

#include "game/UGaloppo.h"
#include "toolkit/Accessibility.h"
#include "toolkit/ComboBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StringGrid.h"

namespace {

const QString Places[] = {QStringLiteral("1re place"), QStringLiteral("2e place"),
                          QStringLiteral("3e place")};

QString Player(int row) {
  return QStringLiteral("Joueur %1").arg(row + 1);
}

QString Points(int32_t points) {
  return QStringLiteral("%1 point%2").arg(points).arg(points > 1 ? "s" : "");
}

}  // namespace

void TMain::NameControls() {
  setAccessibleName(QStringLiteral("Tiercé à deux"));
  Go->setAccessibleName(QStringLiteral("Pistolet de départ"));
  PanelPropos->setAccessibleName(QStringLiteral("Paris"));
  ValiderSelection->setAccessibleName(QStringLiteral("Valider les paris"));
  TComboBox* choices[] = {Choix1, Choix2, Choix3};
  for (int i = 0; i < 3; ++i) choices[i]->setAccessibleName("Cheval en " + Places[i]);
  StringGrid1->setAccessibleName(QStringLiteral("Paris des deux joueurs"));
  StringGrid1->OnCellName = [this](int col, int row) {
    const QString player = Player(row);
    if (col == 0) return QStringLiteral("Portrait du ") + player.toLower();
    const QString horse = StringGrid1->Cell(col, row);
    return QStringLiteral("%1, %2 : %3")
        .arg(player, Places[col - 1],
             horse.isEmpty() ? QStringLiteral("aucun cheval") : "cheval " + horse);
  };
  Accessibility::NameLabel(*LabelPointJoueur1, QStringLiteral("Points du joueur 1 : %1"));
  Accessibility::NameLabel(*LabelPointJoueur2, QStringLiteral("Points du joueur 2 : %1"));
  Accessibility::NameLabel(*LabelCh1, QStringLiteral("Pari du joueur 1 : %1"));
  Accessibility::NameLabel(*LabelCh2, QStringLiteral("Pari du joueur 2 : %1"));
}

void TMain::AnnounceArrival() {
  QStringList first;
  for (int place = 0; place < 3 && place < ArrivalOrder.size(); ++place) {
    first << Places[place] + " : cheval " + ArrivalOrder[place];
  }
  Accessibility::Announce(
      *this, QStringLiteral("Arrivée : %1. Joueur 1 : %2, joueur 2 : %3.")
                 .arg(first.join(QStringLiteral(", ")), Points(Score1), Points(Score2)));
}
