// Reading field texts as numbers: the full-width fold, the scan, the decimal
// value with its 24/25-digit and exponent limits, and the rounding with its
// odd ties. Doubles are given as bit patterns; GBK bytes as escapes.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/double_bits.h"
#include "core/fold_scan.h"
#include "core/numeric_text.h"
#include "tests/core/test_doubles.h"

namespace tessavor {
namespace {

using test::DescribeBits;
using test::Printable;

constexpr uint64_t kPlusZero = 0;
constexpr uint64_t kMinusZero = kSignMask;
constexpr uint64_t kPlusInfinity = kInfinityBits;
constexpr uint64_t kMinusInfinity = kSignMask | kInfinityBits;
constexpr uint64_t kLargestDouble = 0x7FEFFFFFFFFFFFFF;
constexpr uint64_t kSmallestSubnormal = 0x0000000000000001;
constexpr uint64_t kLargestSubnormal = 0x000FFFFFFFFFFFFF;
constexpr uint64_t kSmallestNormal = 0x0010000000000000;

struct ReadCase {
  std::string text;
  uint64_t bits;
};

void ExpectAllRead(std::initializer_list<ReadCase> cases) {
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    EXPECT_EQ(DescribeBits(DoubleToBits(TextToNumber(c.text))), DescribeBits(c.bits));
  }
}

TEST(TextToNumber, ReadsPlainNumbers) {
  ExpectAllRead({
      {"72", 0x4052000000000000},
      {"  72", 0x4052000000000000},
      {"\t-3.5", 0xC00C000000000000},
      {"\n\v\f\r +7", 0x401C000000000000},
      {".5", 0x3FE0000000000000},
      {"5.", 0x4014000000000000},
      {"0.1", 0x3FB999999999999A},
      {"141.7322834646", 0x4061B76EDDBB7B79},
      {"0.3937007874016", 0x3FD93264C9932813},
      {"2.54", 0x400451EB851EB852},
      {"18446744073709551615", 0x43F0000000000000},
  });
}

// Bytes 0x08, 0x0E and the GBK space-like pairs that are not the
// ideographic space do not count as white space.
TEST(TextToNumber, OnlyAsciiAndIdeographicSpacesArePassed) {
  ExpectAllRead({
      {"\xA1\xA1\xA1\xA1" "7", 0x401C000000000000},
      {" \xA1\xA1\t\xA1\xA1" "7", 0x401C000000000000},
      {"\x08" "7", kPlusZero},
      {"\x0E" "7", kPlusZero},
      {"\xA0" "7", kPlusZero},
      {"\xA1\xA2" "7", kPlusZero},
  });
}

TEST(TextToNumber, FullWidthFormsFold) {
  ExpectAllRead({
      {"\xA3\xB7\xA3\xB2", 0x4052000000000000},                          // ７２
      {"\xA3\xAD\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 0xC029000000000000},  // －１２．５
      {"\xA3\xB1\xA3\xE5\xA3\xB3", 0x408F400000000000},                  // １ｅ３
      {"\xA3\xB3\xA3\xAE\xA3\xB5" "cm", 0x400C000000000000},             // ３．５cm
      {"\xA3\xAB\xA3\xB5", 0x4014000000000000},                          // ＋５
      {"1\xA3\xB2.\xA3\xB5", 0x4029000000000000},                        // mixed widths
      {"\xA3\xB2\xA3\xAE\xA3\xB5\xA3\xC4-1", 0x3FD0000000000000},        // ２．５Ｄ-1
      {"\xA3\xB1\xA3\xC5\xA3\xAB\xA3\xB2", 0x4059000000000000},          // １Ｅ＋２
      {"\xA3\xB9\xA3\xE4\xA3\xAD\xA3\xB1", 0x3FECCCCCCCCCCCCD},          // ９ｄ－１
  });
}

TEST(TextToNumber, AnythingAfterTheNumberIsIgnored) {
  ExpectAllRead({
      {"10\xC0\xE5\xC3\xD7", 0x4024000000000000},  // 10厘米
      {"1,500", 0x3FF0000000000000},
      {"1\xA3\xAC" "500", 0x3FF0000000000000},  // full-width comma
      {"1 000", 0x3FF0000000000000},
      {"1.2.3", 0x3FF3333333333333},
      {"12+3", 0x4028000000000000},
      {"12-3", 0x4028000000000000},
      {"0x1A", kPlusZero},
      {"7\xA3", 0x401C000000000000},     // lead byte without a partner
      {"7\xB0" "8", 0x401C000000000000},  // a pair that does not fold
      {"7\xA3\xA0" "8", 0x401C000000000000},
      {"7\xA3\xFF" "8", 0x401C000000000000},
  });
}

TEST(TextToNumber, TextsWithoutNumberGiveZero) {
  ExpectAllRead({
      {"abc", kPlusZero},  {"", kPlusZero},     {"-", kPlusZero},     {".", kPlusZero},
      {"-.", kPlusZero},   {"--5", kPlusZero},  {"+-5", kPlusZero},   {"e5", kPlusZero},
      {"-e5", kPlusZero},  {"\xA3", kPlusZero}, {"   ", kPlusZero},   {"\xA1\xA1", kPlusZero},
      {"..5", kPlusZero},  {"-.e1", kPlusZero}, {"\xA3\xAD", kPlusZero},
  });
}

TEST(TextToNumber, ExponentNeedsADigit) {
  ExpectAllRead({
      {"1e3", 0x408F400000000000},
      {"1E+03", 0x408F400000000000},
      {"1d3", 0x408F400000000000},
      {"1D3", 0x408F400000000000},
      {"2.5D-1", 0x3FD0000000000000},
      {"1e", 0x3FF0000000000000},
      {"1e+", 0x3FF0000000000000},
      {"1e+x", 0x3FF0000000000000},
      {"1e-", 0x3FF0000000000000},
      {"1e+-3", 0x3FF0000000000000},
      {"1ee3", 0x3FF0000000000000},
      {"1x3", 0x3FF0000000000000},
      {".5e1", 0x4014000000000000},
      {"5.e-1", 0x3FE0000000000000},
  });
}

TEST(TextToNumber, ZeroKeepsTheSignOfTheText) {
  ExpectAllRead({
      {"-0", kMinusZero},
      {"-0.000", kMinusZero},
      {"-.0", kMinusZero},
      {"-0e999", kMinusZero},
      {"0e999", kPlusZero},
      {"+0", kPlusZero},
      {"-1e-400", kMinusZero},
      {"1e-400", kPlusZero},
      {"-2.5e-324", kMinusZero},
  });
}

// Each group: the boundary itself, then just below and just across it.
TEST(RoundingRule, HalfwayAndThreeQuartersGoTowardZero) {
  ExpectAllRead({
      // Halfway between 2^53 and 2^53 + 2.
      {"9007199254740993", 0x4340000000000000},
      {"9007199254740992.99999999", 0x4340000000000000},
      {"9007199254740993.00000001", 0x4340000000000001},
      {"9007199254740995", 0x4340000000000001},
      {"-9007199254740993", 0xC340000000000000},
      {"-9007199254740993.00000001", 0xC340000000000001},
      // Steps of 4 above 2^54: 86 is halfway, 87 three quarters.
      {"18014398509481986", 0x4350000000000000},
      {"18014398509481986.0000001", 0x4350000000000001},
      {"18014398509481987", 0x4350000000000000},
      {"18014398509481986.9999999", 0x4350000000000001},
      {"18014398509481987.0000001", 0x4350000000000001},
      // Steps of 0.25 above 2^50: .125 halfway, .1875 three quarters.
      {"1125899906842624.125", 0x4310000000000000},
      {"1125899906842624.12499999", 0x4310000000000000},
      {"1125899906842624.12500001", 0x4310000000000001},
      {"1125899906842624.1875", 0x4310000000000000},
      {"1125899906842624.18749999", 0x4310000000000001},
      {"1125899906842624.18750001", 0x4310000000000001},
      // Halfway below 2 lies 1.999999999999999888978...; these 19-digit
      // texts differ from it only beyond the 64th bit, which the remainder
      // of the division must show.
      {"1.999999999999999888", 0x3FFFFFFFFFFFFFFF},
      {"1.999999999999999889", 0x4000000000000000},
      // Halfway above 8 lies 8.000000000000000888178...
      {"8.000000000000000888", 0x4020000000000000},
      {"8.000000000000000889", 0x4020000000000001},
      // 7e22 lies exactly halfway between two doubles.
      {"7e22", 0x44ADA56A4B0835BF},
      {"69999999999999995805696", 0x44ADA56A4B0835BF},
  });
}

// Below 2^-1022 a value goes up only when more than three quarters of the
// way to the next multiple of 2^-1074; the 24-digit texts bracket the exact
// points, which have hundreds of digits.
TEST(RoundingRule, SubnormalsRoundUpOnlyPastThreeQuarters) {
  ExpectAllRead({
      {"4e-324", kSmallestSubnormal},
      {"3.7e-324", kPlusZero},
      {"2.5e-324", kPlusZero},
      // Three quarters of 2^-1074.
      {"3.70549234380934908132426e-324", kPlusZero},
      {"3.70549234380934908132427e-324", kSmallestSubnormal},
      // Half of 2^-1074 and 1.5 units go down, unlike in the normal range.
      {"2.47032822920623272088285e-324", kPlusZero},
      {"7.41098468761869816264854e-324", kSmallestSubnormal},
      // 1.75 units.
      {"8.64614880222181452308995e-324", kSmallestSubnormal},
      {"8.64614880222181452308996e-324", 0x0000000000000002},
      // Three quarters past the largest subnormal: the carry reaches 2^-1022.
      {"2.22507385850720125957382e-308", kLargestSubnormal},
      {"2.22507385850720125957383e-308", kSmallestNormal},
      {"2.22507385850720113605741e-308", kLargestSubnormal},
      // From 2^-1022 on the normal rule holds again.
      {"2.22507385850720163012305e-308", kSmallestNormal},
      {"2.22507385850720163012306e-308", 0x0010000000000001},
      {"-3.70549234380934908132427e-324", kSignMask | kSmallestSubnormal},
  });
}

TEST(RoundingRule, OverflowStartsWhereTheRoundedValueReaches2To1024) {
  ExpectAllRead({
      {"1.7976931348623158e308", kLargestDouble},
      {"1.7976931348623159e308", kPlusInfinity},
      // Halfway above the largest double.
      {"1.79769313486231580793728e308", kLargestDouble},
      {"1.79769313486231580793729e308", kPlusInfinity},
      {"-1.79769313486231580793728e308", kSignMask | kLargestDouble},
      {"1.79769313486231590772930e308", kPlusInfinity},  // just below 2^1024
      {"1e400", kPlusInfinity},
      {"1e99999", kPlusInfinity},
      {"-1e400", kMinusInfinity},
  });
}

struct ScanCase {
  std::string text;
  bool negative;
  std::string digits;  // as characters; empty for zero
  int64_t exponent;
};

void ExpectAllScan(std::initializer_list<ScanCase> cases) {
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(Printable(c.text));
    const DecimalNumber number = ScanDecimalNumber(c.text);
    std::string digits;
    for (int i = 0; i < number.digitCount; ++i) digits += static_cast<char>('0' + number.digits[i]);
    EXPECT_EQ(number.negative, c.negative);
    EXPECT_EQ(digits, c.digits);
    if (!c.digits.empty()) {
      EXPECT_EQ(number.exponent, c.exponent);
    }
  }
}

TEST(DecimalValue, LeadingAndTrailingZerosOnlyPlaceTheDigits) {
  ExpectAllScan({
      {"0012.3400", false, "1234", -2},
      {"  -0012.3400e+2", true, "1234", 0},
      {"1200", false, "12", 2},
      {"0.0500", false, "5", -2},
      {"000.000123", false, "123", -6},
      {"-0.0", true, "", 0},
      {"0", false, "", 0},
      {"-", false, "", 0},
  });
}

// 25 significant digits are read; the 25th rounds the 24th, with a carry.
TEST(DecimalValue, TwentyFifthDigitRoundsTheTwentyFourth) {
  const std::string nines(24, '9');
  ExpectAllScan({
      {"123456789012345678901234", false, "123456789012345678901234", 0},
      {"1234567890123456789012344", false, "123456789012345678901234", 1},
      {"1234567890123456789012345", false, "123456789012345678901235", 1},
      {"1234567890123456789012395", false, "12345678901234567890124", 2},
      {nines + "4", false, nines, 1},
      {nines + "5", false, "1", 25},
      {"0." + nines + "5", false, "1", 0},
      {"-0.00" + nines + "5e3", true, "1", 1},
      // Digits past the 25th: before the point they raise the exponent,
      // after it they are ignored, whatever they are.
      {"1234567890123456789012344999", false, "123456789012345678901234", 4},
      {"1.234567890123456789012344999", false, "123456789012345678901234", -23},
      {"1.234567890123456789012345000", false, "123456789012345678901235", -23},
  });
}

TEST(DecimalValue, WrittenExponentSaturatesAt5201) {
  ExpectAllScan({
      {"1e5200", false, "1", 5200},
      {"1e5201", false, "1", 5201},
      {"1e5202", false, "1", 5201},
      {"1e-5202", false, "1", -5201},
      {"1e99999999999999999999999999999", false, "1", 5201},
      {"1e0000000000000000000000000000012", false, "1", 12},
      {"100e-5202", false, "1", -5199},
      {"0.001e5201", false, "1", 5198},
      {"1e52009", false, "1", 5201},
  });
  // The saturated exponent still combines with the places of the digits.
  ExpectAllRead({
      {"0.0001e5201", kPlusInfinity},
      {"1" + std::string(5300, '0') + "e-5300", 0x547D42AEA2879F2E},  // 10^99
      {"0." + std::string(5400, '0') + "1e5300", 0x16687E92154EF7AC},  // 10^-200
      {"-1e-99999999999999999999", kMinusZero},
  });
}

// Texts of 16 MB are read in one pass without a copy; the results follow
// from the rules alone.
TEST(TextToNumber, HugeTextsAreReadToTheEnd) {
  constexpr size_t kHuge = size_t{16} << 20;
  ExpectAllRead({
      {std::string(kHuge, '1'), kPlusInfinity},
      {std::string(kHuge, '0'), kPlusZero},
      {"-" + std::string(kHuge, '0') + "1", 0xBFF0000000000000},
      {"0." + std::string(kHuge, '0') + "1", kPlusZero},
      {"1." + std::string(kHuge, '1'), 0x3FF1C71C71C71C72},
      {std::string(kHuge, ' ') + "7", 0x401C000000000000},
      {std::string(kHuge, 'x'), kPlusZero},
      {"7" + std::string(kHuge, 'x'), 0x401C000000000000},
  });
  std::string fullWidth;
  fullWidth.reserve(kHuge);
  while (fullWidth.size() < kHuge) fullWidth += "\xA3\xB1";
  ExpectAllRead({{fullWidth, kPlusInfinity}, {"\xA3\xAE" + fullWidth, 0x3FBC71C71C71C71C}});
}

// The pairs that fold, and every pair in their neighbourhood that does not.
TEST(FoldFullWidth, FoldsOnlyTheListedPairs) {
  struct FoldCase {
    unsigned char lead;
    unsigned char trail;
    int folded;
  };
  const FoldCase cases[] = {
      {0xA1, 0xA1, ' '}, {0xA1, 0xAB, '~'}, {0xA1, 0xEE, '*'}, {0xA1, 0xEF, '*'},
      {0xA1, 0xA0, -1},  {0xA1, 0xA2, -1},  {0xA1, 0xAA, -1},  {0xA1, 0xAC, -1},
      {0xA1, 0xED, -1},  {0xA1, 0xF0, -1},  {0xA3, 0xA1, '!'}, {0xA3, 0xFE, '~'},
      {0xA3, 0xA0, -1},  {0xA3, 0xFF, -1},  {0xA3, 0x21, -1},  {0xA3, 0xB0, '0'},
      {0xA3, 0xB9, '9'}, {0xA3, 0xAE, '.'}, {0xA3, 0xAB, '+'}, {0xA3, 0xAD, '-'},
      {0xA3, 0xC5, 'E'}, {0xA3, 0xE5, 'e'}, {0xA3, 0xC4, 'D'}, {0xA3, 0xE4, 'd'},
      {0xA3, 0xAC, ','}, {0xA2, 0xB0, -1},  {0xA4, 0xB0, -1},  {0x80, 0xA1, -1},
      {0xFF, 0xA1, -1},  {0xB0, 0x37, -1},
  };
  for (const FoldCase& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << int{c.lead} << " " << int{c.trail});
    EXPECT_EQ(FoldFullWidth(c.lead, c.trail), c.folded);
  }
  // The whole A3 row maps onto 0x21-0x7E; no lead byte but A1 and A3
  // folds anything.
  for (int trail = 0xA1; trail <= 0xFE; ++trail) {
    EXPECT_EQ(FoldFullWidth(0xA3, static_cast<unsigned char>(trail)), trail - 0x80);
  }
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    if (lead == 0xA1 || lead == 0xA3) continue;
    for (int trail = 0; trail <= 0xFF; ++trail) {
      ASSERT_EQ(FoldFullWidth(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)), -1)
          << std::hex << lead << " " << trail;
    }
  }
}

TEST(FoldCursor, YieldsFoldedBytesAndDropsALoneLeadByte) {
  FoldCursor cursor("7\xA3\xB2\xC0\xE5\xA3");
  EXPECT_EQ(cursor.Peek(), '7');
  cursor.Advance();
  EXPECT_EQ(cursor.Peek(), '2');
  cursor.Advance();
  EXPECT_EQ(cursor.Peek(), 0xC0);  // an unfolded pair shows its lead byte
  cursor.Advance();
  EXPECT_EQ(cursor.Peek(), FoldCursor::kEnd);
}

}  // namespace
}  // namespace tessavor
