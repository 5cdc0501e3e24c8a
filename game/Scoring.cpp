#include "game/Scoring.h"

#include <optional>

namespace {

// The k-th character, counting from 1; none past the end.
std::optional<QChar> At(const QString& text, int k) {
  if (k < 1 || k > text.size()) return std::nullopt;
  return text[k - 1];
}

bool SameAt(const QString& bet, const QString& arrival, int k) {
  const auto b = At(bet, k);
  return b && b == At(arrival, k);
}

bool AmongTopThree(const QString& bet, int k, const QString& arrival) {
  const auto b = At(bet, k);
  if (!b) return false;
  for (int place = 1; place <= 3; ++place) {
    if (b == At(arrival, place)) return true;
  }
  return false;
}

}  // namespace

int32_t ScoreBet(const QString& bet, const QString& arrival) {
  if (SameAt(bet, arrival, 1) && SameAt(bet, arrival, 2) && SameAt(bet, arrival, 3)) return 10;
  const auto among = [&](int k) { return AmongTopThree(bet, k, arrival); };
  if (among(1) && among(2) && among(3)) return 5;
  if ((among(1) && among(2)) || (among(2) && among(3)) || (among(1) && among(3))) return 2;
  return 0;
}
