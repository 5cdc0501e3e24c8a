#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>

#include "game/Scoring.h"
#include "tests/game/GameFixture.h"
#include "toolkit/Application.h"

namespace {

class Keyboard : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    main->show();
    main->activateWindow();
    QApplication::processEvents();  // the activation arrives as an event
  }
  // A key as the window system delivers it: to the focused widget.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused) << "no focus for key " << key;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(focused, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
  }
  void Keys(Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) Key(key);
  }
  // A game key: the window's shortcut for `keys`, as the shortcut map would activate it.
  void GameKey(QKeyCombination keys) {
    for (QShortcut* shortcut : main->findChildren<QShortcut*>()) {
      if (shortcut->key() == QKeySequence(keys)) return emit shortcut->activated();
    }
    ADD_FAILURE() << "no shortcut " << QKeySequence(keys).toString().toStdString();
  }
  QString Row(int row) {
    return main->StringGrid1->Cell(1, row) + main->StringGrid1->Cell(2, row) +
           main->StringGrid1->Cell(3, row);
  }
  static QString Name(QObject* object, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
  }
  // What screen readers were last told, wherever their focus was.
  QString Said() {
    auto* notice = main->findChild<QWidget*>(QStringLiteral("AccessibleNotice"));
    return notice ? notice->accessibleName() : QString();
  }
  // The grid on screen differs from its cells' drawing: the keyboard's mark.
  bool GridMarked() {
    TStringGrid& grid = *main->StringGrid1;
    const QImage shown = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return shown.copy(grid.contentsRect()) != grid.Surface();
  }
};

}  // namespace

TEST_F(Keyboard, ARoundPlayedByKeysFollowsTheMouseRulesAndIsToldToScreenReaders) {
  ASSERT_EQ(QApplication::focusWidget(), main->Choix1);
  EXPECT_FALSE(GridMarked());
  // The rules as the panel's picture shows them.
  const QString rules = QString::fromUtf8(
      "L'ordre d'arrivée s'inscrit au fil des chevaux. Trois chevaux dans l'ordre exact : 10 "
      "points. Les trois dans un autre ordre : 5 points. Deux chevaux gagnants : 2 points – un "
      "seul : rien.");

  // Tab reaches the grid past the three drop-downs; the portrait press is refused while the
  // drop-downs hold the same (empty) text, as a click would be.
  Keys(Qt::Key_Tab, 3);
  ASSERT_EQ(QApplication::focusWidget(), main->StringGrid1);
  EXPECT_EQ(main->StringGrid1->KeyCell(), QPoint(0, 0));
  EXPECT_TRUE(GridMarked());
  Key(Qt::Key_Space);
  EXPECT_EQ(Row(0), "123");

  // Player 1: 3, 1, 2, assigned with Return on his portrait.
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), main->Choix3);
  Keys(Qt::Key_Down, 2);
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  Keys(Qt::Key_Down, 1);
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  Keys(Qt::Key_Down, 3);
  // The drop-downs' hint, the only place that tells the rule, comes with the keyboard's focus.
  EXPECT_EQ(Application->Hints().HintControl(), main->Choix1);
  EXPECT_EQ(Application->Hints().ShowTimer().interval(), 200);
  // A drop-down keeps its place as its name, its horse as its value.
  EXPECT_EQ(Name(main->Choix1), "Cheval en 1re place");
  EXPECT_EQ(Name(main->Choix1, QAccessible::Value), "cheval 3");
  Keys(Qt::Key_Tab, 3);
  Key(Qt::Key_Return);
  EXPECT_EQ(Row(0), "312");
  EXPECT_EQ(Row(1), "456");
  EXPECT_EQ(Said(), "Pari du joueur 1 : cheval 3, cheval 1, cheval 2.");

  // Player 2 keeps 3 and 1 but makes the third the same as the first: refused, then 9.
  Key(Qt::Key_Down);
  EXPECT_EQ(main->StringGrid1->KeyCell(), QPoint(0, 1));
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  Key(Qt::Key_Up);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  EXPECT_EQ(Row(1), "456");
  EXPECT_EQ(Said(), main->Choix1->toolTip());
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  Keys(Qt::Key_Down, 8);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  EXPECT_EQ(Row(1), "319");
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(main->StringGrid1)->child(7)->text(QAccessible::Name),
      "Joueur 2, 3e place : cheval 9");

  // After a mouse press the grid looks as it did before the keyboard was used.
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(main.get(), &press);
  EXPECT_FALSE(GridMarked());

  // The validation bar validates on Return.
  Key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), main->ValiderSelection);
  Key(Qt::Key_Return);
  EXPECT_EQ(main->LabelCh1->text(), "312");
  EXPECT_EQ(main->LabelCh2->text(), "319");
  EXPECT_FALSE(main->PanelPropos->isVisible());
  EXPECT_EQ(Name(main->LabelCh2), "Pari du joueur 2 : 3, 1, 9");
  // The keyboard goes on from the pistol; the bets are said.
  EXPECT_EQ(QApplication::focusWidget(), main->Go);
  EXPECT_EQ(Said(),
            "Paris validés. Joueur 1 : cheval 3, cheval 1, cheval 2 ; joueur 2 : cheval "
            "3, cheval 1, cheval 9.");

  // The race: nothing starts it again, changes the bets or starts a new game while it runs.
  GameKey(Qt::CTRL | Qt::Key_P);
  ASSERT_FALSE(main->Go->isEnabled());
  main->TimerAvancerTimer();
  const TGame& game = main->Game;
  const QString soFar = game.ArrivalOrder();
  const int x = game.HorseX(1);
  for (QKeyCombination keys : {Qt::CTRL | Qt::Key_P, Qt::CTRL | Qt::Key_M, Qt::CTRL | Qt::Key_N}) {
    GameKey(keys);
  }
  EXPECT_EQ(game.HorseX(1), x);
  EXPECT_EQ(game.ArrivalOrder(), soFar);
  EXPECT_FALSE(main->PanelPropos->isVisible());
  // The rules, at any time.
  GameKey(Qt::Key_F1);
  EXPECT_EQ(Said(), rules);
  EXPECT_EQ(Name(main->PanelPropos, QAccessible::Description), rules);
  // The race ends with the keyboard on the pistol, moved there once the arrival was said.
  QString saidAsThePistolTookTheKeyboard;
  const auto watch =
      QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
        if (now == main->Go) saidAsThePistolTookTheKeyboard = Said();
      });
  FinishRace();
  QObject::disconnect(watch);
  EXPECT_EQ(QApplication::focusWidget(), main->Go);
  EXPECT_EQ(saidAsThePistolTookTheKeyboard, Said());
  const QString& order = game.ArrivalOrder();
  EXPECT_EQ(game.Score1(), ScoreBet("312", order));
  EXPECT_EQ(game.Score2(), ScoreBet("319", order));
  EXPECT_EQ(Name(main->LabelPointJoueur1),
            "Points du joueur 1 : " + QString::number(game.Score1()));
  EXPECT_EQ(Name(main->LabelPointJoueur2),
            "Points du joueur 2 : " + QString::number(game.Score2()));
  const auto points = [](int32_t n) { return QString::number(n) + (n > 1 ? " points" : " point"); };
  EXPECT_EQ(Said(), QStringLiteral("Arrivée : 1re place : cheval %1, 2e place : cheval %2, 3e "
                                   "place : cheval %3. Joueur 1 : %4, total %5 ; joueur 2 : %6, "
                                   "total %7.")
                        .arg(order[0])
                        .arg(order[1])
                        .arg(order[2])
                        .arg(points(game.Score1()), QString::number(game.Score1()),
                             points(game.Score2()), QString::number(game.Score2())));

  // The menu from the keyboard; the sound switch; a new game.
  GameKey(Qt::SHIFT | Qt::Key_F10);
  EXPECT_TRUE(main->PopupMenu1->isVisible());
  main->PopupMenu1->close();
  GameKey(Qt::CTRL | Qt::Key_J);
  EXPECT_FALSE(main->Jouersons1->isChecked());
  EXPECT_FALSE(game.SoundsOn());
  GameKey(Qt::CTRL | Qt::Key_N);
  EXPECT_EQ(game.Score1() + game.Score2(), 0);
  EXPECT_EQ(Row(0) + Row(1), "123456");
  EXPECT_TRUE(main->PanelPropos->isVisible());
  EXPECT_EQ(Name(main->LabelPointJoueur1), "Points du joueur 1 : 0");
  // The panel, opened again, takes the keyboard and tells its rules.
  EXPECT_EQ(QApplication::focusWidget(), main->Choix1);
  EXPECT_EQ(Said(), rules);
}
