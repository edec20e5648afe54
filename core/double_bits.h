// The bit layout of an IEEE-754 double: sign, 11-bit biased exponent and
// 52-bit fraction, and the patterns of infinity and NaN. This is the only
// place that looks at the bits of a double; the conversions build and take
// apart their doubles through these helpers.
#pragma once

#include <bit>
#include <cstdint>

namespace tessavor {

inline constexpr int kFractionBits = 52;
inline constexpr uint64_t kFractionMask = (uint64_t{1} << kFractionBits) - 1;
inline constexpr uint64_t kHiddenBit = uint64_t{1} << kFractionBits;
inline constexpr uint64_t kSignMask = uint64_t{1} << 63;
inline constexpr int kExponentBias = 1023;
// Biased exponent of the infinities and NaNs.
inline constexpr int kSpecialExponent = 0x7FF;
// A finite double is significand × 2^exponent with significand < 2^53 and
// exponent from -1074 (the subnormals and the lowest binade) to 971.
inline constexpr int kMinExponent = 1 - kExponentBias - kFractionBits;
inline constexpr int kMaxExponent = kSpecialExponent - 1 - kExponentBias - kFractionBits;
inline constexpr uint64_t kQuietNanBit = uint64_t{1} << (kFractionBits - 1);
inline constexpr uint64_t kInfinityBits = uint64_t{kSpecialExponent} << kFractionBits;
// The NaN that the x87 unit produces for 0/0 and infinity × 0: sign set,
// only the top fraction bit set.
inline constexpr uint64_t kDefaultNanBits = kSignMask | kInfinityBits | kQuietNanBit;

constexpr uint64_t DoubleToBits(double value) { return std::bit_cast<uint64_t>(value); }
constexpr double BitsToDouble(uint64_t bits) { return std::bit_cast<double>(bits); }

struct DoubleParts {
  bool negative;
  int biasedExponent;  // 0 for zero and subnormals, kSpecialExponent for Inf/NaN
  uint64_t fraction;   // the 52 stored bits
};

constexpr DoubleParts UnpackDouble(double value) {
  const uint64_t bits = DoubleToBits(value);
  return {(bits & kSignMask) != 0, static_cast<int>((bits >> kFractionBits) & 0x7FF),
          bits & kFractionMask};
}

constexpr double PackDouble(bool negative, int biasedExponent, uint64_t fraction) {
  return BitsToDouble((negative ? kSignMask : 0) |
                      (static_cast<uint64_t>(biasedExponent) << kFractionBits) |
                      (fraction & kFractionMask));
}

// The double significand × 2^exponent, which must be exactly representable:
// either kHiddenBit <= significand < 2^53 with exponent in [kMinExponent,
// kMaxExponent], or significand < kHiddenBit with exponent == kMinExponent.
constexpr double MakeDouble(bool negative, uint64_t significand, int exponent) {
  if (significand < kHiddenBit) return PackDouble(negative, 0, significand);
  return PackDouble(negative, exponent - kMinExponent + 1, significand);
}

constexpr double Infinity(bool negative) { return PackDouble(negative, kSpecialExponent, 0); }
constexpr double Zero(bool negative) { return PackDouble(negative, 0, 0); }

}  // namespace tessavor
