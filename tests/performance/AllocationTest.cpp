// The race ticks must not allocate: at 11 and 12.5 ticks a second for a whole race, allocations
// would fragment the heap and cost time on every frame. Every operator new of this program is
// counted while the ticks run. The window is not shown: Qt's own update() of a shown window
// queues its paint request on the heap, which is Qt's cost, not ours; a hidden window's update()
// returns at once, so what is counted is the game's and the toolkit's drawing only.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/game/GameFixture.h"
#include "toolkit/Random.h"

namespace {

std::atomic<bool> Counting{false};
std::atomic<long> Allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  if (Counting) ++Allocations;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
  return operator new(size);
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete[](void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace {

TEST(RaceTicks, AllocateNothingInTheMiddleOfARace) {
  TRecordingSoundPlayer sounds;
  SetSoundPlayer(&sounds);
  {
    TMain main;
    RandSeed = 4242;
    main.GoClick();
    RunTicks(main, 10);
    const int xBefore = main.Game.HorseX(1);
    const QImage before = main.Surface().copy();
    Allocations = 0;
    Counting = true;
    // 40 more advance ticks move a horse 360 px at most: from under 20 px, none reaches 700.
    RunTicks(main, 40);
    Counting = false;
    EXPECT_EQ(Allocations, 0);
    // The ticks did their work: the horses moved and were drawn.
    EXPECT_GT(main.Game.HorseX(1), xBefore);
    EXPECT_NE(main.Surface(), before);
    for (int h = 1; h <= HorseCount; ++h) EXPECT_FALSE(main.Game.HorseFinished(h));
  }
  SetSoundPlayer(nullptr);
}

// The counter itself works: an allocation in the counted span is seen.
TEST(RaceTicks, TheCounterSeesAnAllocation) {
  Allocations = 0;
  Counting = true;
  auto* value = new int(3);
  Counting = false;
  delete value;
  EXPECT_EQ(Allocations, 1);
}

}  // namespace
