#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>

#include "game/UGaloppo.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Sound.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StringGrid.h"

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

  // Drives the two timers as real time would order them, 80 and 90 ms apart, until the race
  // ends; `afterTick` runs after every tick. Returns the number of advance ticks.
  int FinishRace(const std::function<void()>& afterTick = {}) {
    int advance = 0;
    int nextAdvance = 80;
    int nextAnimation = 90;
    while (!main->Go->isEnabled()) {
      if (nextAdvance <= nextAnimation) {
        main->TimerAvancerTimer();
        ++advance;
        nextAdvance += 80;
      } else {
        main->TimerMouvementTimer();
        nextAnimation += 90;
      }
      if (afterTick) afterTick();
      if (advance > 2000) break;
    }
    return advance;
  }

  TRecordingSoundPlayer sounds;
  std::unique_ptr<TMain> main;
};
