// The double-extended operations: exact products and quotients of the
// significands in 128 bits, then one rounding step that serves both the
// extended format and the double format, which differ only in precision
// and exponent range. Special operands follow the x87 unit with every
// exception masked.
#include "core/extended.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/double_bits.h"
#include "core/wide_uint.h"

namespace tessavor {
namespace {

// A binary format as far as rounding is concerned.
struct Format {
  int precision;             // significand bits, the integer bit included
  std::int32_t minExponent;  // exponent of the smallest normal value
  std::int32_t maxExponent;  // exponent of the largest finite values
};
constexpr Format ExtendedFormat{64, -16382, 16383};
constexpr Format DoubleFormat{53, -1022, 1023};

// The x87 significand: explicit integer bit, and for NaNs the quiet bit.
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t QuietBit = std::uint64_t{1} << 62;
// A double fraction sits this many places lower than an x87 significand.
constexpr int FractionShift = 63 - kFractionBits;

// The x87 "real indefinite", the result of invalid operations: negative,
// quiet, payload 0.
constexpr Extended DefaultNaN{ExtendedKind::NaN, true, 0, IntegerBit | QuietBit};

Extended Special(ExtendedKind kind, bool negative) {
  return Extended{kind, negative, 0, 0};
}

// Bit `index` of v; requires 0 <= index < 128.
bool BitAt(Uint128 v, int index) {
  return ((index >= 64 ? v.high >> (index - 64) : v.low >> index) & 1) != 0;
}

// Whether any of the `count` lowest bits of v is set; requires 0 <= count <= 128.
bool AnyLowBits(Uint128 v, int count) {
  if (count == 0) return false;
  if (count <= 64) return (v.low << (64 - count)) != 0;
  return v.low != 0 || (v.high << (128 - count)) != 0;
}

// Round to nearest, ties to even: `half` is the first dropped bit, `rest`
// tells whether any dropped bit after it is set.
bool RoundsUp(bool lastKeptOdd, bool half, bool rest) {
  return half && (rest || lastKeptOdd);
}

// A rounded value: significand × 2^exponent with significand below
// 2^precision (0 for zero), or `overflowed` when it lies beyond the format.
struct Rounded {
  std::uint64_t significand;
  std::int32_t exponent;
  bool overflowed;
};

// Rounds significand × 2^(exponent − 127), top bit of significand set, to
// `format`. Below the normal range the value is denormalised first, so that
// a subnormal result is rounded once (gradual underflow).
Rounded RoundToFormat(std::int32_t exponent, Uint128 significand, const Format& format) {
  // The places dropped: those past the precision, and as many more as the
  // value lies below the normal range. At least 64, as precision <= 64.
  std::int64_t dropped = 128 - format.precision;
  if (exponent < format.minExponent) dropped += std::int64_t{format.minExponent} - exponent;
  // The exponent of the last place kept.
  std::int32_t lastPlace = std::max(exponent, format.minExponent) - (format.precision - 1);

  // Past 128 places every bit lies below half of the last place.
  std::uint64_t kept = 0;
  bool half = false;
  bool rest = true;
  if (dropped <= 128) {
    const int count = static_cast<int>(dropped);
    kept = count == 128 ? 0 : significand.high >> (count - 64);
    half = BitAt(significand, count - 1);
    rest = AnyLowBits(significand, count - 1);
  }
  if (RoundsUp((kept & 1) != 0, half, rest)) {
    ++kept;
    // A carry out of the precision (for 64 bits it wraps to 0) is one more
    // place: 2^precision last places make 2^(precision − 1) of the next.
    if (kept == 0 || BitWidth(kept) > format.precision) {
      kept = std::uint64_t{1} << (format.precision - 1);
      ++lastPlace;
    }
  }
  const bool overflowed = kept != 0 && lastPlace + BitWidth(kept) - 1 > format.maxExponent;
  return Rounded{kept, lastPlace, overflowed};
}

// The rounded product or quotient as an extended value.
Extended RoundToExtended(bool negative, std::int32_t exponent, Uint128 significand) {
  const Rounded rounded = RoundToFormat(exponent, significand, ExtendedFormat);
  if (rounded.overflowed) return Special(ExtendedKind::Infinity, negative);
  if (rounded.significand == 0) return Special(ExtendedKind::Zero, negative);
  const int width = BitWidth(rounded.significand);
  return Extended{ExtendedKind::Finite, negative, rounded.exponent + width - 1,
                  rounded.significand << (64 - width)};
}

Extended Quieted(Extended nan) {
  nan.significand |= QuietBit;
  return nan;
}

// The x87 choice among NaN operands: the larger significand wins, which
// makes a quiet NaN beat a signalling one, and of equal significands the
// positive one. The result is always quiet.
Extended PropagateNaN(const Extended& a, const Extended& b) {
  if (a.kind != ExtendedKind::NaN) return Quieted(b);
  if (b.kind != ExtendedKind::NaN) return Quieted(a);
  if (a.significand != b.significand) return Quieted(a.significand > b.significand ? a : b);
  return Quieted(a.negative ? b : a);
}

// The quotient n ÷ d of two significands with their top bits set, doubled
// when n < d so that it lies in [1, 2): its 64 leading bits in `high`, the
// next bit as the top bit of `low` and a sticky bit for any remainder as
// the bottom bit of `low`.
Uint128 DivideSignificands(std::uint64_t n, std::uint64_t d) {
  if (n >= d) {
    // n·2^64 ÷ d = 2^64 + (n − d)·2^64 ÷ d, a 65-bit quotient.
    const WideDivision division = DivideWide(n - d, 0, d);
    return Uint128{IntegerBit | (division.quotient >> 1),
                   (division.quotient << 63) | (division.remainder != 0 ? 1 : 0)};
  }
  // 2n·2^63 ÷ d = n·2^64 ÷ d: 64 bits; the next bit tells whether twice
  // the remainder reaches d. Twice the remainder never equals d, as no
  // quotient of two 64-bit numbers ends in a 65th bit, so any remainder
  // sets the sticky bit.
  const WideDivision division = DivideWide(n, 0, d);
  const std::uint64_t remainder = division.remainder;
  const bool roundBit = remainder >= d - remainder;
  return Uint128{division.quotient, (roundBit ? IntegerBit : 0) | (remainder != 0 ? 1 : 0)};
}

}  // namespace

Extended ExtendedFromDouble(double value) {
  const DoubleParts parts = UnpackDouble(value);
  if (parts.biasedExponent == kSpecialExponent) {
    if (parts.fraction == 0) return Special(ExtendedKind::Infinity, parts.negative);
    return Extended{ExtendedKind::NaN, parts.negative, 0,
                    IntegerBit | QuietBit | (parts.fraction << FractionShift)};
  }
  if (parts.biasedExponent == 0) {
    if (parts.fraction == 0) return Special(ExtendedKind::Zero, parts.negative);
    // Subnormal: fraction × 2^−1074, normalised.
    const int width = BitWidth(parts.fraction);
    return Extended{ExtendedKind::Finite, parts.negative, kMinExponent + width - 1,
                    parts.fraction << (64 - width)};
  }
  return Extended{ExtendedKind::Finite, parts.negative, parts.biasedExponent - kExponentBias,
                  IntegerBit | (parts.fraction << FractionShift)};
}

Extended ExtendedMultiply(const Extended& left, const Extended& right) {
  if (left.kind == ExtendedKind::NaN || right.kind == ExtendedKind::NaN) {
    return PropagateNaN(left, right);
  }
  const bool negative = left.negative != right.negative;
  if (left.kind == ExtendedKind::Infinity || right.kind == ExtendedKind::Infinity) {
    if (left.kind == ExtendedKind::Zero || right.kind == ExtendedKind::Zero) return DefaultNaN;
    return Special(ExtendedKind::Infinity, negative);
  }
  if (left.kind == ExtendedKind::Zero || right.kind == ExtendedKind::Zero) {
    return Special(ExtendedKind::Zero, negative);
  }
  // The product of two significands in [2^63, 2^64) lies in [2^126, 2^128).
  Uint128 product = MultiplyWide(left.significand, right.significand);
  std::int32_t exponent = left.exponent + right.exponent + 1;
  if ((product.high & IntegerBit) == 0) {
    product = Uint128{(product.high << 1) | (product.low >> 63), product.low << 1};
    --exponent;
  }
  return RoundToExtended(negative, exponent, product);
}

Extended ExtendedDivide(const Extended& dividend, const Extended& divisor) {
  if (dividend.kind == ExtendedKind::NaN || divisor.kind == ExtendedKind::NaN) {
    return PropagateNaN(dividend, divisor);
  }
  const bool negative = dividend.negative != divisor.negative;
  if (dividend.kind == ExtendedKind::Infinity) {
    if (divisor.kind == ExtendedKind::Infinity) return DefaultNaN;
    return Special(ExtendedKind::Infinity, negative);
  }
  if (divisor.kind == ExtendedKind::Infinity) return Special(ExtendedKind::Zero, negative);
  if (divisor.kind == ExtendedKind::Zero) {
    if (dividend.kind == ExtendedKind::Zero) return DefaultNaN;
    return Special(ExtendedKind::Infinity, negative);
  }
  if (dividend.kind == ExtendedKind::Zero) return Special(ExtendedKind::Zero, negative);
  std::int32_t exponent = dividend.exponent - divisor.exponent;
  if (dividend.significand < divisor.significand) --exponent;
  return RoundToExtended(negative, exponent,
                         DivideSignificands(dividend.significand, divisor.significand));
}

double ExtendedToDouble(const Extended& value) {
  switch (value.kind) {
    case ExtendedKind::Zero:
      return Zero(value.negative);
    case ExtendedKind::Infinity:
      return Infinity(value.negative);
    case ExtendedKind::NaN:
      // The top of the significand survives; the store quiets.
      return PackDouble(value.negative, kSpecialExponent,
                        kQuietNanBit | (value.significand >> FractionShift));
    case ExtendedKind::Finite:
      break;
  }
  const Rounded rounded =
      RoundToFormat(value.exponent, Uint128{value.significand, 0}, DoubleFormat);
  if (rounded.overflowed) return Infinity(value.negative);
  return MakeDouble(value.negative, rounded.significand, rounded.exponent);
}

double MultiplyInExtended(double a, double b, double c) {
  return ExtendedToDouble(ExtendedMultiply(
      ExtendedMultiply(ExtendedFromDouble(a), ExtendedFromDouble(b)), ExtendedFromDouble(c)));
}

double DivideInExtended(double a, double b) {
  return ExtendedToDouble(ExtendedDivide(ExtendedFromDouble(a), ExtendedFromDouble(b)));
}

}  // namespace tessavor
