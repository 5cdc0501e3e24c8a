#pragma once

#include <cstdint>

// The program's one pseudo-random generator: a 32-bit linear congruential seed shared by every
// part of the program that draws numbers.
extern uint32_t RandSeed;

// An integer in 0..n-1 (0 when n is 0); advances RandSeed once.
int32_t Random(int32_t n);

// The seed for a time of day in UTC: milliseconds since midnight.
uint32_t ClockSeed(int hour, int minute, int second, int millisecond);

// Seeds RandSeed from the current UTC clock.
void Randomize();
