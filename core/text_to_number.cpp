// Reading a field text as a double. The scan gives N × 10^E; that value is
// rounded to a double exactly, by rules with an odd treatment of ties. Everyday
// texts take a path with 64- and 128-bit integers, the rest the big integer.
// No floating-point arithmetic is done, so the FPU's precision and rounding
// settings cannot change a result.
#include <array>
#include <bit>
#include <cassert>

#include "core/big_uint.h"
#include "core/double_bits.h"
#include "core/fold_scan.h"
#include "core/numeric_text.h"
#include "core/powers_of_ten.h"
#include "core/wide_uint.h"

namespace tessavor {

namespace {

// N >= 1, so for E > 308 the value is at least 10^309 > 2^1024: infinity.
// This covers every E above kExponentLimit, which is infinity by rule.
constexpr int64_t kLargestRoundedExponent = 308;
// N < 10^24, so for E < -349 the value is below 10^-326, less than three
// quarters of the smallest subnormal 2^-1074 (about 4.9e-324): zero, as
// is every E below -kExponentLimit by rule.
constexpr int64_t kSmallestRoundedExponent = -349;
// The fast path: N of at most 19 digits fits in 64 bits, and so does 10^|E|
// for |E| <= 19; N × 10^E then fits in 128 bits.
constexpr int kFastPathDigits = 19;
constexpr int kFastPathExponent = kMaxPowerOfTen64;

// The rounding rules, as predicates on the bits below the last kept one.
// Normal range: round up only when the first dropped bit is set and so is
// some dropped bit from the third on; a value exactly halfway, or exactly
// three quarters of the way, to the next double goes toward zero.
constexpr bool NormalRoundsUp(bool firstDroppedBit, bool laterDroppedBits) {
  return firstDroppedBit && laterDroppedBits;
}
// Subnormal range: round up only when more than three quarters of the way
// to the next multiple of 2^-1074.
constexpr bool SubnormalRoundsUp(bool halfBit, bool quarterBit, bool lowerBits) {
  return halfBit && quarterBit && lowerBits;
}

// A positive value V = (leading + f) × 2^exponent with bit 63 of leading
// set and 0 <= f < 1, where lowerBits tells whether f > 0.
struct BinaryValue {
  uint64_t leading;
  int exponent;
  bool lowerBits;
};

// V rounded to a double by the rules above, with the sign applied. Only
// the OR of the bits from the third dropped one on matters, so f may be
// folded into the lowest bit of leading.
double RoundToDouble(BinaryValue v, bool negative) {
  constexpr int kDroppedBits = 64 - 53;
  constexpr uint64_t kLaterBitsMask = (uint64_t{1} << (kDroppedBits - 2)) - 1;
  const int topBit = v.exponent + 63;  // 2^topBit <= V < 2^(topBit + 1)
  if (topBit >= 1024) return Infinity(negative);
  if (topBit >= -1022) {
    uint64_t significand = v.leading >> kDroppedBits;
    const bool first = ((v.leading >> (kDroppedBits - 1)) & 1) != 0;
    const bool later = (v.leading & kLaterBitsMask) != 0 || v.lowerBits;
    int exponent = v.exponent + kDroppedBits;
    if (NormalRoundsUp(first, later)) {
      ++significand;
      if (significand == uint64_t{1} << 53) {
        significand >>= 1;
        ++exponent;
      }
    }
    if (exponent > kMaxExponent) return Infinity(negative);
    return MakeDouble(negative, significand, exponent);
  }
  // Below 2^-1022: count units of 2^-1074. The unit is at bit `shift` of
  // leading, and shift >= 12 here, so the half and quarter bits exist.
  const int shift = kMinExponent - v.exponent;
  if (shift > 64) return Zero(negative);  // V < 2^-1075
  const uint64_t units = shift == 64 ? 0 : v.leading >> shift;
  const bool half = ((v.leading >> (shift - 1)) & 1) != 0;
  const bool quarter = ((v.leading >> (shift - 2)) & 1) != 0;
  const bool lower = (v.leading & ((uint64_t{1} << (shift - 2)) - 1)) != 0 || v.lowerBits;
  // A carry out of the largest subnormal gives 2^-1022, which MakeDouble
  // packs as the smallest normal double.
  return MakeDouble(negative, units + (SubnormalRoundsUp(half, quarter, lower) ? 1 : 0),
                    kMinExponent);
}

BinaryValue Normalise(Uint128 value, int exponent) {
  if (value.high == 0) {
    const int zeros = std::countl_zero(value.low);
    return {value.low << zeros, exponent - zeros, false};
  }
  const int zeros = std::countl_zero(value.high);
  if (zeros == 0) return {value.high, exponent + 64, value.low != 0};
  return {(value.high << zeros) | (value.low >> (64 - zeros)), exponent + 64 - zeros,
          (value.low << zeros) != 0};
}

// A quotient q with 2^62 <= q < 2^64 made into a BinaryValue: a missing
// 64th bit goes below the third dropped bit, where only its OR with the
// remainder counts.
BinaryValue FromQuotient(uint64_t quotient, int exponent, bool remainder) {
  if (quotient >> 63 != 0) return {quotient, exponent, remainder};
  return {(quotient << 1) | (remainder ? 1 : 0), exponent - 1, remainder};
}

// 10^k aligned to bit 63, with its reciprocal, for the divisions of the
// fast path.
struct AlignedPower {
  uint64_t divisor;
  uint64_t inverse;
  int bits;  // of 10^k
};

constexpr std::array<AlignedPower, kFastPathExponent + 1> kAlignedPowers = [] {
  std::array<AlignedPower, kFastPathExponent + 1> powers{};
  for (int k = 0; k <= kFastPathExponent; ++k) {
    const int bits = BitWidth(kPowersOfTen[k]);
    const uint64_t divisor = kPowersOfTen[k] << (64 - bits);
    powers[static_cast<size_t>(k)] = {divisor, WideInverse(divisor), bits};
  }
  return powers;
}();

// N × 10^E with N < 10^19 and |E| <= 19.
BinaryValue ExactFast(uint64_t n, int e) {
  if (e >= 0) return Normalise(MultiplyWide(n, kPowersOfTen[e]), 0);
  // N / 10^k: both aligned to bit 63, then a 128 / 64-bit division whose
  // quotient lies in [2^63, 2^64).
  const AlignedPower& power = kAlignedPowers[static_cast<size_t>(-e)];
  const int nBits = BitWidth(n);
  const uint64_t alignedN = n << (64 - nBits);
  const int exponent = nBits - power.bits - 64;
  if (alignedN < power.divisor) {
    const WideDivision d = DivideWideByInverse(alignedN, 0, power.divisor, power.inverse);
    return {d.quotient, exponent, d.remainder != 0};
  }
  const WideDivision d =
      DivideWideByInverse(alignedN >> 1, alignedN << 63, power.divisor, power.inverse);
  return {d.quotient, exponent + 1, d.remainder != 0};
}

// N × 10^E exactly, for any N < 10^24 and E in the rounded range.
BinaryValue ExactSlow(const DecimalNumber& number, int e) {
  BigUint n;
  for (int i = 0; i < number.digitCount; ++i) n.MultiplyAdd(10, number.digits[i]);
  if (e >= 0) {
    n.MultiplyByPowerOfTen(e);
    bool lower = false;
    const uint64_t leading = n.LeadingBits(&lower);
    return {leading, n.BitLength() - 64, lower};
  }
  // N / 10^k = N / (5^k × 2^k). The smaller of N and 5^k is shifted so that
  // N < 5^k < 4N; the quotient of N × 2^64 / 5^k then has 63 or 64 bits.
  const int k = -e;
  BigUint divisor(1);
  divisor.MultiplyByPowerOfFive(k);
  const int nBits = n.BitLength(), dBits = divisor.BitLength();
  int exponent = -k - 64;
  if (nBits < dBits) {
    n.ShiftLeft(dBits - nBits - 1);
    exponent -= dBits - nBits - 1;
  } else {
    divisor.ShiftLeft(nBits - dBits + 1);
    exponent += nBits - dBits + 1;
  }
  const uint64_t quotient = DivideShifted(n, divisor, 64);
  return FromQuotient(quotient, exponent, !n.IsZero());
}

}  // namespace

double TextToNumber(std::string_view text) {
  const DecimalNumber number = ScanDecimalNumber(text);
  if (number.digitCount == 0) return Zero(number.negative);
  if (number.exponent > kLargestRoundedExponent) return Infinity(number.negative);
  if (number.exponent < kSmallestRoundedExponent) return Zero(number.negative);
  const int e = static_cast<int>(number.exponent);
  if (number.digitCount <= kFastPathDigits && e >= -kFastPathExponent && e <= kFastPathExponent) {
    uint64_t n = 0;
    for (int i = 0; i < number.digitCount; ++i) n = n * 10 + number.digits[i];
    return RoundToDouble(ExactFast(n, e), number.negative);
  }
  return RoundToDouble(ExactSlow(number, e), number.negative);
}

}  // namespace tessavor
