// The first 18 significant decimal digits of a finite double, cut from its
// exact expansion. Writing a number rounds from these: the 18th digit alone
// decides the rounding to 17, so nothing beyond it is needed.
#pragma once

#include <cstdint>

namespace tessavor {

inline constexpr int kLeadingDigitCount = 18;

struct LeadingDigits {
  // floor(x × 10^(17 - exponent)), which lies in [10^17, 10^18).
  uint64_t digits;
  // floor(log10 x): the decimal exponent of the first digit.
  int exponent;
};

// floor(e × log10 2); exact for -1100 <= e <= 1100 (checked over that
// whole domain by the tests).
constexpr int FloorLog10Pow2(int e) {
  // 1292913986 = floor(log10(2) × 2^32); the product fits in 42 bits.
  return static_cast<int>((int64_t{e} * 1292913986) >> 32);
}

// The leading digits of x = significand × 2^exponent, for a finite non-zero
// double: 1 <= significand < 2^53, exponent from -1074 to 971.
LeadingDigits ExactLeadingDigits(uint64_t significand, int exponent);

}  // namespace tessavor
