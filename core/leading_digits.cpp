// The exact leading decimal digits of a double: x × 10^j floored to an
// integer of 18 digits. Values near 1 use 64- and 128-bit integers; very
// small and very large ones the big integer.
#include "core/leading_digits.h"

#include <cassert>

#include "core/big_uint.h"
#include "core/powers_of_ten.h"
#include "core/wide_uint.h"

namespace tessavor {

namespace {

// x × 10^j < 2 × 10^18 < 2^61 for the j used below.
constexpr int kQuotientBits = 61;

uint64_t ShiftRight(Uint128 value, int shift) {
  if (shift >= 128) return 0;
  if (shift >= 64) return value.high >> (shift - 64);
  if (shift == 0) return value.low;
  return (value.high << (64 - shift)) | (value.low >> shift);
}

// floor(m × 2^e × 10^j) for e < 0 and j >= 0, known to be below 2^61.
uint64_t ScaleUpFraction(uint64_t m, int e, int j) {
  if (j <= kMaxPowerOfTen64) return ShiftRight(MultiplyWide(m, kPowersOfTen[j]), -e);
  // m × 10^j × 2^e = m × 5^j × 2^(j + e).
  BigUint scaled(m);
  scaled.MultiplyByPowerOfFive(j);
  const int shift = -(j + e);
  const int length = scaled.BitLength();
  bool lowerBits = false;
  const uint64_t leading = scaled.LeadingBits(&lowerBits);
  // The integer part has length - shift bits, at most 61.
  assert(length - shift <= kQuotientBits);
  if (shift <= 0) return leading >> (64 - length) << -shift;
  return leading >> (64 - (length - shift));
}

// floor(m × 2^e / 10^t) for e > 0 and t > 0, known to be below 2^61.
uint64_t ScaleDownInteger(uint64_t m, int e, int t) {
  if (BitWidth(m) + e <= 64 && t <= kMaxPowerOfTen64) return (m << e) / kPowersOfTen[t];
  // m × 2^e / 10^t = m × 2^(e - t) / 5^t; whichever side has the negative
  // power of two takes it as a positive one.
  BigUint dividend(m);
  BigUint divisor(1);
  divisor.MultiplyByPowerOfFive(t);
  if (e >= t) {
    dividend.ShiftLeft(e - t);
  } else {
    divisor.ShiftLeft(t - e);
  }
  // The quotient is below 2^61, so the dividend is below divisor × 2^61.
  divisor.ShiftLeft(kQuotientBits);
  return DivideShifted(dividend, divisor, kQuotientBits);
}

}  // namespace

LeadingDigits ExactLeadingDigits(uint64_t significand, int exponent) {
  assert(significand != 0 && significand >> 53 == 0);
  // 2^(b - 1) <= x < 2^b, so 10^d <= x < 2 × 10^(d + 1) with d below, and
  // the first digit's exponent is d or d + 1.
  const int b = BitWidth(significand) + exponent;
  int decimalExponent = FloorLog10Pow2(b - 1);
  const int j = kLeadingDigitCount - 1 - decimalExponent;
  uint64_t digits = 0;
  if (j >= 0 && exponent >= 0) {
    // x is an integer below 2 × 10^18 here, and so is the product.
    digits = (significand << exponent) * kPowersOfTen[j];
  } else if (j >= 0) {
    digits = ScaleUpFraction(significand, exponent, j);
  } else {
    digits = ScaleDownInteger(significand, exponent, -j);
  }
  if (digits >= kPowersOfTen[kLeadingDigitCount]) {
    // One digit too many: floor(floor(y) / 10) = floor(y / 10).
    digits /= 10;
    ++decimalExponent;
  }
  assert(digits >= kPowersOfTen[kLeadingDigitCount - 1] &&
         digits < kPowersOfTen[kLeadingDigitCount]);
  return {digits, decimalExponent};
}

}  // namespace tessavor
