// The integer helpers of the exact conversion paths, each at the ends of
// its domain: the 128-bit multiplication and division on 32-bit halves, and
// every operation of the fixed-capacity big integer up to its capacity.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/big_uint.h"
#include "core/wide_uint.h"

namespace tessavor {
namespace {

constexpr uint64_t kMax64 = ~uint64_t{0};

uint64_t SeedFromEnvironment(const char* testName) {
  const char* text = std::getenv("TESSAVOR_SEED");
  const uint64_t seed =
      text != nullptr
          ? std::strtoull(text, nullptr, 10)
          : static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::printf("%s seed: %llu\n", testName, static_cast<unsigned long long>(seed));
  return seed;
}

// A 64-bit value of random width, so that every normalisation shift occurs.
uint64_t RandomOfRandomWidth(std::mt19937_64& random) {
  const int width = static_cast<int>(random() % 64) + 1;
  return (random() >> (64 - width)) | (uint64_t{1} << (width - 1));
}

struct LeadingCase {
  int bitLength;
  uint64_t leading;
  bool lowerBitsSet;
};

void ExpectLeading(const BigUint& value, LeadingCase expected) {
  ASSERT_FALSE(value.IsZero());
  bool lower = false;
  const uint64_t leading = value.LeadingBits(&lower);
  EXPECT_EQ(value.BitLength(), expected.bitLength);
  EXPECT_EQ(leading, expected.leading);
  EXPECT_EQ(lower, expected.lowerBitsSet);
}

TEST(WideUint, MultiplyAtTheEnds) {
  struct Case {
    uint64_t a, b;
    Uint128 product;
  };
  const Case cases[] = {
      {0, kMax64, {0, 0}},
      {1, kMax64, {0, kMax64}},
      {kMax64, kMax64, {kMax64 - 1, 1}},
      {uint64_t{1} << 32, uint64_t{1} << 32, {1, 0}},
      {0xFFFFFFFF, 0xFFFFFFFF, {0, 0xFFFFFFFE00000001}},
      {uint64_t{1} << 63, 2, {1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.a << " * " << c.b);
    for (Uint128 p : {MultiplyWidePortable(c.a, c.b), MultiplyWide(c.a, c.b)}) {
      EXPECT_EQ(p.high, c.product.high);
      EXPECT_EQ(p.low, c.product.low);
    }
  }
}

TEST(WideUint, DivideAtTheEnds) {
  struct Case {
    uint64_t high, low, divisor, quotient, remainder;
  };
  const Case cases[] = {
      {0, kMax64, 1, kMax64, 0},                           // smallest divisor
      {kMax64 - 1, kMax64, kMax64, kMax64, kMax64 - 1},    // largest quotient and divisor
      {0, 0, kMax64, 0, 0},
      {1, 0, 2, uint64_t{1} << 63, 0},
      {0xFFFFFFFF, kMax64, uint64_t{1} << 32, kMax64, 0xFFFFFFFF},  // low half of divisor 0
      {1, 0, (uint64_t{1} << 32) + 1, 0xFFFFFFFF, 1},  // 2^64 = (2^32 + 1)(2^32 - 1) + 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.high << ":" << c.low << " / " << c.divisor);
    const WideDivision d = DivideWide(c.high, c.low, c.divisor);
    EXPECT_EQ(d.quotient, c.quotient);
    EXPECT_EQ(d.remainder, c.remainder);
  }
}

// quotient × divisor + remainder == dividend and remainder < divisor, over
// random operands of every width; and the portable multiplication against
// the compiler's 128-bit type where there is one.
TEST(WideUint, RandomOperandsAgreeWithTheDefinition) {
  std::mt19937_64 random(SeedFromEnvironment("WideUint.RandomOperandsAgreeWithTheDefinition"));
  for (int i = 0; i < 200000; ++i) {
    const uint64_t divisor = RandomOfRandomWidth(random);
    const uint64_t high = RandomOfRandomWidth(random) % divisor;
    const uint64_t low = random();
    const WideDivision d = DivideWide(high, low, divisor);
    ASSERT_LT(d.remainder, divisor);
    const Uint128 back = MultiplyWidePortable(d.quotient, divisor);
    const uint64_t backLow = back.low + d.remainder;
    const uint64_t backHigh = back.high + (backLow < back.low ? 1 : 0);
    ASSERT_EQ(backHigh, high) << std::hex << high << ":" << low << " / " << divisor;
    ASSERT_EQ(backLow, low) << std::hex << high << ":" << low << " / " << divisor;
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 Native;
    const uint64_t a = RandomOfRandomWidth(random), b = RandomOfRandomWidth(random);
    const Native product = static_cast<Native>(a) * b;
    const Uint128 portable = MultiplyWidePortable(a, b);
    ASSERT_EQ(portable.high, static_cast<uint64_t>(product >> 64)) << std::hex << a << " " << b;
    ASSERT_EQ(portable.low, static_cast<uint64_t>(product)) << std::hex << a << " " << b;
    const Native dividend = (static_cast<Native>(high) << 64) | low;
    ASSERT_EQ(d.quotient, static_cast<uint64_t>(dividend / divisor));
#endif
  }
}

TEST(BigUint, HoldsAny64BitValue) {
  EXPECT_TRUE(BigUint(0).IsZero());
  EXPECT_EQ(BigUint(0).BitLength(), 0);
  ExpectLeading(BigUint(1), {1, uint64_t{1} << 63, false});
  ExpectLeading(BigUint(uint64_t{1} << 32), {33, uint64_t{1} << 63, false});
  ExpectLeading(BigUint(kMax64), {64, kMax64, false});
}

TEST(BigUint, MultiplyAddAtTheEnds) {
  BigUint value(kMax64);
  value.MultiplyAdd(0xFFFFFFFF, 0xFFFFFFFF);  // (2^64 - 1)(2^32 - 1) + 2^32 - 1 = 2^96 - 2^64
  ExpectLeading(value, {96, 0xFFFFFFFF00000000, false});
  value.MultiplyAdd(1, 0);
  ExpectLeading(value, {96, 0xFFFFFFFF00000000, false});
  value.MultiplyAdd(0, 0);
  EXPECT_TRUE(value.IsZero());
  value.MultiplyAdd(10, 0);
  EXPECT_TRUE(value.IsZero());
  value.MultiplyAdd(10, 7);
  EXPECT_EQ(Compare(value, BigUint(7)), 0);
}

TEST(BigUint, PowersOfFiveAndTen) {
  struct Case {
    int exponent;
    LeadingCase expected;
  };
  // 5^13 is the largest power of five in one limb; 5^349 the largest divisor
  // used when reading a text.
  const Case fives[] = {
      {0, {1, uint64_t{1} << 63, false}},
      {13, {31, 0x9184E72A00000000, false}},
      {14, {33, uint64_t{6103515625} << 31, false}},
      {27, {63, 0xCECB8F27F4200F3A, false}},
      {349, {811, 0xA378FCEE723D7BB8, true}},
  };
  for (const Case& c : fives) {
    SCOPED_TRACE(c.exponent);
    BigUint value(1);
    value.MultiplyByPowerOfFive(c.exponent);
    ExpectLeading(value, c.expected);
  }
  // The largest values formed: (10^24 - 1) × 10^308 when reading, and
  // (2^53 - 1) × 10^341 as the bound for writing.
  BigUint reading(999999999999999999);
  reading.MultiplyAdd(1000000, 999999);
  reading.MultiplyByPowerOfTen(308);
  ExpectLeading(reading, {1103, 0xEB96BF6EBADF77D8, true});
  BigUint writing((uint64_t{1} << 53) - 1);
  writing.MultiplyByPowerOfTen(341);
  ExpectLeading(writing, {1186, 0xDB68C2CA82ED232A, true});
}

TEST(BigUint, ShiftLeftAcrossLimbsUpToCapacity) {
  for (int bits : {0, 1, 31, 32, 33, 63, 64, 65, 1000, BigUint::kCapacityLimbs * 32 - 64}) {
    SCOPED_TRACE(bits);
    BigUint value(kMax64);
    value.ShiftLeft(bits);
    ExpectLeading(value, {64 + bits, kMax64, false});
  }
  BigUint top(1);
  top.ShiftLeft(BigUint::kCapacityLimbs * 32 - 1);
  ExpectLeading(top, {BigUint::kCapacityLimbs * 32, uint64_t{1} << 63, false});
  BigUint zero;
  zero.ShiftLeft(100);
  EXPECT_TRUE(zero.IsZero());
}

TEST(BigUint, SubtractBorrowsAcrossLimbs) {
  BigUint value(1);
  value.ShiftLeft(96);
  value.Subtract(BigUint(1));  // 2^96 - 1
  ExpectLeading(value, {96, kMax64, true});
  BigUint same(kMax64);
  same.Subtract(BigUint(kMax64));
  EXPECT_TRUE(same.IsZero());
  BigUint small(5);
  small.Subtract(BigUint(0));
  EXPECT_EQ(Compare(small, BigUint(5)), 0);
}

TEST(BigUint, CompareBySizeThenLimbs) {
  BigUint large(1);
  large.ShiftLeft(64);
  EXPECT_LT(Compare(BigUint(kMax64), large), 0);
  EXPECT_GT(Compare(large, BigUint(kMax64)), 0);
  EXPECT_EQ(Compare(BigUint(0), BigUint(0)), 0);
  EXPECT_LT(Compare(BigUint(0x100000000), BigUint(0x100000001)), 0);
  EXPECT_GT(Compare(BigUint(0x200000000), BigUint(0x1FFFFFFFF)), 0);
}

TEST(BigUint, LeadingBitsSeeEveryLowerBit) {
  BigUint shortValue(0x5);
  ExpectLeading(shortValue, {3, 0xA000000000000000, false});
  // 65 bits: the lowest one is below the leading 64.
  BigUint odd(kMax64);
  odd.ShiftLeft(1);
  odd.MultiplyAdd(1, 1);
  ExpectLeading(odd, {65, kMax64, true});
  BigUint even(kMax64);
  even.ShiftLeft(1);
  ExpectLeading(even, {65, kMax64, false});
  // Leading bits that start on a limb boundary, with a set bit far below.
  BigUint aligned(kMax64);
  aligned.ShiftLeft(128);
  aligned.MultiplyAdd(1, 1);
  ExpectLeading(aligned, {192, kMax64, true});
  BigUint clean(kMax64);
  clean.ShiftLeft(128);
  ExpectLeading(clean, {192, kMax64, false});
}

TEST(BigUint, DivideShiftedAtTheEnds) {
  BigUint remainder(2);
  EXPECT_EQ(DivideShifted(remainder, BigUint(3), 0), 0u);
  EXPECT_EQ(Compare(remainder, BigUint(2)), 0);
  EXPECT_EQ(DivideShifted(remainder, BigUint(3), 64), 0xAAAAAAAAAAAAAAAAu);  // 2^65 / 3
  EXPECT_EQ(Compare(remainder, BigUint(2)), 0);
  // (d - 1) × 2^64 / d = 2^64 - 1 with remainder d - 2^64, for d = 5^349.
  BigUint divisor(1);
  divisor.MultiplyByPowerOfFive(349);
  BigUint big(1);
  big.MultiplyByPowerOfFive(349);
  big.Subtract(BigUint(1));
  EXPECT_EQ(DivideShifted(big, divisor, 64), kMax64);
  BigUint expected(1);
  expected.MultiplyByPowerOfFive(349);
  BigUint twoTo64(1);
  twoTo64.ShiftLeft(64);
  expected.Subtract(twoTo64);
  EXPECT_EQ(Compare(big, expected), 0);
}

// On 64-bit operands DivideShifted must agree with DivideWide.
TEST(BigUint, DivideShiftedAgreesWithDivideWide) {
  std::mt19937_64 random(SeedFromEnvironment("BigUint.DivideShiftedAgreesWithDivideWide"));
  for (int i = 0; i < 20000; ++i) {
    const uint64_t divisor = RandomOfRandomWidth(random);
    const uint64_t start = random() % divisor;
    BigUint remainder(start);
    const uint64_t quotient = DivideShifted(remainder, BigUint(divisor), 64);
    const WideDivision expected = DivideWide(start, 0, divisor);
    ASSERT_EQ(quotient, expected.quotient) << std::hex << start << " / " << divisor;
    ASSERT_EQ(Compare(remainder, BigUint(expected.remainder)), 0) << std::hex << start << " / " << divisor;
  }
}

}  // namespace
}  // namespace tessavor
