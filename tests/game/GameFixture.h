#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <utility>
#include <vector>

#include "game/UGaloppo.h"
#include "toolkit/Sound.h"

// Records the sounds asked for instead of playing them.
class TSoundLog : public TSoundPlayer {
 public:
  bool Play(const QString& name, uint32_t flags) override {
    played.emplace_back(name, flags);
    if (onPlay) onPlay();
    return true;
  }
  std::vector<std::pair<QString, uint32_t>> played;
  std::function<void()> onPlay;
};

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

  TSoundLog sounds;
  std::unique_ptr<TMain> main;
};
