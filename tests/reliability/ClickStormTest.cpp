// Thousands of random presses, right-clicks, choices and menu commands on every control of the
// game window, before, during and after races, with hints opening and closing and the race
// timers firing in between. Nothing may crash, and every rule of a race must hold throughout.
// TIERCE_STORM_ACTIONS sets the number of actions.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <functional>
#include <random>

#include "cldhint/CldHint.h"
#include "game/Scoring.h"
#include "tests/game/GameFixture.h"
#include "tests/reliability/RaceInvariants.h"
#include "toolkit/Animate.h"
#include "toolkit/Application.h"
#include "toolkit/HintMachinery.h"
#include "toolkit/Random.h"

namespace {

constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                                        Qt::BackButton};

class ClickStorm : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    main->show();
    Application->SetMainForm(main.get());  // the cloud window finds its settings there
    QApplication::processEvents();
  }
  void TearDown() override {
    Application->Hints().CancelHint();
    Application->SetMainForm(nullptr);
    GameTest::TearDown();
  }

  // A press and a release, as the platform delivers them, to a control a player can reach.
  void Click(QWidget* widget, QPoint at, Qt::MouseButton button) {
    if (!widget->isVisible()) return;
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
  }

  QPoint Anywhere(QWidget* widget) {
    return {std::uniform_int_distribution<>(-5, widget->width() + 5)(dice),
            std::uniform_int_distribution<>(-5, widget->height() + 5)(dice)};
  }

  Qt::MouseButton AnyButton() {
    return kButtons[std::uniform_int_distribution<>(0, std::size(kButtons) - 1)(dice)];
  }

  // The mouse comes to rest on a control, and its hint opens (and perhaps closes) in a cloud,
  // with the cursor anywhere, on or off the screen.
  void Hover(QWidget* widget) {
    if (!widget->isVisible()) return;
    QCursor::setPos(std::uniform_int_distribution<>(-100, 900)(dice),
                    std::uniform_int_distribution<>(-100, 900)(dice));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(widget, &enter);
    THintMachinery& hints = Application->Hints();
    if (hints.ShowTimer().isActive()) QMetaObject::invokeMethod(&hints.ShowTimer(), "timeout");
    if (dice() % 2 && hints.HideTimer().isActive())
      QMetaObject::invokeMethod(&hints.HideTimer(), "timeout");
    if (dice() % 3 == 0) {
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(widget, &leave);
    }
    if (hints.HintShown()) ++cloudsShown;
  }

  void Tick() {
    if (dice() % 2) {
      if (main->TimerAvancer->Active()) main->TimerAvancerTimer();
    } else {
      if (main->TimerMouvement->Active()) main->TimerMouvementTimer();
    }
  }

  std::mt19937 dice{424242};
  int cloudsShown = 0;
};

TEST_F(ClickStorm, RandomActionsOnEveryControlNeverBreakTheGame) {
  const int actions = CountFromEnvironment("TIERCE_STORM_ACTIONS", 5000);
  TMain& game = *main;
  const TGame& model = game.Game;
  ASSERT_EQ(model.Score1() + model.Score2(), 0);
  int expected1 = 0;
  int expected2 = 0;
  QString bet1;
  QString bet2;
  int races = 0;
  TRaceWatch watch;
  TComboBox* choices[] = {game.Choix1, game.Choix2, game.Choix3};
  bool newGame = false;
  QObject::connect(game.Recommencer1, &QAction::triggered, [&] { newGame = true; });

  const std::vector<std::function<void()>> moves = {
      [&] { Click(game.Go, Anywhere(game.Go), AnyButton()); },
      [&] { Click(game.ValiderSelection, Anywhere(game.ValiderSelection), AnyButton()); },
      [&] { Click(game.StringGrid1, Anywhere(game.StringGrid1), AnyButton()); },
      [&] { Click(&game, Anywhere(&game), AnyButton()); },
      [&] {
        TComboBox* choice = choices[dice() % 3];
        if (choice->isVisible()) choice->setCurrentIndex(int(dice() % 10) - 1);
      },
      [&] {
        TComboBox* choice = choices[dice() % 3];
        if (!choice->isVisible()) return;
        choice->showPopup();
        QApplication::processEvents();  // the delegate paints the opened list
        choice->hidePopup();
      },
      [&] {
        const QPoint at = Anywhere(&game);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, game.mapToGlobal(at));
        QApplication::sendEvent(&game, &menu);
        QApplication::processEvents();
        game.PopupMenu1->hide();
      },
      [&] { game.Recommencer1->trigger(); },
      [&] { game.Modifierlescheveaux1->trigger(); },
      [&] { game.Jouersons1->trigger(); },
      [&] { Hover(dice() % 2 ? static_cast<QWidget*>(game.Go) : choices[dice() % 3]); },
      [&] { game.AnimateHomme->NextFrame(); },
      [&] { QApplication::processEvents(); },
  };

  for (int action = 0; action < actions; ++action) {
    const bool wasRunning = watch.Running();
    // Half of the actions are the race's own ticks, so that races start and finish amid them.
    if (dice() % 2) {
      Tick();
    } else {
      moves[dice() % moves.size()]();
    }
    if (!wasRunning && !game.Go->isEnabled()) {
      // A click on Go started a race: the bets are those just validated.
      ++races;
      bet1 = game.LabelCh1->text();
      bet2 = game.LabelCh2->text();
      watch.Start(game);
    } else if (newGame) {
      expected1 = expected2 = 0;
    }
    newGame = false;
    ASSERT_TRUE(watch.AfterTick(game)) << "action " << action;
    if (wasRunning && !watch.Running()) {
      TRaceWatch::CheckFinalOrder(game);
      expected1 += ScoreBet(bet1, model.ArrivalOrder());
      expected2 += ScoreBet(bet2, model.ArrivalOrder());
    }
    ASSERT_EQ(model.Score1(), expected1) << "action " << action;
    ASSERT_EQ(model.Score2(), expected2) << "action " << action;
    if (watch.Running()) {
      // Nothing a player does during a race changes the bets it is run for.
      const QString now1 = game.StringGrid1->Cell(1, 0) + game.StringGrid1->Cell(2, 0) +
                           game.StringGrid1->Cell(3, 0);
      ASSERT_EQ(now1, bet1) << "action " << action;
    }
  }
  std::printf("%d actions, %d races started, %d clouds shown\n", actions, races, cloudsShown);
  EXPECT_GT(races, 3);
  EXPECT_GT(cloudsShown, 3);
}

}  // namespace
