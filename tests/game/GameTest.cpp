// The game's rules, played without a window.
#include "game/Game.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "toolkit/Random.h"

namespace {

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

// Over many seeded races: a horse has arrived when its step takes it to the line or past it,
// exactly then, and the arrivals of one tick are ranked by horse number whatever their distances.
// Three of the races are the races they always were, step for step.
TEST(Game, HorsesAreRankedAtTheLineByTickThenByNumber) {
  struct Known {
    const char* arrival;
    int ticks;
    uint64_t positions;  // every horse's place after every tick, folded (FNV-1a)
  };
  const std::map<uint32_t, Known> known = {
      {1, {"982354176", 171, 10430947291736350269ull}},
      {28, {"819547326", 165, 15177974748240848183ull}},
      {20261208, {"285793614", 166, 16154560570152867455ull}},
  };
  bool landedOnTheLine = false;
  bool stoppedOnePixelShort = false;
  bool severalInOneTick = false;
  std::vector<uint32_t> seeds{20261208};
  for (uint32_t seed = 1; seed <= 40; ++seed) seeds.push_back(seed);
  for (uint32_t seed : seeds) {
    SCOPED_TRACE(seed);
    TGame game(true);
    std::vector<std::pair<int, int32_t>> arrived;
    int ended = 0;
    QObject::connect(&game, &TGame::HorseArrived,
                     [&](int horse, int32_t rank) { arrived.emplace_back(horse, rank); });
    QObject::connect(&game, &TGame::RaceEnded, [&] { ++ended; });
    RandSeed = seed;
    game.StartRace();
    uint64_t positions = 1469598103934665603ull;
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
        positions = (positions ^ uint32_t(game.HorseX(h))) * 1099511628211ull;
      }
      ASSERT_EQ(game.ArrivalOrder(), expected) << "tick " << tick;
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
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(game.NextRank(), 10);
    if (const auto race = known.find(seed); race != known.end()) {
      EXPECT_EQ(game.ArrivalOrder(), race->second.arrival);
      EXPECT_EQ(tick, race->second.ticks);
      EXPECT_EQ(positions, race->second.positions);
    }
  }
  EXPECT_TRUE(landedOnTheLine);
  EXPECT_TRUE(stoppedOnePixelShort);
  EXPECT_TRUE(severalInOneTick);
}

// A bet needs three different choices; the betting opens, closes and opens again; a race starts
// with the bets as they stand, is run with them whatever is asked meanwhile, a start included,
// and scores them; its end gives each player's points, which the totals add up until a new game.
TEST(Game, ARoundOfBetsRacesAndScoresFollowsTheCommands) {
  TGame game(false);
  int betChanges = 0;
  int racingChanges = 0;
  int scoreChanges = 0;
  int switchChanges = 0;
  QObject::connect(&game, &TGame::BetChanged, [&] { ++betChanges; });
  QObject::connect(&game, &TGame::RacingChanged, [&] { ++racingChanges; });
  QObject::connect(&game, &TGame::ScoresChanged, [&] { ++scoreChanges; });
  QObject::connect(&game, &TGame::SoundSwitchChanged, [&] { ++switchChanges; });
  // Each race's points and the totals, as its end is told.
  std::vector<std::array<int32_t, 4>> ends;
  QObject::connect(&game, &TGame::RaceEnded, [&] {
    ends.push_back({game.RacePoints(1), game.RacePoints(2), game.Score1(), game.Score2()});
  });
  game.FlipSoundSwitch();
  EXPECT_TRUE(game.SoundsOn());
  EXPECT_EQ(switchChanges, 1);

  game.NewGame();
  EXPECT_TRUE(game.BetsOpen());
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
  for (const Case& c : cases) {
    betChanges = 0;
    EXPECT_EQ(game.SetBet(1, c.choices), c.taken) << c.bet;
    EXPECT_EQ(game.PlayerBet(1), c.bet);
    EXPECT_EQ(betChanges, c.taken ? 1 : 0) << c.bet;
    EXPECT_EQ(game.PlayerBet(2), "456");
  }
  EXPECT_EQ(game.Bet(1), (TBet{"4", "5", "6"}));
  EXPECT_EQ(game.ValidatedBet(1), "123") << "a bet is only shown once validated";
  ASSERT_TRUE(game.SetBet(2, {"8", "9", "1"}));
  game.ValidateBets();
  EXPECT_FALSE(game.BetsOpen());
  EXPECT_EQ(game.ValidatedBet(1), "456");
  EXPECT_EQ(game.ValidatedBet(2), "891");
  game.ChangeBets();
  EXPECT_TRUE(game.BetsOpen());
  ASSERT_TRUE(game.SetBet(1, {"2", "8", "5"}));

  RandSeed = 20261208;  // arrives 2, 8, 5: the exact order for player 1, one horse for player 2
  EXPECT_TRUE(game.StartRace());
  EXPECT_FALSE(game.BetsOpen());
  EXPECT_EQ(game.ValidatedBet(1), "285") << "the start validates the bets as they stand";
  EXPECT_TRUE(game.Racing());
  EXPECT_EQ(game.NextRank(), 1);
  for (int h = 1; h <= HorseCount; ++h) {
    EXPECT_EQ(game.HorseX(h), -SpriteWidth);
    EXPECT_EQ(game.HorseY(h), FirstLaneTop + (h - 1) * SpriteHeight);
    EXPECT_FALSE(game.HorseFinished(h));
  }
  EXPECT_FALSE(game.SetBet(1, {"1", "2", "3"}));
  game.ChangeBets();
  game.NewGame();
  EXPECT_FALSE(game.BetsOpen());
  EXPECT_EQ(game.PlayerBet(1), "285");
  // The gallop runs 2, 3, ..., 8, 1, 2 from a start.
  EXPECT_EQ(game.AnimFrame(), 1);
  for (int expected : {2, 3, 4, 5, 6, 7, 8, 1, 2}) {
    game.NextAnimFrame();
    EXPECT_EQ(game.AnimFrame(), expected);
  }
  // A start meanwhile is refused: the horses run on from where they are, in the same gallop.
  game.AdvanceTick();
  const int32_t x = game.HorseX(1);
  EXPECT_FALSE(game.StartRace());
  EXPECT_EQ(game.HorseX(1), x);
  EXPECT_EQ(game.AnimFrame(), 2);
  FinishRace(game);
  EXPECT_EQ(game.Score1(), 10);
  EXPECT_EQ(game.Score2(), 0);

  RandSeed = 28;  // arrives 8, 1, 9: one horse for player 1, the same three for player 2
  EXPECT_TRUE(game.StartRace());
  EXPECT_EQ(game.Score1(), 10) << "a start keeps the scores";
  FinishRace(game);
  EXPECT_EQ(game.Score1(), 10);
  EXPECT_EQ(game.Score2(), 5);
  EXPECT_EQ(racingChanges, 4);
  // A late tick once the race is over moves nothing and scores nothing again.
  const uint32_t seed = RandSeed;
  game.AdvanceTick();
  EXPECT_EQ(game.Score2(), 5);
  EXPECT_EQ(RandSeed, seed);
  EXPECT_EQ(ends, (std::vector<std::array<int32_t, 4>>{{10, 0, 10, 0}, {0, 5, 10, 5}}));

  scoreChanges = 0;
  game.NewGame();
  EXPECT_EQ(game.Score1(), 0);
  EXPECT_EQ(game.Score2(), 0);
  EXPECT_EQ(game.RacePoints(1) + game.RacePoints(2), 0);
  EXPECT_EQ(scoreChanges, 1);
  EXPECT_EQ(game.PlayerBet(1), "123");
  EXPECT_EQ(game.PlayerBet(2), "456");
}
