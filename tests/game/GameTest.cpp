// The game's rules, played without a window.
#include "game/Game.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/Scoring.h"
#include "toolkit/Random.h"

namespace {

// How many times `game` has sent `signal` since this was made.
template <class Signal>
class TSignalCount {
 public:
  TSignalCount(TGame& game, Signal signal) {
    QObject::connect(&game, signal, [this] { ++count_; });
  }
  int count() const { return count_; }
  void clear() { count_ = 0; }

 private:
  int count_ = 0;
};

// Runs the advance ticks of a started race until it ends or fails at 2,000; returns the ticks.
int FinishRace(TGame& game) {
  int ticks = 0;
  while (game.Racing() && ticks < 2000) {
    game.AdvanceTick();
    ++ticks;
  }
  EXPECT_FALSE(game.Racing()) << "the race never ends";
  return ticks;
}

// The steps the next advance tick will draw, horse 1 first, leaving the generator as it was.
std::vector<int32_t> NextSteps() {
  const uint32_t seed = RandSeed;
  std::vector<int32_t> steps;
  for (int h = 1; h <= HorseCount; ++h) steps.push_back(Random(9) + 1);
  RandSeed = seed;
  return steps;
}

}  // namespace

TEST(Game, SeededRacesAreTheRacesTheyAlwaysWere) {
  struct Case {
    uint32_t seed;
    const char* arrival;
    int ticks;
    uint64_t positions;  // every horse's place after every tick, folded (FNV-1a)
  };
  const Case cases[] = {
      {20261208, "285793614", 166, 16154560570152867455ull},
      {1, "982354176", 171, 10430947291736350269ull},
      {28, "819547326", 165, 15177974748240848183ull},
  };
  for (const Case& c : cases) {
    TGame game(true);
    TSignalCount ended(game, &TGame::RaceEnded);
    RandSeed = c.seed;
    game.StartRace();
    uint64_t positions = 1469598103934665603ull;
    int ticks = 0;
    while (game.Racing() && ticks < 2000) {
      game.AdvanceTick();
      ++ticks;
      for (int h = 1; h <= HorseCount; ++h) {
        positions = (positions ^ uint32_t(game.HorseX(h))) * 1099511628211ull;
      }
    }
    EXPECT_EQ(game.ArrivalOrder(), c.arrival) << c.seed;
    EXPECT_EQ(ticks, c.ticks) << c.seed;
    EXPECT_EQ(positions, c.positions) << c.seed;
    EXPECT_EQ(ended.count(), 1) << c.seed;
    EXPECT_EQ(game.NextRank(), 10) << c.seed;
    for (int h = 1; h <= HorseCount; ++h) EXPECT_EQ(game.HorseX(h), FinishLine + 10) << c.seed;
  }
}

// Over many seeded races: a horse has arrived when its step takes it to the line or past it,
// exactly then, and the arrivals of one tick are ranked by horse number whatever their distances.
TEST(Game, HorsesAreRankedAtTheLineByTickThenByNumber) {
  bool landedOnTheLine = false;
  bool stoppedOnePixelShort = false;
  bool severalInOneTick = false;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    TGame game(true);
    std::vector<std::pair<int, int32_t>> arrived;
    QObject::connect(&game, &TGame::HorseArrived,
                     [&](int horse, int32_t rank) { arrived.emplace_back(horse, rank); });
    RandSeed = seed;
    game.StartRace();
    int tick = 0;
    while (game.Racing()) {
      const std::vector<int32_t> steps = NextSteps();
      std::vector<int32_t> before;
      for (int h = 1; h <= HorseCount; ++h) before.push_back(game.HorseX(h));
      const QString order = game.ArrivalOrder();
      arrived.clear();
      game.AdvanceTick();
      ++tick;
      QString expected = order;
      for (int h = 1; h <= HorseCount; ++h) {
        const int32_t reached = before[h - 1] + steps[h - 1];
        landedOnTheLine |= reached == FinishLine;
        stoppedOnePixelShort |= reached == FinishLine - 1;
        if (reached >= FinishLine && !order.contains(QChar('0' + h))) expected += QChar('0' + h);
        ASSERT_EQ(game.HorseX(h), reached >= FinishLine ? FinishLine + 10 : reached);
        ASSERT_EQ(game.HorseFinished(h), expected.contains(QChar('0' + h)));
      }
      ASSERT_EQ(game.ArrivalOrder(), expected) << "seed " << seed << " tick " << tick;
      ASSERT_EQ(game.NextRank(), expected.size() + 1);
      severalInOneTick |= arrived.size() > 1;
      for (size_t i = 0; i < arrived.size(); ++i) {
        EXPECT_EQ(arrived[i], std::make_pair(expected[order.size() + i].digitValue(),
                                             int32_t(order.size() + i + 1)));
      }
      // 773 pixels at most 9 a tick: no arrival before the 86th tick, all by the 773rd.
      if (tick < 86) {
        ASSERT_EQ(game.ArrivalOrder(), "");
      }
      ASSERT_LE(tick, 773);
    }
  }
  EXPECT_TRUE(landedOnTheLine);
  EXPECT_TRUE(stoppedOnePixelShort);
  EXPECT_TRUE(severalInOneTick);
}

TEST(Game, ScoresAddUpRaceAfterRaceUntilANewGame) {
  TGame game(true);
  game.NewGame();
  ASSERT_TRUE(game.SetBet(1, {"2", "8", "5"}));
  RandSeed = 20261208;  // arrives 2, 8, 5: exact order for player 1, nothing for player 2
  game.StartRace();
  FinishRace(game);
  ASSERT_EQ(game.ArrivalOrder().left(3), "285");
  EXPECT_EQ(game.Score1(), 10);
  EXPECT_EQ(game.Score2(), 0);

  ASSERT_TRUE(game.SetBet(2, {"8", "9", "1"}));
  RandSeed = 28;  // arrives 8, 1, 9: one horse for player 1, the same three for player 2
  game.StartRace();
  EXPECT_EQ(game.Score1(), 10) << "a start keeps the scores";
  FinishRace(game);
  EXPECT_EQ(game.Score1(), 10 + ScoreBet("285", game.ArrivalOrder()));
  EXPECT_EQ(game.Score2(), ScoreBet("891", game.ArrivalOrder()));
  EXPECT_EQ(game.Score1(), 10);
  EXPECT_EQ(game.Score2(), 5);

  // A late tick once the race is over moves nothing and scores nothing again.
  const uint32_t seed = RandSeed;
  game.AdvanceTick();
  EXPECT_EQ(game.Score2(), 5);
  EXPECT_EQ(RandSeed, seed);

  TSignalCount scores(game, &TGame::ScoresChanged);
  game.NewGame();
  EXPECT_EQ(game.Score1(), 0);
  EXPECT_EQ(game.Score2(), 0);
  EXPECT_EQ(scores.count(), 1);
  EXPECT_EQ(game.PlayerBet(1), "123");
  EXPECT_EQ(game.PlayerBet(2), "456");
}

TEST(Game, ABetNeedsThreeDifferentChoices) {
  struct Case {
    TBet choices;
    bool taken;
    const char* bet;
  };
  const Case cases[] = {
      {{"", "", ""}, false, "123"},  // nothing chosen yet: three empty texts are equal
      {{"7", "7", "2"}, false, "123"},
      {{"7", "2", "7"}, false, "123"},
      {{"2", "7", "7"}, false, "123"},
      {{"9", "8", "7"}, true, "987"},
      {{"5", "", "7"}, true, "57"},  // one place left empty: a two-horse bet
      {{"5", "", ""}, false, "57"},
      {{"4", "5", "6"}, true, "456"},  // the other player's horses too
  };
  TGame game(true);
  game.NewGame();
  TSignalCount changed(game, &TGame::BetChanged);
  for (const Case& c : cases) {
    changed.clear();
    EXPECT_EQ(game.SetBet(1, c.choices), c.taken) << c.bet;
    EXPECT_EQ(game.PlayerBet(1), c.bet);
    EXPECT_EQ(changed.count(), c.taken ? 1 : 0) << c.bet;
    EXPECT_EQ(game.PlayerBet(2), "456");
  }
  EXPECT_EQ(game.Bet(1), (TBet{"4", "5", "6"}));
  EXPECT_EQ(game.ValidatedBet(1), "123") << "a bet is only shown once validated";
}

TEST(Game, BettingOpensAndClosesWithTheCommandsAndTheRace) {
  TGame game(false);
  EXPECT_FALSE(game.SoundsOn());
  TSignalCount sounds(game, &TGame::SoundSwitchChanged);
  game.FlipSoundSwitch();
  EXPECT_TRUE(game.SoundsOn());
  EXPECT_EQ(sounds.count(), 1);

  game.NewGame();
  EXPECT_TRUE(game.BetsOpen());
  ASSERT_TRUE(game.SetBet(2, {"1", "3", "5"}));
  game.ValidateBets();
  EXPECT_FALSE(game.BetsOpen());
  EXPECT_EQ(game.ValidatedBet(1), "123");
  EXPECT_EQ(game.ValidatedBet(2), "135");

  game.ChangeBets();
  EXPECT_TRUE(game.BetsOpen());
  ASSERT_TRUE(game.SetBet(1, {"9", "8", "7"}));
  TSignalCount racing(game, &TGame::RacingChanged);
  game.StartRace();
  EXPECT_FALSE(game.BetsOpen());
  EXPECT_EQ(game.ValidatedBet(1), "987") << "the start validates the bets as they stand";
  EXPECT_TRUE(game.Racing());
  // The race is run with the bets it started with.
  EXPECT_FALSE(game.SetBet(1, {"1", "2", "3"}));
  game.ChangeBets();
  game.NewGame();
  EXPECT_FALSE(game.BetsOpen());
  EXPECT_EQ(game.PlayerBet(1), "987");
  EXPECT_EQ(game.NextRank(), 1);
  EXPECT_EQ(game.AnimFrame(), 1);
  for (int h = 1; h <= HorseCount; ++h) {
    EXPECT_EQ(game.HorseX(h), -SpriteWidth);
    EXPECT_EQ(game.HorseY(h), FirstLaneTop + (h - 1) * SpriteHeight);
    EXPECT_FALSE(game.HorseFinished(h));
  }
  // The gallop runs 2, 3, ..., 8, 1, 2 from a start.
  for (int expected : {2, 3, 4, 5, 6, 7, 8, 1, 2}) {
    game.NextAnimFrame();
    EXPECT_EQ(game.AnimFrame(), expected);
  }
  FinishRace(game);
  EXPECT_EQ(racing.count(), 2);
}
