// Runs real races on the real event loop and records when the advance and animation handlers
// fire, to see how closely the 80 and 90 ms periods are kept. Prints one "name value" per line.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "game/UGaloppo.h"
#include "toolkit/Application.h"
#include "toolkit/Sound.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"

namespace {

class TSilence : public TSoundPlayer {
 public:
  bool Play(const QString&, uint32_t) override { return true; }
};

void Report(const char* name, const std::vector<std::vector<double>>& races, double period) {
  std::vector<double> periods;
  for (const auto& stamps : races)
    for (size_t i = 1; i < stamps.size(); ++i) periods.push_back(stamps[i] - stamps[i - 1]);
  if (periods.empty()) return;
  double sum = 0;
  for (double p : periods) sum += p;
  const double mean = sum / double(periods.size());
  double squares = 0;
  size_t within = 0;
  for (double p : periods) {
    squares += (p - mean) * (p - mean);
    if (std::abs(p - period) <= 5) ++within;
  }
  std::printf("%s.count %zu\n", name, periods.size());
  std::printf("%s.mean_ms %.3f\n", name, mean);
  std::printf("%s.stdev_ms %.3f\n", name, std::sqrt(squares / double(periods.size())));
  std::printf("%s.min_ms %.3f\n", name, *std::min_element(periods.begin(), periods.end()));
  std::printf("%s.max_ms %.3f\n", name, *std::max_element(periods.begin(), periods.end()));
  std::printf("%s.within5_pct %.1f\n", name, 100.0 * double(within) / double(periods.size()));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  TApplication application(argc, argv);
  application.Initialize();
  TSilence silence;
  SetSoundPlayer(&silence);
  const int raceCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  std::vector<std::vector<double>> advance(static_cast<size_t>(raceCount));
  std::vector<std::vector<double>> animation(static_cast<size_t>(raceCount));
  {
    TMain main;
    main.show();
    QElapsedTimer clock;
    clock.start();
    int race = 0;
    std::vector<double>* advanceStamps = &advance[0];
    std::vector<double>* animationStamps = &animation[0];
    std::function<void()> advanceHandler = main.TimerAvancer->OnTimer;
    std::function<void()> animationHandler = main.TimerMouvement->OnTimer;
    main.TimerAvancer->OnTimer = [&] {
      advanceStamps->push_back(double(clock.nsecsElapsed()) / 1e6);
      advanceHandler();
    };
    main.TimerMouvement->OnTimer = [&] {
      animationStamps->push_back(double(clock.nsecsElapsed()) / 1e6);
      animationHandler();
    };
    // Starts a race, and the next one half a second after each ends.
    QTimer watch;
    watch.setInterval(50);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!main.Go->isEnabled()) return;
      if (race == raceCount) {
        qt.quit();
        return;
      }
      advanceStamps = &advance[size_t(race)];
      animationStamps = &animation[size_t(race)];
      ++race;
      QTimer::singleShot(500, &main, [&main] { main.GoClick(); });
      watch.stop();
      QTimer::singleShot(600, &watch, qOverload<>(&QTimer::start));
    });
    QTimer::singleShot(1000, &watch, qOverload<>(&QTimer::start));
    qt.exec();
  }
  Report("advance", advance, 80);
  Report("animation", animation, 90);
  SetSoundPlayer(nullptr);
  return 0;
}
