#include "toolkit/Timer.h"

#include "toolkit/EToolkitError.h"
#include "toolkit/RunGuarded.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
  // The default coarse timers may fire up to 5 % early, which a race would show.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (OnTimer) RunGuarded(OnTimer);
  });
}

void TTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  if (milliseconds == 0) {
    timer_.stop();
    return;
  }
  timer_.start(milliseconds);
  if (!timer_.isActive()) {
    interval_ = 0;
    throw EToolkitError("Pas assez de timers disponibles");
  }
}
