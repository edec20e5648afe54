// Writing numbers as texts: the exact leading digits, the two roundings
// (to 17 digits, then to 13 by the 14th), the fixed and exponential layouts
// and the texts of infinities and NaNs. Inputs are given as bit patterns.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <string>

#include "core/big_uint.h"
#include "core/double_bits.h"
#include "core/leading_digits.h"
#include "core/numeric_text.h"
#include "tests/core/test_doubles.h"

namespace tessavor {
namespace {

using test::DescribeBits;

struct WriteCase {
  uint64_t bits;
  const char* text;
};

void ExpectAllWritten(std::initializer_list<WriteCase> cases) {
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(DescribeBits(c.bits));
    EXPECT_EQ(NumberToText(BitsToDouble(c.bits)), c.text);
  }
}

TEST(NumberToText, ZeroHasNoSign) {
  ExpectAllWritten({{0x0000000000000000, "0"}, {0x8000000000000000, "0"}});
}

TEST(NumberToText, FixedFormFromExponentMinus4To12) {
  ExpectAllWritten({
      {0x3FF0000000000000, "1"},
      {0xC004000000000000, "-2.5"},
      {0x409E000000000000, "1920"},
      {0x3FE0000000000000, "0.5"},
      {0x3FD5555555555555, "0.3333333333333"},    // 1/3
      {0xBFE5555555555555, "-0.6666666666667"},   // -2/3
      {0x3FD3333333333334, "0.3"},                // 0.1 + 0.2
      {0x4071B76EDDBB782D, "283.4645669292"},
      {0x403C58B162C58D15, "28.34645669292"},
      {0x4052000000000145, "72"},                 // 72.00000000000462
      {0x40052AAAAAAAAAAB, "2.645833333333"},
      {0x3FA20FEDCBA98765, "0.03527777777778"},
      {0x3F1A36E2EB1C432D, "0.0001"},
      {0x3F202E4B6CE5DC68, "0.00012345"},
      {0x4271F71FB04CB666, "1234567890123"},      // 1234567890123.4
      {0x42A2309CE53FFE00, "9999999999999"},
      {0x4061B76EDDBB7B79, "141.7322834646"},
  });
}

TEST(NumberToText, ExponentialFormHasThreeExponentDigits) {
  ExpectAllWritten({
      {0x3EE4F8B588E368F1, "1e-005"},               // 0.00001
      {0x3E7AD7F29ABCAF48, "1e-007"},
      {0x3F1A36E2EB1C404B, "9.999999999999e-005"},  // 0.00009999999999999
      {0x42A674E79C5FE400, "1.234567890123e+013"},  // 12345678901234
      {0x4415AF1D78B58C40, "1e+020"},
      {0x437B69B4BA630F35, "1.234567890123e+017"},  // 123456789012345678
      {0x54B249AD2594C37D, "1e+100"},
      {0x2B2BFF2EE48E0530, "1e-100"},
      {0xC3F0000000000000, "-1.844674407371e+019"},  // -2^64
  });
}

TEST(NumberToText, ExtremeValues) {
  ExpectAllWritten({
      {0x7FEFFFFFFFFFFFFF, "1.797693134862e+308"},
      {0x0000000000000001, "4.940656458412e-324"},
      {0x8000000000000001, "-4.940656458412e-324"},
      {0x000FFFFFFFFFFFFF, "2.225073858507e-308"},
      {0x0010000000000000, "2.225073858507e-308"},
      {0xFFEFFFFFFFFFFFFF, "-1.797693134862e+308"},
  });
}

// Each group: just below the carry, then across it.
TEST(NumberToText, RoundsTwiceFirstTo17ThenTo13Digits) {
  ExpectAllWritten({
      // The 14th digit alone decides, and may carry into a new digit.
      {0x3FEFFFFFFFFFFE3D, "0.9999999999999"},      // 0.99999999999994...
      {0x3FEFFFFFFFFFFE3E, "1"},                    // 0.99999999999995
      {0x42A2309CE53FFE00, "9999999999999"},
      {0x42A2309CE53FFF00, "1e+013"},               // 9999999999999.5
      {0x3FB9999999999831, "0.09999999999999"},     // 0.099999999999995, stays below
      // Digits 14 to 17 are 4999: the 18th digit decides through the
      // rounding to 17 digits.
      {0x3D35E47AC2E3CD17, "7.777777777777e-014"},  // ...7777 4999 1
      {0x01DAC9A7B3B72EB6, "9.999999999999e-300"},  // ...9999 4999 2
      {0x3D2C232479FB5796, "4.998184148713e-014"},  // ...8712 4999 7
      {0x3FF3C0CA428C5ABE, "1.234567890124"},       // ...0123 4999 8
      {0x01BAC9A7B3B73613, "2.500000000001e-300"},  // ...0000 4999 7
      // Digits 14 to 17 are 5000.
      {0x4271F71FB04CB800, "1234567890124"},        // exactly ...0123 5000 0
      {0x4004000000000466, "2.500000000001"},       // ...0000 5000 4
  });
}

TEST(NumberToText, SpecialValuesHaveTextsOfTheirOwn) {
  ExpectAllWritten({
      {0x7FF0000000000000, "1.#INF"},
      {0xFFF0000000000000, "-1.#INF"},
      {0xFFF8000000000000, "-1.#IND"},   // the default NaN of 0/0
      {0x7FF8000000000000, "1.#QNAN"},   // the same with the sign clear
      {0xFFF8000000000001, "-1.#QNAN"},
      {0x7FFFFFFFFFFFFFFF, "1.#QNAN"},
      {0xFFFFFFFFFFFFFFFF, "-1.#QNAN"},
      {0x7FF0000000000001, "1.#QNAN"},   // signalling, shown as quiet
      {0xFFF4000000000000, "-1.#QNAN"},
  });
}

// Random bit patterns of every kind: the text is never empty, at most 20
// characters, and uses only the characters of the number forms.
TEST(NumberToText, TextIsShortAndAscii) {
  const char* seedText = std::getenv("TESSAVOR_SEED");
  const uint64_t seed = seedText != nullptr
                            ? std::strtoull(seedText, nullptr, 10)
                            : static_cast<uint64_t>(
                                  std::chrono::steady_clock::now().time_since_epoch().count());
  std::printf("TextIsShortAndAscii seed: %llu\n", static_cast<unsigned long long>(seed));
  SCOPED_TRACE(testing::Message() << "TESSAVOR_SEED=" << seed);
  std::mt19937_64 random(seed);
  for (int i = 0; i < 100000; ++i) {
    const uint64_t bits = random();
    const std::string text = NumberToText(BitsToDouble(bits));
    ASSERT_FALSE(text.empty()) << DescribeBits(bits);
    ASSERT_LE(text.size(), 20u) << DescribeBits(bits);
    for (char c : text) {
      ASSERT_TRUE((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' ||
                  c == '#' || (c >= 'A' && c <= 'Z'))
          << DescribeBits(bits) << " " << text;
    }
  }
  // The longest form: a sign, 13 digits and a three-digit exponent.
  EXPECT_EQ(NumberToText(BitsToDouble(0xAB31482FE620BECA)), "-1.234567890123e-100");
}

// The sign of 10^a - 2^b, compared as whole numbers: each negative
// power moves to the other side as a positive one.
int ComparePowerOfTenWithPowerOfTwo(int a, int b) {
  BigUint left(1), right(1);
  left.MultiplyByPowerOfTen(a > 0 ? a : 0);
  left.ShiftLeft(b < 0 ? -b : 0);
  right.ShiftLeft(b > 0 ? b : 0);
  right.MultiplyByPowerOfTen(a < 0 ? -a : 0);
  return Compare(left, right);
}

TEST(LeadingDigits, FloorLog10Pow2IsExactOverItsDomain) {
  for (int e = -1100; e <= 1100; ++e) {
    const int f = FloorLog10Pow2(e);
    // 10^f <= 2^e < 10^(f+1).
    ASSERT_LE(ComparePowerOfTenWithPowerOfTwo(f, e), 0) << e;
    ASSERT_GT(ComparePowerOfTenWithPowerOfTwo(f + 1, e), 0) << e;
  }
}

// The ends of the domain and the switches between the 64-bit, 128-bit and
// big-integer ways of computing the digits.
TEST(LeadingDigits, ExactAtTheEndsAndAtEachSwitch) {
  struct DigitsCase {
    uint64_t significand;
    int exponent;
    uint64_t digits;
    int decimalExponent;
  };
  const DigitsCase cases[] = {
      {0x1, -1074, 494065645841246544u, -324},               // smallest subnormal
      {0xFFFFFFFFFFFFF, -1074, 222507385850720088u, -308},   // largest subnormal
      {0x10000000000000, -1074, 222507385850720138u, -308},  // 2^-1022
      {0x1FFFFFFFFFFFFF, 971, 179769313486231570u, 308},     // largest double
      {0x1, 0, 100000000000000000u, 0},
      {0x1FFFFFFFFFFFFF, -53, 999999999999999888u, -1},      // just below 1
      {0x147AE147AE147B, -59, 100000000000000002u, -2},      // 0.01: 10^19 scales
      {0x147AE147AE147A, -59, 999999999999999847u, -3},      // below: 10^20 scales
      {0x1BC16D674EC7FF, 7, 999999999999999872u, 17},        // below 10^18
      {0x3782DACE9D9, 18, 100000000000000000u, 18},          // 10^18 exactly
      {0x1BC16D674EC800, 7, 100000000000000000u, 18},        // the same, normalised
      {0x1, 63, 922337203685477580u, 18},
      {0x1, 64, 184467440737095516u, 19},                    // beyond 64 bits
      {0x10000000000000, 12, 184467440737095516u, 19},
      {0x1158E460913D00, 11, 100000000000000000u, 19},       // 10^19
      {0x10F0CF064DD592, 21, 100000000000000000u, 22},       // 10^22, exact
      {0x152D02C7E14AF6, 24, 999999999999999916u, 22},       // nearest to 10^23
  };
  for (const DigitsCase& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.significand << " " << std::dec << c.exponent);
    const LeadingDigits leading = ExactLeadingDigits(c.significand, c.exponent);
    EXPECT_EQ(leading.digits, c.digits);
    EXPECT_EQ(leading.exponent, c.decimalExponent);
  }
}

}  // namespace
}  // namespace tessavor
