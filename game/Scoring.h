#pragma once

#include <QString>
#include <cstdint>

// The points a bet earns against an arrival order: 10 for the exact order of the first three,
// 5 for the same three in another order, 2 for two of them, else 0. Positions past the end of a
// short bet match nothing.
int32_t ScoreBet(const QString& bet, const QString& arrival);
