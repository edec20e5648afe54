// How the operands of the comparison with the x87 unit are drawn. Plain
// random values rarely fall on a tie, so ties are built: the low bits of an
// exact product are solved for modulo a power of two, and quotients are
// placed next to a midpoint between two doubles.
#include "tests/core/extended_operands.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/wide_uint.h"

namespace tessavor::test {
namespace {

constexpr std::uint64_t FractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;

int Between(Random& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

bool Chance(Random& random, int percent) { return Between(random, 0, 99) < percent; }

std::uint64_t Mask(int count) {
  return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
}

// A random number below 2^count; count from 0 to 64.
std::uint64_t LowBits(Random& random, int count) {
  return count == 0 ? 0 : random() >> (64 - count);
}

// A random odd number of exactly `length` bits, 1 to 64.
std::uint64_t OddOfLength(Random& random, int length) {
  return LowBits(random, length) | (std::uint64_t{1} << (length - 1)) | 1;
}

int Width(std::uint64_t value) { return static_cast<int>(std::bit_width(value)); }

// The inverse of an odd number modulo 2^64: Newton's iteration doubles the
// correct low bits, from 3 (x·x ≡ 1 mod 8) to 96.
std::uint64_t Inverse(std::uint64_t odd) {
  std::uint64_t inverse = odd;
  for (int step = 0; step < 5; ++step) inverse *= 2 - odd * inverse;
  return inverse;
}

double DoubleFromParts(bool negative, int biased, std::uint64_t fraction) {
  return DoubleOf((negative ? IntegerBit : 0) | (static_cast<std::uint64_t>(biased) << 52) |
                  (fraction & FractionMask));
}

// m × 2^exponent as a normal double; requires 1 <= m < 2^53 and the top
// bit's exponent within [−1022, 1023].
double ScaledDouble(bool negative, std::uint64_t m, int exponent) {
  const int width = Width(m);
  return DoubleFromParts(negative, exponent + width - 1 + 1023, m << (53 - width));
}

// A top-bit exponent for the first of two factors whose top exponents add
// up to `sum`, such that both lie within the normal range.
int SplitExponent(Random& random, int sum) {
  return Between(random, std::max(-1022, sum - 1023), std::min(1023, sum + 1022));
}

double RandomNaN(Random& random, bool negative) {
  switch (Between(random, 0, 2)) {
    case 0:
      return DoubleOf(0xFFF8000000000000);  // the default NaN
    case 1:
      return DoubleFromParts(negative, 0x7FF, (std::uint64_t{1} << 51) | LowBits(random, 51));
    default:
      return DoubleFromParts(negative, 0x7FF, std::max<std::uint64_t>(1, LowBits(random, 51)));
  }
}

double RandomDouble(Random& random) {
  const bool negative = Chance(random, 50);
  const std::uint64_t fraction = LowBits(random, 52);
  switch (Between(random, 0, 15)) {
    case 0:
    case 1:
      return DoubleOf(random());  // any pattern
    case 2:                       // subnormal, of any width
      return DoubleFromParts(negative, 0,
                             std::max<std::uint64_t>(1, LowBits(random, Between(random, 1, 52))));
    case 3:
      return DoubleFromParts(negative, Between(random, 1990, 2046), fraction);  // huge
    case 4:
      return DoubleFromParts(negative, Between(random, 1, 60), fraction);  // tiny
    case 5: {  // a power of two or just beside it
      const std::uint64_t beside[] = {0, 1, 2, FractionMask, FractionMask - 1};
      const int biased = Between(random, 1, 2046);
      return DoubleFromParts(negative, biased, beside[Between(random, 0, 4)]);
    }
    case 6:
      return DoubleFromParts(negative, Between(random, 1, 2046), FractionMask);  // all ones
    case 7:
      return DoubleFromParts(negative, 0, 0);  // zero
    case 8:
      return DoubleFromParts(negative, 0x7FF, 0);  // infinity
    case 9:
      return RandomNaN(random, negative);
    case 10:  // few significant bits, so that products are often exact
      return ScaledDouble(negative, OddOfLength(random, Between(random, 1, 20)),
                          Between(random, -40, 40));
    default:
      return DoubleFromParts(negative, 1023 + Between(random, -64, 64), fraction);  // moderate
  }
}

// A number of exactly `length` bits whose product with the odd `factor`
// ends in the `count` low bits of `pattern`; requires count < length.
std::uint64_t SolveFactor(Random& random, std::uint64_t factor, std::uint64_t pattern, int count,
                          int length) {
  const std::uint64_t low = (pattern * Inverse(factor)) & Mask(count);
  const std::uint64_t high =
      LowBits(random, length - count) | (std::uint64_t{1} << (length - count - 1));
  return (high << count) | low;
}

// The pattern of the low `count` bits that puts a product on the tie of a
// rounding that drops them, or just below or above it.
std::uint64_t TiePattern(Random& random, int count) {
  const std::uint64_t tie = std::uint64_t{1} << (count - 1);
  return tie - 1 + static_cast<std::uint64_t>(Between(random, 0, 2));
}

// Products on or beside a tie of the rounding to 64 bits, or of the
// rounding to double (53 bits, fewer where doubles are subnormal), which
// also catches the double rounding: 0111…1 and 1000…01 become a tie after
// the rounding to 64 bits. The tie is made in the last product; in the
// chained form the first one, a × b, is exact.
DoubleOperands TieProducts(Random& random) {
  for (;;) {
    // The exponent of the result's top bit: moderate, or where doubles turn subnormal.
    const bool subnormal = Chance(random, 30);
    const int resultExponent = subnormal ? Between(random, -1080, -1020) : Between(random, -60, 60);
    const int doublePlaces = 53 - std::max(0, -1022 - resultExponent);
    if (doublePlaces < 1) continue;
    const int precision = Chance(random, 50) ? 64 : doublePlaces;
    const bool chained = Chance(random, 50);

    const int firstLength = Between(random, 1, 53);
    const std::uint64_t first = OddOfLength(random, firstLength);
    const int secondLength = chained ? Between(random, 1, std::min(53, 64 - firstLength)) : 0;
    const std::uint64_t second = chained ? OddOfLength(random, secondLength) : 1;
    const std::uint64_t factor = first * second;  // exact: at most 64 bits
    const int lastLength = Between(random, 1, 53);
    const int productLength = Width(factor) + lastLength - Between(random, 0, 1);
    const int count = std::max(0, std::min(productLength - precision, lastLength - 1));
    const std::uint64_t last =
        SolveFactor(random, factor, count == 0 ? 0 : TiePattern(random, count), count, lastLength);

    // Top-bit exponents that add up to the result's.
    const int scaleExponent = chained ? Between(random, -30, 30) : Between(random, -2, 2);
    const int firstExponent = SplitExponent(random, resultExponent - scaleExponent);
    const int lastExponent = resultExponent - scaleExponent - firstExponent;
    const double a = ScaledDouble(Chance(random, 50), first, firstExponent - firstLength + 1);
    const double b = ScaledDouble(Chance(random, 50), last, lastExponent - lastLength + 1);
    if (!chained) return {a, b, ScaledDouble(Chance(random, 50), 1, scaleExponent)};
    const double c = ScaledDouble(Chance(random, 50), second, scaleExponent - secondLength + 1);
    // (first × second) × last in the chained form, whichever way round.
    return Chance(random, 50) ? DoubleOperands{a, c, b} : DoubleOperands{c, a, b};
  }
}

// Quotients a ÷ b next to a midpoint between two doubles, nearer than the
// rounding to 64 bits can tell apart, so that it makes them a tie of the
// rounding to double. With m an odd number of precision + 1 bits and r a
// small odd residue, the divisor solves divisor × m ≡ r (mod 2^shift) and
// dividend = (divisor × m − r) / 2^shift, so that the quotient is
// m / 2^shift − r / (divisor × 2^shift).
DoubleOperands TieQuotients(Random& random) {
  for (;;) {
    const bool subnormal = Chance(random, 30);
    const int precision = subnormal ? Between(random, 1, 52) : 53;
    // The exponent of the quotient's top bit; among the subnormals m × 2^−1075.
    const int quotientExponent = subnormal ? precision - 1075 : Between(random, -60, 60);
    const int divisorLength = Between(random, 2, 53);
    const int shift = divisorLength + precision + 1 - 53;  // so that the dividend has 53 bits
    if (shift < 1) continue;
    // Below about 2^(divisorLength + precision − 65) the residue is lost in
    // the rounding to 64 bits; a little more or less probes both sides.
    const int residueBits =
        std::clamp(divisorLength + precision - 65 + Between(random, -3, 3), 1, shift);
    const std::uint64_t residueMagnitude = LowBits(random, residueBits) | 1;
    const bool residueNegative = Chance(random, 50);
    const std::uint64_t residue = residueNegative ? 0 - residueMagnitude : residueMagnitude;

    const std::uint64_t divisor = OddOfLength(random, divisorLength);
    std::uint64_t midpoint = (residue * Inverse(divisor)) & Mask(shift);
    if (shift <= precision) {
      midpoint |= (LowBits(random, precision + 1 - shift) << shift) |
                  (std::uint64_t{1} << precision);
    } else if (Width(midpoint) != precision + 1) {
      continue;
    }
    Uint128 product = MultiplyWide(divisor, midpoint);
    if (residueNegative) {
      product.low += residueMagnitude;
      product.high += product.low < residueMagnitude ? 1 : 0;
    } else {
      product.high -= product.low < residueMagnitude ? 1 : 0;
      product.low -= residueMagnitude;
    }
    const std::uint64_t dividend = (product.high << (64 - shift)) | (product.low >> shift);
    if (dividend == 0 || Width(dividend) > 53) continue;

    // Exponents: a ÷ b = (dividend ÷ divisor) × 2^(x − y) must be
    // m × 2^(quotientExponent − precision).
    const int offset = quotientExponent - precision + shift + Width(dividend) - divisorLength;
    const int divisorExponent =
        Between(random, std::max(-1022, -1022 - offset), std::min(1023, 1023 - offset));
    const double a = ScaledDouble(Chance(random, 50), dividend,
                                  divisorExponent + offset - Width(dividend) + 1);
    const double b = ScaledDouble(Chance(random, 50), divisor, divisorExponent - divisorLength + 1);
    return {a, b, RandomDouble(random)};
  }
}

// A significand with its integer bit: random, or a pattern next to a carry.
std::uint64_t RandomSignificand(Random& random) {
  switch (Between(random, 0, 7)) {
    case 0:
      return ~std::uint64_t{0};
    case 1:
      return IntegerBit;
    case 2:
      return IntegerBit | 1;
    case 3: {  // few significant bits
      const std::uint64_t odd = OddOfLength(random, Between(random, 1, 40));
      return odd << (64 - Width(odd));
    }
    default:
      return random() | IntegerBit;
  }
}

// A value near where the rounding to double is delicate: among the
// subnormals or at the overflow threshold, with the bits that the rounding
// drops set to a tie or one place beside it.
X87 DoubleBoundary(Random& random, std::uint16_t sign) {
  const bool top = Chance(random, 30);
  const int exponent = top ? Between(random, 1020, 1024) : Between(random, -1090, -1015);
  const int dropped = 11 + std::max(0, -1022 - exponent);
  std::uint64_t significand = top && Chance(random, 50) ? ~std::uint64_t{0} : random();
  if (dropped <= 63) {
    significand = (significand & ~Mask(dropped)) | (TiePattern(random, dropped) & Mask(dropped));
  }
  return {static_cast<std::uint16_t>(sign | (exponent + X87Bias)), significand | IntegerBit};
}

X87 RandomX87(Random& random) {
  const auto sign = static_cast<std::uint16_t>(Chance(random, 50) ? 0x8000 : 0);
  const auto withExponent = [&](int biased) {
    return X87{static_cast<std::uint16_t>(sign | biased), RandomSignificand(random)};
  };
  switch (Between(random, 0, 15)) {
    case 0:
      return withExponent(Between(random, 1, 0x7FFE));  // anywhere
    case 1:                                             // denormal
      return {sign, std::max<std::uint64_t>(1, random() >> Between(random, 1, 63))};
    case 2:
      return withExponent(Between(random, 1, 70));  // bottom of the range
    case 3:
      return withExponent(Between(random, 0x7FFE - 70, 0x7FFE));  // top of the range
    case 4: {  // halfway out, so that a product or quotient reaches an end
      const int distance = 8191 + Between(random, -70, 70);
      return withExponent(X87Bias + (Chance(random, 50) ? distance : -distance));
    }
    case 5:
      return {sign, 0};
    case 6:
      return {static_cast<std::uint16_t>(sign | 0x7FFF), IntegerBit};
    case 7: {  // NaN, quiet or signalling (quiet bit 62 clear, payload not 0)
      const std::uint64_t payload = LowBits(random, 62);
      const std::uint64_t quietBit = std::uint64_t{1} << 62;
      const std::uint64_t fraction =
          Chance(random, 50) ? quietBit | payload : std::max<std::uint64_t>(1, payload);
      return {static_cast<std::uint16_t>(sign | 0x7FFF), IntegerBit | fraction};
    }
    case 8:
    case 9:
    case 10:
      return DoubleBoundary(random, sign);
    default:
      return withExponent(X87Bias + Between(random, -100, 100));  // moderate
  }
}

}  // namespace

DoubleOperands DrawDoubleOperands(Random& random) {
  const int kind = Between(random, 0, 9);
  if (kind < 5) return {RandomDouble(random), RandomDouble(random), RandomDouble(random)};
  if (kind < 8) return TieProducts(random);
  return TieQuotients(random);
}

ExtendedPair DrawExtendedPair(Random& random) {
  const X87 x = RandomX87(random);
  switch (Between(random, 0, 19)) {
    case 0:  // the same magnitude with the other sign: equal NaN significands
      return {x, X87{static_cast<std::uint16_t>(x.signExponent ^ 0x8000), x.significand}};
    case 1:
      return {x, x};
    default:
      return {x, RandomX87(random)};
  }
}

}  // namespace tessavor::test
