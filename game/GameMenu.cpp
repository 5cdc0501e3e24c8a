// The right-click menu: new game, change the bets, the sound switch, quit.
#include <QAction>
#include <QLabel>
#include <QMenu>

#include "game/UGaloppo.h"
#include "toolkit/Application.h"
#include "toolkit/StringGrid.h"

void TMain::CreatePopupMenu() {
  PopupMenu1 = new QMenu(this);
  const auto command = [this](const QString& caption, void (TMain::*handler)()) {
    QAction* action = PopupMenu1->addAction(caption);
    connect(action, &QAction::triggered, this, [this, action, handler] {
      // A checkable action has already flipped its own mark; the handler alone decides it.
      if (action->isCheckable()) action->setChecked(!action->isChecked());
      RunGuarded([&] { (this->*handler)(); });
    });
    return action;
  };
  Recommencer1 = command(tr("Recommencer"), &TMain::Recommencer1Click);
  Modifierlescheveaux1 = command(tr("Modifier les chevaux"), &TMain::Modifierlescheveaux1Click);
  N1 = PopupMenu1->addSeparator();
  Jouersons1 = command(tr("Jouer sons"), &TMain::Jouersons1Click);
  Jouersons1->setCheckable(true);
  Jouersons1->setChecked(storedSoundSwitch_.Value());
  N2 = PopupMenu1->addSeparator();
  Quitter = command(tr("Quitter le jeu"), &TMain::QuitterClick);
}

void TMain::Recommencer1Click() {
  Score1 = 0;
  Score2 = 0;
  LabelPointJoueur1->setText(QString::number(Score1));
  LabelPointJoueur2->setText(QString::number(Score2));
  PanelPropos->show();
  for (int n = 1; n <= 3; ++n) {
    StringGrid1->SetCell(n, 0, QString::number(n));
    StringGrid1->SetCell(n, 1, QString::number(n + 3));
  }
}

void TMain::Modifierlescheveaux1Click() {
  PanelPropos->show();
}

void TMain::Jouersons1Click() {
  Jouersons1->setChecked(!Jouersons1->isChecked());
  storedSoundSwitch_.Store(Jouersons1->isChecked());
}

void TMain::QuitterClick() {
  Application->Terminate();
}
