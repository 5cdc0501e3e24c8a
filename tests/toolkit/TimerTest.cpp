#include "toolkit/Timer.h"

#include <gtest/gtest.h>

TEST(Timer, NonZeroIntervalStartsAndZeroStops) {
  TTimer timer;
  EXPECT_FALSE(timer.Active());
  timer.SetInterval(90);
  EXPECT_TRUE(timer.Active());
  EXPECT_EQ(timer.Interval(), 90);
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Active());
  EXPECT_EQ(timer.Interval(), 0);
}
