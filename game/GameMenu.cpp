// The right-click menu: new game, change the bets, the sound switch, quit.
#include <QAction>
#include <QMenu>

#include "game/UGaloppo.h"
#include "toolkit/Application.h"

void TMain::CreatePopupMenu() {
  PopupMenu1 = new QMenu(this);
  const auto command = [this](const QString& caption, void (TMain::*handler)()) {
    QAction* action = PopupMenu1->addAction(caption);
    connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
    return action;
  };
  Recommencer1 = command(tr("Recommencer"), &TMain::Recommencer1Click);
  Modifierlescheveaux1 = command(tr("Modifier les chevaux"), &TMain::Modifierlescheveaux1Click);
  N1 = PopupMenu1->addSeparator();
  Jouersons1 = command(tr("Jouer sons"), &TMain::Jouersons1Click);
  // The mark shows the game's switch. A click flips the switch, and Qt the mark, to the same state.
  Jouersons1->setCheckable(true);
  Jouersons1->setChecked(Game.SoundsOn());
  N2 = PopupMenu1->addSeparator();
  Quitter = command(tr("Quitter le jeu"), &TMain::QuitterClick);
}

void TMain::Recommencer1Click() {
  Game.NewGame();
}

void TMain::Modifierlescheveaux1Click() {
  Game.ChangeBets();
}

void TMain::Jouersons1Click() {
  Game.FlipSoundSwitch();
}

void TMain::QuitterClick() {
  Application->Terminate();
}
