#include "toolkit/Random.h"

#include <QDateTime>

uint32_t RandSeed = 0;

int32_t Random(int32_t n) {
  RandSeed = RandSeed * 134775813u + 1u;
  const uint64_t product = uint64_t(uint32_t(n)) * uint64_t(RandSeed);
  return int32_t(uint32_t(product >> 32));
}

uint32_t ClockSeed(int hour, int minute, int second, int millisecond) {
  return uint32_t(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

void Randomize() {
  const QTime now = QDateTime::currentDateTimeUtc().time();
  RandSeed = ClockSeed(now.hour(), now.minute(), now.second(), now.msec());
}
