#include "game/Scoring.h"

#include <gtest/gtest.h>

TEST(ScoreBet, FollowsTheRulesInOrder) {
  struct Case {
    const char* bet;
    int points;
  };
  const Case cases[] = {
      {"123", 10}, {"132", 5}, {"213", 5}, {"231", 5}, {"312", 5}, {"321", 5},  {"124", 2},
      {"423", 2},  {"143", 2}, {"145", 0}, {"456", 0}, {"21", 2},  {"113", 5},  {"12", 2},
      {"1", 0},    {"", 0},    {"111", 5}, {"987", 0}, {"3", 0},   {"4123", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScoreBet(c.bet, "123456789"), c.points) << "bet " << c.bet;
  }
}

TEST(ScoreBet, UsesOnlyTheFirstThreeArrivals) {
  EXPECT_EQ(ScoreBet("978", "978123456"), 10);
  EXPECT_EQ(ScoreBet("456", "978123456"), 0);
  EXPECT_EQ(ScoreBet("794", "978123456"), 2);
}
