// 64 x 64 -> 128-bit multiplication and 128 / 64-bit division for the fast
// paths of the conversions. The portable versions work on 32-bit halves so
// that the 32-bit Windows build, which has no 128-bit type, gets the same
// results; where the compiler has one, multiplication uses it.
#pragma once

#include <bit>
#include <cassert>
#include <cstdint>

namespace tessavor {

// Number of significant bits of value; 0 for 0.
constexpr int BitWidth(uint64_t value) { return static_cast<int>(std::bit_width(value)); }

struct Uint128 {
  uint64_t high;
  uint64_t low;
};

constexpr Uint128 MultiplyWidePortable(uint64_t a, uint64_t b) {
  constexpr uint64_t kLow32 = 0xFFFFFFFF;
  const uint64_t aLow = a & kLow32, aHigh = a >> 32;
  const uint64_t bLow = b & kLow32, bHigh = b >> 32;
  const uint64_t lowLow = aLow * bLow;
  const uint64_t lowHigh = aLow * bHigh;
  const uint64_t highLow = aHigh * bLow;
  const uint64_t highHigh = aHigh * bHigh;
  // Three 32-bit quantities: the sum fits in 64 bits.
  const uint64_t middle = (lowLow >> 32) + (lowHigh & kLow32) + (highLow & kLow32);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & kLow32)};
}

inline Uint128 MultiplyWide(uint64_t a, uint64_t b) {
#if defined(__SIZEOF_INT128__)
  __extension__ typedef unsigned __int128 NativeUint128;
  const NativeUint128 product = static_cast<NativeUint128>(a) * b;
  return {static_cast<uint64_t>(product >> 64), static_cast<uint64_t>(product)};
#else
  return MultiplyWidePortable(a, b);
#endif
}

struct WideDivision {
  uint64_t quotient;
  uint64_t remainder;
};

// (high·2^64 + low) / divisor; requires high < divisor, so that the quotient
// fits in 64 bits. Long division in base 2^32 with a normalised divisor
// (Knuth's algorithm D for a two-digit divisor): each estimated quotient
// digit is at most two too large and is corrected before it is used.
constexpr WideDivision DivideWide(uint64_t high, uint64_t low, uint64_t divisor) {
  assert(high < divisor);
  constexpr uint64_t kBase = uint64_t{1} << 32;
  const int shift = std::countl_zero(divisor);
  const uint64_t v = divisor << shift;
  const uint64_t vHigh = v >> 32, vLow = v & 0xFFFFFFFF;
  const uint64_t uTop = shift == 0 ? high : (high << shift) | (low >> (64 - shift));
  const uint64_t uRest = low << shift;
  const uint64_t u1 = uRest >> 32, u0 = uRest & 0xFFFFFFFF;

  uint64_t q1 = uTop / vHigh;
  uint64_t rest = uTop - q1 * vHigh;
  while (q1 >= kBase || q1 * vLow > kBase * rest + u1) {
    --q1;
    rest += vHigh;
    if (rest >= kBase) break;
  }
  // The partial remainder is below v, so the wrap-around of these products
  // cancels out.
  const uint64_t partial = uTop * kBase + u1 - q1 * v;
  uint64_t q0 = partial / vHigh;
  rest = partial - q0 * vHigh;
  while (q0 >= kBase || q0 * vLow > kBase * rest + u0) {
    --q0;
    rest += vHigh;
    if (rest >= kBase) break;
  }
  return {q1 * kBase + q0, (partial * kBase + u0 - q0 * v) >> shift};
}

// The reciprocal floor((2^128 - 1) / divisor) - 2^64 of a divisor with bit 63
// set, which turns repeated divisions by it into multiplications.
constexpr uint64_t WideInverse(uint64_t divisor) {
  assert(divisor >> 63 != 0);
  return DivideWide(~divisor, ~uint64_t{0}, divisor).quotient;
}

// The same as DivideWide(high, low, divisor) for a divisor with bit 63 set
// and its WideInverse, without a hardware division: the estimate from the
// reciprocal is at most one too small or too large, and the remainder tells
// which (Möller and Granlund, "Improved division by invariant integers").
inline WideDivision DivideWideByInverse(uint64_t high, uint64_t low, uint64_t divisor,
                                        uint64_t inverse) {
  assert(high < divisor && divisor >> 63 != 0);
  const Uint128 estimate = MultiplyWide(inverse, high);
  const uint64_t estimateLow = estimate.low + low;
  uint64_t quotient = estimate.high + high + (estimateLow < low ? 1 : 0) + 1;
  // Wraps around: only the low 64 bits of the remainder are needed.
  uint64_t remainder = low - quotient * divisor;
  if (remainder > estimateLow) {
    --quotient;
    remainder += divisor;
  }
  if (remainder >= divisor) {
    ++quotient;
    remainder -= divisor;
  }
  return {quotient, remainder};
}

}  // namespace tessavor
