// Many races with random seeds, the two timers firing in random orders, every rule of a race
// checked after every tick, and memory that does not grow from race to race.
// TIERCE_SOAK_RACES sets the number of races (200 by default).
#include <QApplication>
#include <QLabel>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>

#include "game/Scoring.h"
#include "tests/game/GameFixture.h"
#include "tests/reliability/RaceInvariants.h"
#include "toolkit/Random.h"

namespace {

class Soak : public GameTest {
 protected:
  // Any three different horses for each player, taken as a portrait click takes them: from the
  // three drop-downs. Returns the two bets as the test drew them.
  std::array<QString, 2> PlaceBets(std::mt19937& dice) {
    std::array<QString, 2> bets;
    for (int row = 0; row < 2; ++row) {
      std::array<int, HorseCount> horses{1, 2, 3, 4, 5, 6, 7, 8, 9};
      std::shuffle(horses.begin(), horses.end(), dice);
      TComboBox* choices[] = {main->Choix1, main->Choix2, main->Choix3};
      for (int place = 0; place < 3; ++place) {
        choices[place]->setCurrentIndex(horses[place] - 1);
        bets[row] += QString::number(horses[place]);
      }
      main->PressGridCell(0, row);
    }
    return bets;
  }

  // One race with the timers interleaved at random; returns false at the first broken rule.
  bool RunRace(std::mt19937& dice, TRaceWatch& watch) {
    main->GoClick();
    watch.Start(*main);
    std::bernoulli_distribution advanceFirst(std::uniform_real_distribution<>(0.2, 0.8)(dice));
    for (int ticks = 0; watch.Running(); ++ticks) {
      if (advanceFirst(dice)) {
        main->TimerAvancerTimer();
      } else {
        main->TimerMouvementTimer();
      }
      if (!watch.AfterTick(*main)) return false;
      if (ticks > 20000) {
        ADD_FAILURE() << "the race never ends";
        return false;
      }
    }
    TRaceWatch::CheckFinalOrder(*main);
    return !HasFailure();
  }
};

TEST_F(Soak, ManyRacesKeepEveryRuleAndTheTotalsAndDoNotGrowInMemory) {
  const int races = CountFromEnvironment("TIERCE_SOAK_RACES", 200);
  std::mt19937 dice(20261208);
  main->show();
  const TGame& game = main->Game;
  ASSERT_EQ(game.Score1() + game.Score2(), 0);
  int expected1 = 0;
  int expected2 = 0;
  long afterFirstRace = 0;
  TRaceWatch watch;
  for (int race = 1; race <= races; ++race) {
    const uint32_t seed = dice();
    RandSeed = seed;
    const auto [bet1, bet2] = PlaceBets(dice);
    ASSERT_TRUE(RunRace(dice, watch)) << "race " << race << " seed " << seed;
    EXPECT_EQ(main->LabelCh1->text(), bet1);
    EXPECT_EQ(main->LabelCh2->text(), bet2);
    expected1 += ScoreBet(bet1, game.ArrivalOrder());
    expected2 += ScoreBet(bet2, game.ArrivalOrder());
    ASSERT_EQ(game.Score1(), expected1) << "race " << race;
    ASSERT_EQ(game.Score2(), expected2) << "race " << race;
    ASSERT_EQ(main->LabelPointJoueur1->text(), QString::number(expected1));
    QApplication::processEvents();  // the window's pending repaints, as the loop would
    // The first race makes the scene its own and the pictures' caches; later races reuse them.
    if (race == 1) afterFirstRace = InUseKilobytes();
  }
  const long atEnd = InUseKilobytes();
  RecordProperty("races", races);
  RecordProperty("in_use_kb_after_first", int(afterFirstRace));
  RecordProperty("in_use_kb_at_end", int(atEnd));
  std::printf("%d races; memory in use %ld kB after the first, %ld kB at the end\n", races,
              afterFirstRace, atEnd);
  EXPECT_LE(std::abs(atEnd - afterFirstRace), afterFirstRace / 100);
}

}  // namespace
