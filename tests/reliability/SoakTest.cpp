// Many races with random seeds, the two timers firing in random orders, every rule of a race
// checked after every tick, and memory that does not grow from race to race.
// TIERCE_SOAK_RACES sets the number of races (200 by default).
#include <QApplication>
#include <QLabel>
#include <cstdlib>
#include <random>

#include "game/Scoring.h"
#include "tests/game/GameFixture.h"
#include "tests/reliability/RaceInvariants.h"
#include "toolkit/Random.h"

namespace {

class Soak : public GameTest {
 protected:
  // Any three different horses for each player, through the grid as a portrait click leaves it.
  void PlaceBets(std::mt19937& dice) {
    for (int row = 0; row < 2; ++row) {
      std::array<int, HorseCount> horses{1, 2, 3, 4, 5, 6, 7, 8, 9};
      std::shuffle(horses.begin(), horses.end(), dice);
      for (int col = 1; col <= 3; ++col) {
        main->StringGrid1->SetCell(col, row, QString::number(horses[col - 1]));
      }
    }
  }

  // One race with the timers interleaved at random; returns false at the first broken rule.
  bool RunRace(std::mt19937& dice, TRaceWatch& watch) {
    main->GoClick();
    watch.Start();
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
    TRaceWatch::CheckFinalOrder();
    return !HasFailure();
  }
};

TEST_F(Soak, ManyRacesKeepEveryRuleAndTheTotalsAndDoNotGrowInMemory) {
  const int races = CountFromEnvironment("TIERCE_SOAK_RACES", 200);
  std::mt19937 dice(20261208);
  main->show();
  Score1 = 0;
  Score2 = 0;
  int expected1 = 0;
  int expected2 = 0;
  long afterFirstRace = 0;
  TRaceWatch watch;
  for (int race = 1; race <= races; ++race) {
    RandSeed = dice();
    PlaceBets(dice);
    const QString bet1 = main->PlayerBet(0);
    const QString bet2 = main->PlayerBet(1);
    ASSERT_TRUE(RunRace(dice, watch)) << "race " << race << " seed " << RandSeed;
    EXPECT_EQ(main->LabelCh1->text(), bet1);
    EXPECT_EQ(main->LabelCh2->text(), bet2);
    expected1 += ScoreBet(bet1, ArrivalOrder);
    expected2 += ScoreBet(bet2, ArrivalOrder);
    ASSERT_EQ(Score1, expected1) << "race " << race;
    ASSERT_EQ(Score2, expected2) << "race " << race;
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
