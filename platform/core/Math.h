#pragma once

#include <cstdint>

// Rounds to the nearest integer, halves to the even neighbour (2.5 → 2,
// 3.5 → 4, -2.5 → -2). Not-a-number, infinities and values outside 64 bits
// raise EInvalidOp.
int64_t Round(double value);
// Drops the fraction (towards zero); same failures as Round.
int64_t Trunc(double value);
// number * numerator / denominator, rounded half away from zero; -1 when
// denominator is 0 or the quotient does not fit, as the platform's MulDiv.
int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator);
