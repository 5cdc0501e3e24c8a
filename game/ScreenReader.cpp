// What screen readers call the game's controls, and what they are told as the game goes: each
// bet recorded or refused, the validation, the start and the arrival.
#include <QLabel>

#include "assets/PictureWords.h"
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

QString Horse(const QString& number) {
  return number.isEmpty() ? TMain::tr("aucun cheval") : TMain::tr("cheval %1").arg(number);
}

// A bet is one digit a horse: "789" is read as three horses, not as a number.
QString SpellBet(const QString& bet) {
  QStringList horses;
  for (QChar horse : bet) horses << horse;
  return horses.join(QStringLiteral(", "));
}

// French's own rule picks the source text, singular up to 1; each is a plural form in the
// translations, so that every language has its own rule.
QString Points(int32_t points) {
  return points > 1 ? TMain::tr("%n points", nullptr, points)
                    : TMain::tr("%n point", nullptr, points);
}

// The rules as the betting panel's picture shows them, in sentences.
QString Rules() {
  QStringList rules;
  for (const char* rule : PictureWords::PanelRules) {
    rules << QCoreApplication::translate(PictureWords::Context, rule);
  }
  return rules.join(QStringLiteral(". ")) + u'.';
}

}  // namespace

void TMain::NameControls() {
  setAccessibleName(tr("Tiercé à deux"));
  Accessibility::PresentAsFrame(*this);
  Go->setAccessibleName(tr("Pistolet de départ"));
  PanelPropos->setAccessibleName(tr("Paris"));
  PanelPropos->setAccessibleDescription(Rules());
  ValiderSelection->setAccessibleName(tr("Valider les paris"));
  TComboBox* choices[] = {Choix1, Choix2, Choix3};
  for (int i = 0; i < 3; ++i) {
    TComboBox* choice = choices[i];
    choice->setAccessibleName(tr("Cheval en %1").arg(Place(i)));
    choice->OnItemName = [choice](int index) { return Horse(choice->itemText(index)); };
  }
  StringGrid1->setAccessibleName(tr("Paris des deux joueurs"));
  StringGrid1->OnCellName = [this](int col, int row) {
    if (col == 0) return tr("Portrait du joueur %1, pari : %2").arg(row + 1).arg(Bet(row + 1));
    return tr("Joueur %1, %2 : %3")
        .arg(QString::number(row + 1), Place(col - 1), Horse(StringGrid1->Cell(col, row)));
  };
  Accessibility::NameLabel(*LabelPointJoueur1, [](const QString& points) {
    return tr("Points du joueur 1 : %1").arg(points);
  });
  Accessibility::NameLabel(*LabelPointJoueur2, [](const QString& points) {
    return tr("Points du joueur 2 : %1").arg(points);
  });
  Accessibility::NameLabel(
      *LabelCh1, [](const QString& bet) { return tr("Pari du joueur 1 : %1").arg(SpellBet(bet)); });
  Accessibility::NameLabel(
      *LabelCh2, [](const QString& bet) { return tr("Pari du joueur 2 : %1").arg(SpellBet(bet)); });
}

QString TMain::Bet(int player) const {
  QStringList horses;
  for (QChar horse : Game.PlayerBet(player)) horses << Horse(horse);
  return horses.join(QStringLiteral(", "));
}

void TMain::TellBet(int player) {
  Accessibility::Say(*this, tr("Pari du joueur %1 : %2.").arg(player).arg(Bet(player)));
}

void TMain::TellRules() {
  Accessibility::Say(*this, Rules());
}

void TMain::TellBetRefused() {
  // The drop-downs' hint is where the rule is told.
  Accessibility::Say(*this, Choix1->toolTip());
}

void TMain::TellBetsValidated() {
  Accessibility::Say(*this,
                     tr("Paris validés. Joueur 1 : %1 ; joueur 2 : %2.").arg(Bet(1), Bet(2)));
}

void TMain::TellRaceStarted() {
  Accessibility::Say(*this, tr("Les chevaux sont partis."));
}

void TMain::AnnounceArrival() {
  const QString& arrival = Game.ArrivalOrder();
  QStringList first;
  for (int place = 0; place < 3 && place < arrival.size(); ++place) {
    first << tr("%1 : cheval %2").arg(Place(place), arrival[place]);
  }
  const auto points = [&](int player, int32_t total) {
    return tr("%1, total %2").arg(Points(Game.RacePoints(player)), QString::number(total));
  };
  Accessibility::Say(*this, tr("Arrivée : %1. Joueur 1 : %2 ; joueur 2 : %3.")
                                .arg(first.join(QStringLiteral(", ")), points(1, Game.Score1()),
                                     points(2, Game.Score2())));
}
