// Named cases of the software double-extended arithmetic: loads, special
// operands, the choice among NaNs, rounding ties, the limits of the
// extended range, the rounding to double and the converter's formulas.
// Expected values are the bits that the x87 unit gives under control word
// 0x037F, written out so that these tests hold on any processor.
#include "core/extended.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/core/extended_test_support.h"

namespace tessavor::test {
namespace {

constexpr std::uint64_t InchesPerCentimetreBits = 0x3FD93264C9932813;
constexpr std::uint64_t CentimetresPerInchBits = 0x400451EB851EB852;

constexpr std::uint64_t PlusInfinity = 0x7FF0000000000000;
constexpr std::uint64_t MinusInfinity = 0xFFF0000000000000;
constexpr std::uint64_t MinusZero = 0x8000000000000000;
constexpr std::uint64_t DefaultNaNBits = 0xFFF8000000000000;
constexpr std::uint64_t LargestDouble = 0x7FEFFFFFFFFFFFFF;
constexpr std::uint64_t One = 0x3FF0000000000000;

constexpr X87 X87Infinity{0x7FFF, 0x8000000000000000};
constexpr X87 X87MinusInfinity{0xFFFF, 0x8000000000000000};
constexpr X87 X87DefaultNaN{0xFFFF, 0xC000000000000000};

TEST(ExtendedFromDouble, IsExactAndQuietsNaN) {
  struct Case {
    const char* name;
    std::uint64_t bits;
    X87 expected;
  };
  const Case cases[] = {
      // Normal values: the fraction moves up under the explicit integer bit.
      {"one", One, {0x3FFF, 0x8000000000000000}},
      {"minus 2.5", 0xC004000000000000, {0xC000, 0xA000000000000000}},
      {"0.1", 0x3FB999999999999A, {0x3FFB, 0xCCCCCCCCCCCCD000}},
      {"largest double", LargestDouble, {0x43FE, 0xFFFFFFFFFFFFF800}},
      {"smallest normal", 0x0010000000000000, {0x3C01, 0x8000000000000000}},
      // Subnormals are normalised; the extended exponent reaches below.
      {"largest subnormal", 0x000FFFFFFFFFFFFF, {0x3C00, 0xFFFFFFFFFFFFF000}},
      {"smallest subnormal", 0x0000000000000001, {0x3BCD, 0x8000000000000000}},
      {"minus three smallest subnormals", 0x8000000000000003, {0xBBCE, 0xC000000000000000}},
      // Zeros and infinities keep their signs.
      {"zero", 0, {0x0000, 0}},
      {"minus zero", MinusZero, {0x8000, 0}},
      {"infinity", PlusInfinity, X87Infinity},
      {"minus infinity", MinusInfinity, X87MinusInfinity},
      // NaNs keep sign and payload; a signalling one is quieted.
      {"default NaN", DefaultNaNBits, X87DefaultNaN},
      {"quiet NaN, payload 1", 0x7FF8000000000001, {0x7FFF, 0xC000000000000800}},
      {"signalling NaN, payload 1", 0x7FF0000000000001, {0x7FFF, 0xC000000000000800}},
      {"signalling NaN, top payload bit", 0xFFF4000000000000, {0xFFFF, 0xE000000000000000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(ToX87(ExtendedFromDouble(DoubleOf(c.bits)))), Hex(c.expected));
  }
}

// One operation on two doubles with the extended result.
struct DoubleOperandCase {
  const char* name;
  std::uint64_t left;
  std::uint64_t right;
  X87 expected;
};

X87 Multiply(std::uint64_t left, std::uint64_t right) {
  return ToX87(ExtendedMultiply(ExtendedFromDouble(DoubleOf(left)),
                                ExtendedFromDouble(DoubleOf(right))));
}

X87 Divide(std::uint64_t left, std::uint64_t right) {
  return ToX87(ExtendedDivide(ExtendedFromDouble(DoubleOf(left)),
                              ExtendedFromDouble(DoubleOf(right))));
}

TEST(ExtendedMultiply, SpecialOperandsAsX87) {
  const DoubleOperandCase cases[] = {
      // Invalid: infinity times zero gives the default NaN, whatever the signs.
      {"infinity times zero", PlusInfinity, 0, X87DefaultNaN},
      {"minus zero times infinity", MinusZero, PlusInfinity, X87DefaultNaN},
      // Infinity times a non-zero value: the sign of the product.
      {"infinity times minus two", PlusInfinity, 0xC000000000000000, X87MinusInfinity},
      {"minus infinity squared", MinusInfinity, MinusInfinity, X87Infinity},
      {"smallest subnormal times infinity", 0x0000000000000001, PlusInfinity, X87Infinity},
      // Zeros: the sign is the exclusive or of the signs.
      {"minus zero times three", MinusZero, 0x4008000000000000, {0x8000, 0}},
      {"minus zero squared", MinusZero, MinusZero, {0x0000, 0}},
      {"zero times minus largest", 0, 0xFFEFFFFFFFFFFFFF, {0x8000, 0}},
      // A NaN operand passes through, quieted.
      {"NaN times one", 0x7FF8000000000123, One, {0x7FFF, 0xC000000000091800}},
      {"one times minus NaN", One, 0xFFF8000000000005, {0xFFFF, 0xC000000000002800}},
      {"NaN times zero", 0x7FF8000000000001, 0, {0x7FFF, 0xC000000000000800}},
      {"NaN times infinity", 0x7FF8000000000001, PlusInfinity, {0x7FFF, 0xC000000000000800}},
      {"signalling NaN times two", 0x7FF0000000000002, 0x4000000000000000,
       {0x7FFF, 0xC000000000001000}},
      // Beyond the double range the extended range still holds the product.
      {"largest double squared", LargestDouble, LargestDouble, {0x47FE, 0xFFFFFFFFFFFFF000}},
      {"smallest subnormal squared", 0x0000000000000001, 0x0000000000000001,
       {0x379B, 0x8000000000000000}},
  };
  for (const DoubleOperandCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(Multiply(c.left, c.right)), Hex(c.expected));
  }
}

TEST(ExtendedDivide, SpecialOperandsAsX87) {
  const DoubleOperandCase cases[] = {
      // A non-zero value by zero: infinity with the exclusive or of the signs.
      {"one by zero", One, 0, X87Infinity},
      {"minus one by zero", 0xBFF0000000000000, 0, X87MinusInfinity},
      {"one by minus zero", One, MinusZero, X87MinusInfinity},
      {"infinity by zero", PlusInfinity, 0, X87Infinity},
      // Invalid: zero by zero and infinity by infinity give the default NaN.
      {"zero by zero", 0, 0, X87DefaultNaN},
      {"minus zero by zero", MinusZero, 0, X87DefaultNaN},
      {"infinity by minus infinity", PlusInfinity, MinusInfinity, X87DefaultNaN},
      // Infinity by a finite value, a finite value by infinity.
      {"minus infinity by two", MinusInfinity, 0x4000000000000000, X87MinusInfinity},
      {"zero by infinity", 0, PlusInfinity, {0x0000, 0}},
      {"minus five by infinity", 0xC014000000000000, PlusInfinity, {0x8000, 0}},
      {"zero by minus three", 0, 0xC008000000000000, {0x8000, 0}},
      // A NaN operand passes through.
      {"NaN by zero", 0x7FF8000000000001, 0, {0x7FFF, 0xC000000000000800}},
      {"zero by minus NaN", 0, 0xFFF8000000000001, {0xFFFF, 0xC000000000000800}},
      // Rounding of quotients that do not end: to nearest.
      {"one by three", One, 0x4008000000000000, {0x3FFD, 0xAAAAAAAAAAAAAAAB}},
      {"minus two by three", 0xC000000000000000, 0x4008000000000000,
       {0xBFFE, 0xAAAAAAAAAAAAAAAB}},
      {"one by ten", One, 0x4024000000000000, {0x3FFB, 0xCCCCCCCCCCCCCCCD}},
      {"six by three", 0x4018000000000000, 0x4008000000000000, {0x4000, 0x8000000000000000}},
      // Beyond the double range the extended range still holds the quotient.
      {"largest by smallest subnormal", LargestDouble, 0x0000000000000001,
       {0x4830, 0xFFFFFFFFFFFFF800}},
  };
  for (const DoubleOperandCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(Divide(c.left, c.right)), Hex(c.expected));
  }
}

TEST(ExtendedMultiply, RoundsToNearestTiesToEven) {
  struct Case {
    const char* name;
    double left;
    double right;
    X87 expected;
  };
  // (2^53 − 1) and (2^53 − 3) times 2^12 + 1 give 66-bit products with
  // the dropped bits 11 and 01; times 2^11 + 1, 65-bit products whose one
  // dropped bit makes an exact tie.
  const Case cases[] = {
      {"two dropped bits 01, down", 9007199254740989.0, 4097.0, {0x4040, 0x8007FFFFFFFFF3FF}},
      {"two dropped bits 11, up", 9007199254740991.0, 4097.0, {0x4040, 0x8007FFFFFFFFFC00}},
      {"tie with even last bit, down", 9007199254740989.0, 2049.0, {0x403F, 0x800FFFFFFFFFF3FE}},
      {"tie with odd last bit, up", 9007199254740991.0, 2049.0, {0x403F, 0x800FFFFFFFFFFC00}},
      // 253921 × 145295143558111 = 2^65 − 1: the tie carries into the exponent.
      {"carry out of the significand", 253921.0, 145295143558111.0,
       {0x4040, 0x8000000000000000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const X87 product =
        ToX87(ExtendedMultiply(ExtendedFromDouble(c.left), ExtendedFromDouble(c.right)));
    EXPECT_EQ(Hex(product), Hex(c.expected));
  }
}

// The x87 rules: of two NaNs the larger significand wins, so that a quiet
// NaN beats a signalling one whatever their payloads, and of equal
// significands the positive one; the result is quiet. The same for both
// operations and both orders.
TEST(ExtendedNaN, PropagationPicksAsX87) {
  struct Case {
    const char* name;
    X87 first;
    X87 second;
    X87 expected;
  };
  const Case cases[] = {
      {"quiet beats signalling with a larger payload", {0x7FFF, 0xC000000000000001},
       {0x7FFF, 0xBFFFFFFFFFFFFFFF}, {0x7FFF, 0xC000000000000001}},
      {"larger of two quiet", {0x7FFF, 0xC000000000000001}, {0xFFFF, 0xC000000000000002},
       {0xFFFF, 0xC000000000000002}},
      {"larger of two signalling, quieted", {0x7FFF, 0x8000000000000001},
       {0xFFFF, 0x8000000000000002}, {0xFFFF, 0xC000000000000002}},
      {"equal quiet significands: the positive", {0x7FFF, 0xC000000000000001},
       {0xFFFF, 0xC000000000000001}, {0x7FFF, 0xC000000000000001}},
      {"equal signalling significands: the positive, quieted", {0xFFFF, 0x8000000000000001},
       {0x7FFF, 0x8000000000000001}, {0x7FFF, 0xC000000000000001}},
      {"default NaN loses to a payload", X87DefaultNaN, {0x7FFF, 0xC000000000000001},
       {0x7FFF, 0xC000000000000001}},
      {"default NaN against its positive twin", X87DefaultNaN, {0x7FFF, 0xC000000000000000},
       {0x7FFF, 0xC000000000000000}},
      {"signalling against a number, quieted", {0xFFFF, 0x8000000000000002},
       {0x3FFF, 0x8000000000000000}, {0xFFFF, 0xC000000000000002}},
      {"signalling against infinity, quieted", {0x7FFF, 0x8000000000000001}, X87Infinity,
       {0x7FFF, 0xC000000000000001}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Extended first = FromX87(c.first);
    const Extended second = FromX87(c.second);
    EXPECT_EQ(Hex(ToX87(ExtendedMultiply(first, second))), Hex(c.expected));
    EXPECT_EQ(Hex(ToX87(ExtendedMultiply(second, first))), Hex(c.expected));
    EXPECT_EQ(Hex(ToX87(ExtendedDivide(first, second))), Hex(c.expected));
    EXPECT_EQ(Hex(ToX87(ExtendedDivide(second, first))), Hex(c.expected));
  }
}

// Chains of operations can leave the range of the format: overflow gives
// infinity, and below 2^−16382 the result is denormalised and rounded once.
TEST(ExtendedRange, OverflowAndGradualUnderflowAsX87) {
  struct Case {
    const char* name;
    X87 left;
    X87 right;
    bool divide;
    X87 expected;
  };
  constexpr X87 Half{0x3FFE, 0x8000000000000000};
  constexpr X87 Two{0x4000, 0x8000000000000000};
  constexpr X87 Largest{0x7FFE, 0xFFFFFFFFFFFFFFFF};
  constexpr X87 SmallestDenormal{0x0000, 1};
  const Case cases[] = {
      // The top of the range.
      {"largest × (1 − 2^−64) stays finite", Largest, {0x3FFE, 0xFFFFFFFFFFFFFFFF}, false,
       {0x7FFE, 0xFFFFFFFFFFFFFFFE}},
      {"largest × (1 + 2^−63) overflows", Largest, {0x3FFF, 0x8000000000000001}, false,
       X87Infinity},
      {"2^16383 × 2 overflows", {0x7FFE, 0x8000000000000000}, Two, false, X87Infinity},
      {"−2^16383 ÷ 0.5 overflows", {0xFFFE, 0x8000000000000000}, Half, true, X87MinusInfinity},
      {"2^16383 ÷ smallest denormal overflows", {0x7FFE, 0x8000000000000000}, SmallestDenormal,
       true, X87Infinity},
      // The bottom of the range, in units of the smallest denormal 2^−16445.
      {"2^−16382 × 0.5 is a denormal", {0x0001, 0x8000000000000000}, Half, false,
       {0x0000, 0x4000000000000000}},
      {"1 × 0.5 ties to 0", SmallestDenormal, Half, false, {0x0000, 0}},
      {"3 × 0.5 ties to 2", {0x0000, 3}, Half, false, {0x0000, 2}},
      {"1 × 0.75 rounds up to 1", SmallestDenormal, {0x3FFE, 0xC000000000000000}, false,
       SmallestDenormal},
      {"−1 ÷ 4 rounds to −0", {0x8000, 1}, {0x4001, 0x8000000000000000}, true, {0x8000, 0}},
      {"(2^63 − 1) × (1 + 2^−63) carries into the normal range", {0x0000, 0x7FFFFFFFFFFFFFFF},
       {0x3FFF, 0x8000000000000001}, false, {0x0001, 0x8000000000000000}},
      {"denormal by denormal is exact", {0x0000, 3}, SmallestDenormal, true,
       {0x4000, 0xC000000000000000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Extended left = FromX87(c.left);
    const Extended right = FromX87(c.right);
    const Extended result = c.divide ? ExtendedDivide(left, right) : ExtendedMultiply(left, right);
    EXPECT_EQ(Hex(ToX87(result)), Hex(c.expected));
  }
}

TEST(ExtendedToDouble, RoundsOnceToNearestEvenLikeFstM64) {
  struct Case {
    const char* name;
    X87 value;
    std::uint64_t expected;
  };
  const Case cases[] = {
      // Around ties between two doubles: each just below, at and above.
      {"1 + 2^−53 − 2^−63, below the tie", {0x3FFF, 0x80000000000003FF}, One},
      {"1 + 2^−53, tie to the even one below", {0x3FFF, 0x8000000000000400}, One},
      {"1 + 2^−53 + 2^−63, above the tie", {0x3FFF, 0x8000000000000401}, 0x3FF0000000000001},
      {"below the tie after an odd last bit", {0x3FFF, 0x8000000000000BFF}, 0x3FF0000000000001},
      {"tie after an odd last bit, up", {0x3FFF, 0x8000000000000C00}, 0x3FF0000000000002},
      {"all ones below the tie", {0x3FFF, 0xFFFFFFFFFFFFFBFF}, 0x3FFFFFFFFFFFFFFF},
      {"all ones carry into the exponent", {0x3FFF, 0xFFFFFFFFFFFFFFFF}, 0x4000000000000000},
      // The overflow boundary: half an ulp above the largest double is a tie
      // whose even neighbour is 2^1024, so it overflows.
      {"largest double", {0x43FE, 0xFFFFFFFFFFFFF800}, LargestDouble},
      {"below the overflow tie", {0x43FE, 0xFFFFFFFFFFFFFBFF}, LargestDouble},
      {"the overflow tie", {0x43FE, 0xFFFFFFFFFFFFFC00}, PlusInfinity},
      {"minus the overflow tie", {0xC3FE, 0xFFFFFFFFFFFFFC00}, MinusInfinity},
      {"2^1024", {0x43FF, 0x8000000000000000}, PlusInfinity},
      {"largest extended", {0x7FFE, 0xFFFFFFFFFFFFFFFF}, PlusInfinity},
      // The subnormal boundary: rounding at 2^−1074, once.
      {"below the tie under the smallest normal", {0x3C00, 0xFFFFFFFFFFFFF7FF},
       0x000FFFFFFFFFFFFF},
      {"the tie under the smallest normal, up", {0x3C00, 0xFFFFFFFFFFFFF800},
       0x0010000000000000},
      {"1.5 × 2^−1074 ties to 2", {0x3BCD, 0xC000000000000000}, 0x0000000000000002},
      {"2.5 × 2^−1074 ties to 2", {0x3BCE, 0xA000000000000000}, 0x0000000000000002},
      {"2^−1075 ties to 0", {0x3BCC, 0x8000000000000000}, 0},
      {"just above 2^−1075", {0x3BCC, 0x8000000000000001}, 0x0000000000000001},
      {"minus just above 2^−1075", {0xBBCC, 0x8000000000000001}, 0x8000000000000001},
      {"2^−1076", {0x3BCB, 0x8000000000000000}, 0},
      {"smallest normal extended", {0x0001, 0x8000000000000000}, 0},
      {"minus extended denormal", {0x8000, 1}, MinusZero},
      // Zeros and infinities.
      {"minus zero", {0x8000, 0}, MinusZero},
      {"minus infinity", X87MinusInfinity, MinusInfinity},
      // NaNs keep the top 52 bits of the payload and are quieted.
      {"NaN loses its low payload bits", {0x7FFF, 0xC000000000000001}, 0x7FF8000000000000},
      {"NaN keeps its high payload bits", {0xFFFF, 0xC000000000000800}, 0xFFF8000000000001},
      {"signalling NaN is quieted", {0x7FFF, 0x8000000000000800}, 0x7FF8000000000001},
      {"default NaN", X87DefaultNaN, DefaultNaNBits},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hex(BitsOf(ExtendedToDouble(FromX87(c.value)))), Hex(c.expected));
  }
}

TEST(ConversionFactors, DecimalLiteralsGiveTheirBits) {
  EXPECT_EQ(Hex(BitsOf(0.3937007874016)), Hex(InchesPerCentimetreBits));
  EXPECT_EQ(Hex(BitsOf(2.54)), Hex(CentimetresPerInchBits));
}

// Centimetres to pixels: dbl(ext(ext(cm × dpi) × InchesPerCentimetre)).
TEST(MultiplyInExtended, GivesTheConverterResults) {
  struct Case {
    const char* name;
    double centimetres;
    double dotsPerInch;
    std::uint64_t expected;
  };
  const Case cases[] = {
      {"5 cm at 72 dpi: 141.732283464576", 5, 72, 0x4061B76EDDBB782D},
      {"1 cm at 72 dpi", 1, 72, 0x403C58B162C58D15},
      // Plain double arithmetic gives the neighbours 0x406AE1C3870E1E1D and
      // 0x40B56366CD9B37EF.
      {"5.69 cm at 96 dpi", 5.69, 96, 0x406AE1C3870E1E1E},
      {"193.16 cm at 72 dpi", 193.16, 72, 0x40B56366CD9B37EE},
      // 2e308 exists only as the intermediate; in doubles it is infinity.
      {"1e308 cm at 2 dpi: 7.874015748032e+307", 1e308, 2, 0x7FDC084D1B775A24},
      {"2.54 cm at 72 dpi", 2.54, 72, 0x4052000000000145},
      {"1 cm at 0 dpi", 1, 0, 0},
      {"-1 cm at 0 dpi", -1, 0, MinusZero},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double pixels =
        MultiplyInExtended(c.centimetres, c.dotsPerInch, DoubleOf(InchesPerCentimetreBits));
    EXPECT_EQ(Hex(BitsOf(pixels)), Hex(c.expected));
  }
}

// In doubles (0.1 × 3) × 3 is 0.90000000000000013; with the product kept
// to 64 bits it is 0.90000000000000002, the double nearest to 0.9.
TEST(MultiplyInExtended, KeepsTheFirstProductToSixtyFourBits) {
  EXPECT_EQ(Hex(BitsOf(MultiplyInExtended(0.1, 3, 3))), Hex(BitsOf(0.9)));
  EXPECT_EQ(Hex(BitsOf(0.9)), Hex(0x3FECCCCCCCCCCCCD));
}

// Pixels to centimetres: q = dbl(ext(px ÷ dpi)), then dbl(ext(q × 2.54)).
TEST(DivideInExtended, GivesTheConverterResults) {
  struct Case {
    const char* name;
    double pixels;
    double dotsPerInch;
    std::uint64_t quotient;
    std::uint64_t centimetres;
  };
  const Case cases[] = {
      {"72 px at 72 dpi: 2.54", 72, 72, One, CentimetresPerInchBits},
      {"100 px at 72 dpi", 100, 72, 0x3FF638E38E38E38E, 0x400C38E38E38E38E},
      {"1920 px at 96 dpi", 1920, 96, 0x4034000000000000, 0x4049666666666666},
      // An empty resolution reads as 0.
      {"1 px at 0 dpi", 1, 0, PlusInfinity, PlusInfinity},
      {"-5 px at 0 dpi", -5, 0, MinusInfinity, MinusInfinity},
      {"0 px at 0 dpi", 0, 0, DefaultNaNBits, DefaultNaNBits},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double quotient = DivideInExtended(c.pixels, c.dotsPerInch);
    EXPECT_EQ(Hex(BitsOf(quotient)), Hex(c.quotient));
    const double centimetres = ExtendedToDouble(ExtendedMultiply(
        ExtendedFromDouble(quotient), ExtendedFromDouble(DoubleOf(CentimetresPerInchBits))));
    EXPECT_EQ(Hex(BitsOf(centimetres)), Hex(c.centimetres));
  }
}

}  // namespace
}  // namespace tessavor::test
