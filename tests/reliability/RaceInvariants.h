#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <cstdlib>
#include <string_view>

#include "game/UGaloppo.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"

// Watches a race tick by tick and fails the test at the first tick that breaks what a race must
// keep: horses never step back, stop at the line, never overlap, and are ranked exactly once.
class TRaceWatch {
 public:
  // Right after GoClick.
  void Start(const TMain& main) {
    for (int h = 1; h <= HorseCount; ++h) lastX_[h - 1] = main.Game.HorseX(h);
    running_ = true;
  }

  bool Running() const { return running_; }

  // After every tick of either timer; returns false (with a failure) at the first broken rule.
  bool AfterTick(const TMain& main) {
    if (!running_) return true;
    const TGame& game = main.Game;
    const QString& order = game.ArrivalOrder();
    int finished = 0;
    for (int h = 1; h <= HorseCount; ++h) {
      EXPECT_GE(game.HorseX(h), lastX_[h - 1]) << "horse " << h << " stepped back";
      lastX_[h - 1] = game.HorseX(h);
      if (game.HorseFinished(h)) {
        ++finished;
        EXPECT_EQ(game.HorseX(h), FinishLine + 10) << "horse " << h;
        EXPECT_EQ(order.count(QChar('0' + h)), 1) << "horse " << h << " in " << order.toStdString();
      } else {
        EXPECT_LT(game.HorseX(h), FinishLine) << "horse " << h;
        EXPECT_EQ(order.count(QChar('0' + h)), 0) << "horse " << h << " in " << order.toStdString();
      }
      for (int other = h + 1; other <= HorseCount; ++other) {
        EXPECT_FALSE(main.HorseRect[h].ToQRect().intersects(main.HorseRect[other].ToQRect()))
            << "horses " << h << " and " << other << " overlap";
      }
    }
    EXPECT_EQ(order.size(), finished);
    EXPECT_EQ(game.NextRank(), finished + 1);
    const bool over = finished == HorseCount;
    EXPECT_EQ(game.Racing(), !over);
    EXPECT_EQ(main.Go->isEnabled(), over);
    EXPECT_EQ(main.TimerAvancer->Active(), !over);
    EXPECT_EQ(main.TimerMouvement->Active(), !over);
    if (over) running_ = false;
    return !::testing::Test::HasFailure();
  }

  // When the race is over: the order is a permutation of the nine horses.
  static void CheckFinalOrder(const TMain& main) {
    const QString& order = main.Game.ArrivalOrder();
    ASSERT_EQ(order.size(), HorseCount) << order.toStdString();
    for (char digit = '1'; digit <= '9'; ++digit) {
      EXPECT_EQ(order.count(QChar(digit)), 1) << order.toStdString();
    }
    EXPECT_EQ(main.Game.NextRank(), 10);
  }

 private:
  std::array<int32_t, HorseCount> lastX_{};
  bool running_ = false;
};

// A count from the environment, so that CI and a long run use the same test.
inline int CountFromEnvironment(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

// Resident memory of this process in kilobytes.
inline long ResidentKilobytes() {
  long pages = 0;
  long resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * 4;
}

// AddressSanitizer keeps freed memory in quarantine, so resident memory grows without a leak;
// under it the memory in use is what its allocator holds for the program.
#if defined(__SANITIZE_ADDRESS__)
#define TIERCE_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TIERCE_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef TIERCE_ADDRESS_SANITIZER
#include <sanitizer/allocator_interface.h>
inline long InUseKilobytes() {
  return long(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
#include <malloc.h>
// Under the emulator of a cross build's tests, the resident size also counts the emulator's own
// translation cache, which grows as the program runs; the C library's count is the program's.
inline long InUseKilobytes() {
  if (std::string_view(TIERCE_EMULATOR).empty()) return ResidentKilobytes();
  const struct mallinfo2 heap = mallinfo2();
  return long((heap.uordblks + heap.hblkhd) / 1024);
}
#endif
