#pragma once

#include <cstdint>

// Rounds to the nearest integer, halves to the even neighbour (2.5 → 2,
// 3.5 → 4, -2.5 → -2). Not-a-number, infinities and values outside 64 bits
// raise EInvalidOp.
int64_t Round(double value);
// Drops the fraction (towards zero); same failures as Round.
int64_t Trunc(double value);
