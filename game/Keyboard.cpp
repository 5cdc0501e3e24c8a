// The game from the keyboard. The game keys follow the desktops' games where they have one
// (Ctrl+N new game, Ctrl+Q quit); the others take the initial of what they do, with Ctrl so that
// no key of a drop-down or of the grid is taken. None is shown in the menu.
#include <QAction>
#include <QMenu>
#include <QShortcut>

#include "game/UGaloppo.h"
#include "toolkit/Application.h"
#include "toolkit/ComboBox.h"
#include "toolkit/ContextMenuKeys.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StringGrid.h"

namespace {

void AddGameKey(QWidget& window, QKeyCombination keys, std::function<void()> command) {
  auto* shortcut = new QShortcut(QKeySequence(keys), &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, command);
}

// A disabled action ignores its trigger, so a key honours the menu's states.
void AddMenuKey(QWidget& window, QKeyCombination keys, QAction* action) {
  AddGameKey(window, keys, [action] { action->trigger(); });
}

}  // namespace

void TMain::SetUpKeyboard() {
  // Choix1, Choix2, Choix3, the grid, the bar, then the pistol and what the labels hold, so that
  // a screen reader can read the totals and bets at any time. A disabled or hidden control is
  // passed over. Qt 6.4 will not put the bar after the grid, the last of the chain: it goes after
  // Choix3, then the grid between them.
  QWidget* const afterBar[] = {ValiderSelection,  Go,      LabelPointJoueur1, LabelCh1,
                               LabelPointJoueur2, LabelCh2};
  for (QWidget* control : afterBar) control->setFocusPolicy(Qt::TabFocus);
  setTabOrder(Choix1, Choix2);
  setTabOrder(Choix2, Choix3);
  setTabOrder(Choix3, ValiderSelection);
  setTabOrder(Choix3, StringGrid1);
  for (size_t i = 1; i < std::size(afterBar); ++i) setTabOrder(afterBar[i - 1], afterBar[i]);
  // The round begins with the bets, whichever control the form lists first.
  Choix1->setFocus();

  // In the grid the keyboard goes from one portrait to the other.
  StringGrid1->SetKeyCells({{0, 0}, {0, 1}});
  StringGrid1->OnKeyPress = [this](int col, int row) { PressGridCell(col, row); };

  AddContextMenuKeys(*this);
  AddMenuKey(*this, Qt::CTRL | Qt::Key_N, Recommencer1);
  AddMenuKey(*this, Qt::CTRL | Qt::Key_M, Modifierlescheveaux1);
  AddMenuKey(*this, Qt::CTRL | Qt::Key_J, Jouersons1);
  AddMenuKey(*this, Qt::CTRL | Qt::Key_Q, Quitter);
  // The desktops' help key: the rules the betting panel's picture shows, said at any time.
  AddGameKey(*this, Qt::Key_F1, [this] { TellRules(); });
  // P for "partir": the pistol's hint says it makes the horses leave.
  AddGameKey(*this, Qt::CTRL | Qt::Key_P, [this] { RunGuarded([this] { GoClick(); }); });
}
