// What screen readers call the game's controls, and what they are told as the game goes: each
// bet recorded or refused, the validation, the start and the arrival.
#include <QLabel>

#include "game/Scoring.h"
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

QString Horse(const QString& number) {
  return number.isEmpty() ? QStringLiteral("aucun cheval") : "cheval " + number;
}

// A bet is one digit a horse: "789" is read as three horses, not as a number.
QString SpellBet(const QString& bet) {
  QStringList horses;
  for (QChar horse : bet) horses << horse;
  return horses.join(QStringLiteral(", "));
}

QString Points(int32_t points) {
  return QStringLiteral("%1 point%2").arg(points).arg(points > 1 ? "s" : "");
}

}  // namespace

void TMain::NameControls() {
  setAccessibleName(QStringLiteral("Tiercé à deux"));
  Accessibility::PresentAsFrame(*this);
  Go->setAccessibleName(QStringLiteral("Pistolet de départ"));
  PanelPropos->setAccessibleName(QStringLiteral("Paris"));
  ValiderSelection->setAccessibleName(QStringLiteral("Valider les paris"));
  TComboBox* choices[] = {Choix1, Choix2, Choix3};
  for (int i = 0; i < 3; ++i) {
    TComboBox* choice = choices[i];
    choice->setAccessibleName("Cheval en " + Places[i]);
    choice->OnItemName = [choice](int index) { return Horse(choice->itemText(index)); };
  }
  StringGrid1->setAccessibleName(QStringLiteral("Paris des deux joueurs"));
  StringGrid1->OnCellName = [this](int col, int row) {
    const QString player = Player(row);
    if (col == 0)
      return QStringLiteral("Portrait du %1, pari : %2").arg(player.toLower(), Bet(row));
    return QStringLiteral("%1, %2 : %3")
        .arg(player, Places[col - 1], Horse(StringGrid1->Cell(col, row)));
  };
  Accessibility::NameLabel(*LabelPointJoueur1, [](const QString& points) {
    return QStringLiteral("Points du joueur 1 : %1").arg(points);
  });
  Accessibility::NameLabel(*LabelPointJoueur2, [](const QString& points) {
    return QStringLiteral("Points du joueur 2 : %1").arg(points);
  });
  Accessibility::NameLabel(*LabelCh1, [](const QString& bet) {
    return QStringLiteral("Pari du joueur 1 : %1").arg(SpellBet(bet));
  });
  Accessibility::NameLabel(*LabelCh2, [](const QString& bet) {
    return QStringLiteral("Pari du joueur 2 : %1").arg(SpellBet(bet));
  });
}

QString TMain::Bet(int row) const {
  QStringList horses;
  for (int col = 1; col <= 3; ++col) {
    const QString horse = StringGrid1->Cell(col, row);
    if (!horse.isEmpty()) horses << Horse(horse);
  }
  return horses.join(QStringLiteral(", "));
}

void TMain::TellBet(int row) {
  Accessibility::Say(*this,
                     QStringLiteral("Pari du %1 : %2.").arg(Player(row).toLower(), Bet(row)));
}

void TMain::TellBetRefused() {
  // The drop-downs' hint is where the rule is told.
  Accessibility::Say(*this, Choix1->toolTip());
}

void TMain::TellBetsValidated() {
  Accessibility::Say(
      *this, QStringLiteral("Paris validés. Joueur 1 : %1 ; joueur 2 : %2.").arg(Bet(0), Bet(1)));
}

void TMain::TellRaceStarted() {
  Accessibility::Say(*this, QStringLiteral("Les chevaux sont partis."));
}

void TMain::AnnounceArrival() {
  QStringList first;
  for (int place = 0; place < 3 && place < ArrivalOrder.size(); ++place) {
    first << Places[place] + " : cheval " + ArrivalOrder[place];
  }
  const auto points = [this](int row, int32_t total) {
    return QStringLiteral("%1, total %2")
        .arg(Points(ScoreBet(PlayerBet(row), ArrivalOrder)), QString::number(total));
  };
  Accessibility::Say(
      *this, QStringLiteral("Arrivée : %1. Joueur 1 : %2 ; joueur 2 : %3.")
                 .arg(first.join(QStringLiteral(", ")), points(0, Score1), points(1, Score2)));
}
