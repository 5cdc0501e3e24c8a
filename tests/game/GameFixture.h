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

  // Chooses horses k1, k2 and k3 in the three drop-downs, as a player does.
  void Choose(int k1, int k2, int k3) {
    const int picks[] = {k1, k2, k3};
    TComboBox* boxes[] = {main->Choix1, main->Choix2, main->Choix3};
    for (int i = 0; i < 3; ++i) boxes[i]->setCurrentIndex(picks[i] - 1);
  }
  // Chooses three horses and presses the portrait of grid row `row`.
  void PlaceBet(int row, int k1, int k2, int k3) {
    Choose(k1, k2, k3);
    main->PressGridCell(0, row);
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
