#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>

#include "game/UGaloppo.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "toolkit/ComboBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StringGrid.h"
#include "toolkit/Timer.h"

// Drives the two timers in the order of their periods, as the race set them, until the race ends
// or `advanceTicks` advance ticks have run, calling `afterTick` after each. Returns advance ticks.
inline int RunTicks(TMain& main, int advanceTicks, const std::function<void()>& afterTick = {}) {
  const int advancePeriod = main.TimerAvancer->Interval();
  const int animationPeriod = main.TimerMouvement->Interval();
  int advance = 0;
  int nextAdvance = advancePeriod;
  int nextAnimation = animationPeriod;
  while (main.Game.Racing() && advance < advanceTicks) {
    if (nextAdvance <= nextAnimation) {
      main.TimerAvancerTimer();
      ++advance;
      nextAdvance += advancePeriod;
    } else {
      main.TimerMouvementTimer();
      nextAnimation += animationPeriod;
    }
    if (afterTick) afterTick();
  }
  return advance;
}

// A freshly created game window with its sounds recorded.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSoundPlayer(&sounds);
    main = std::make_unique<TMain>();
  }
  void TearDown() override {
    main.reset();
    SetSoundPlayer(nullptr);
  }

  // Runs the race to its end, or fails at 2,000 advance ticks. Returns the advance ticks.
  int FinishRace(const std::function<void()>& afterTick = {}) {
    const int advance = RunTicks(*main, 2001, afterTick);
    EXPECT_FALSE(main->Game.Racing()) << "the race never ends";
    return advance;
  }

  TRecordingSoundPlayer sounds;
  std::unique_ptr<TMain> main;
};
