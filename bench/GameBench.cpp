// Start-up to the first painted frame, and the two race ticks, each beside its floor: an empty
// Qt window's first frame, and a memcpy of the bytes a tick moves.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "app/USplash.h"
#include "game/UGaloppo.h"
#include "toolkit/Application.h"
#include "toolkit/Density.h"
#include "toolkit/Image.h"
#include "toolkit/Random.h"
#include "toolkit/Sound.h"

namespace {

class Silence : public TSoundPlayer {
 public:
  bool Play(const QString&, uint32_t) override { return true; }
};

// Watches a window for its first paint.
class FirstPaint : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

void ShowAndWaitForFirstFrame(QWidget& window) {
  FirstPaint watcher;
  window.installEventFilter(&watcher);
  window.show();
  while (!watcher.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  window.removeEventFilter(&watcher);
}

void EmptyWindowFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    QWidget window;
    window.resize(800, 600);
    ShowAndWaitForFirstFrame(window);
  }
}
BENCHMARK(EmptyWindowFirstFrame)->Unit(benchmark::kMillisecond);

// The entry's steps with the splash click simulated: splash, click, main window, first frame.
void GameFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    auto splash = std::make_unique<TSplash>();
    ShowAndWaitForFirstFrame(*splash);
    const QPoint at(100, 100);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(splash->Image1, &press);
    QCoreApplication::sendEvent(splash->Image1, &release);
    auto main = std::make_unique<TMain>();
    ShowAndWaitForFirstFrame(*main);
  }
}
BENCHMARK(GameFirstFrame)->Unit(benchmark::kMillisecond);

// A race in full swing: every horse mid-track and unfinished, brought there untimed by the seeded
// race's own advance ticks.
constexpr int32_t MidTrack = 300;
constexpr uint32_t Seed = 20261209;

int32_t LastHorseX(const TGame& game) {
  int32_t x = game.HorseX(1);
  for (int h = 2; h <= HorseCount; ++h) x = std::min(x, game.HorseX(h));
  return x;
}

// An advance tick moves a horse 9 px at most: short of this, no horse can arrive at the next.
bool ClearOfTheLine(const TGame& game) {
  for (int h = 1; h <= HorseCount; ++h) {
    if (game.HorseX(h) >= FinishLine - 9) return false;
  }
  return true;
}

void StartMidTrack(TGame& game) {
  game.StartRace();
  while (LastHorseX(game) < MidTrack) game.AdvanceTick();
}

// The animation tick does not move the horses: they stay where the setup left them.
void AnimationTick(benchmark::State& state) {
  TMain main;
  RandSeed = Seed;
  main.GoClick();
  while (LastHorseX(main.Game) < MidTrack) main.TimerAvancerTimer();
  for (auto _ : state) main.TimerMouvementTimer();
}
BENCHMARK(AnimationTick);

// The advance tick does move them, and a race is mid-track for some 40 ticks only: many games
// race side by side and are all restarted, untimed, once each has neared the line, so that pausing
// the clock is rare next to a tick. The window's handler is this command and nothing more while
// no horse arrives.
void AdvanceTick(benchmark::State& state) {
  constexpr int Games = 256;
  std::vector<std::unique_ptr<TGame>> games(Games);
  const auto startAll = [&] {
    RandSeed = Seed;
    for (auto& game : games) {
      game = std::make_unique<TGame>(false);
      StartMidTrack(*game);
    }
  };
  startAll();
  size_t current = 0;
  for (auto _ : state) {
    while (!ClearOfTheLine(*games[current])) {
      if (++current < games.size()) continue;
      state.PauseTiming();
      startAll();
      current = 0;
      state.ResumeTiming();
    }
    games[current]->AdvanceTick();
  }
}
BENCHMARK(AdvanceTick);

// What an animation tick moves: per horse a frame restored, a frame drawn and a strip copied
// to the window, about three 82x60 rectangles, in device pixels (QT_SCALE_FACTOR=2 runs the
// ticks at ratio 2, four times the bytes).
void MemcpyOfAnAnimationTick(benchmark::State& state) {
  const int r = PictureRatio();
  std::vector<uint32_t> from(size_t(800 * r) * size_t(600 * r)), into(from.size());
  for (auto _ : state) {
    for (int h = 0; h < 9; ++h)
      for (int copy = 0; copy < 3; ++copy)
        for (int y = 0; y < 60 * r; ++y) {
          const size_t at = size_t((50 + 60 * h) * r + y) * size_t(800 * r) + size_t(300 * r);
          std::memcpy(&into[at], &from[at], size_t(82 * r) * 4);
        }
    benchmark::DoNotOptimize(into.data());
  }
}
BENCHMARK(MemcpyOfAnAnimationTick);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication qt(argc, argv);
  TApplication application(argc, argv);
  application.Initialize();
  Silence silence;
  SetSoundPlayer(&silence);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  SetSoundPlayer(nullptr);
  return 0;
}
