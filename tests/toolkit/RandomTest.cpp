#include "toolkit/Random.h"

#include <gtest/gtest.h>

TEST(Random, FollowsTheLinearCongruentialSequence) {
  struct Case {
    uint32_t seed;
    int32_t n;
    uint32_t nextSeed;
    int32_t result;
  };
  // Expected values computed independently from seed * 134775813 + 1 and the high word of n * seed.
  const Case cases[] = {
      {0, 9, 1, 0},
      {1, 9, 134775814, 0},
      {1000, 100, 1631826825u, 37},
      {0xFFFFFFFFu, 9, 4160191484u, 8},
      {12345, 0, 1655067934u, 0},
      {12345, 1, 1655067934u, 0},
      {7, 0x7FFFFFFF, 943430692u, 471715345},
  };
  for (const Case& c : cases) {
    RandSeed = c.seed;
    EXPECT_EQ(Random(c.n), c.result) << "seed " << c.seed << " n " << c.n;
    EXPECT_EQ(RandSeed, c.nextSeed) << "seed " << c.seed;
  }
}

TEST(Random, StaysInRangeAndCoversIt) {
  RandSeed = 42;
  int counts[9] = {};
  for (int i = 0; i < 9000; ++i) {
    const int32_t r = Random(9);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 9);
    ++counts[r];
  }
  for (int count : counts) EXPECT_GT(count, 800);
}

TEST(Random, ClockSeedCountsMillisecondsSinceMidnight) {
  EXPECT_EQ(ClockSeed(0, 0, 0, 0), 0u);
  EXPECT_EQ(ClockSeed(1, 2, 3, 4), uint32_t(((1 * 60 + 2) * 60 + 3) * 1000 + 4));
  EXPECT_EQ(ClockSeed(23, 59, 59, 999), 86399999u);
}
