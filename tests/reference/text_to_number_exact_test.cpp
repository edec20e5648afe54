// TextToNumber against the exact GMP reading: texts built on and one unit of
// the last digit around every kind of rounding boundary (halfway and three
// quarters between doubles, the subnormal rule, overflow), the 24/25-digit
// and exponent limits, and random texts of random shapes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/double_bits.h"
#include "core/numeric_text.h"
#include "tests/core/test_doubles.h"
#include "tests/reference/differential.h"
#include "tests/reference/exact_reference.h"

namespace tessavor {
namespace {

using reference::ExactDecimal;
using reference::ExactDecimalOf;
using test::DescribeBits;
using test::Printable;

// Compares each text with the oracle; reports the first few mismatches in
// full and counts the rest.
class ReadChecker {
 public:
  void Check(const std::string& text) {
    ++checked_;
    const uint64_t expected = reference::ReadTextExactly(text);
    const uint64_t actual = DoubleToBits(TextToNumber(text));
    if (actual == expected) return;
    if (++mismatches_ <= 10) {
      ADD_FAILURE() << Printable(text) << "\n  reads as " << DescribeBits(actual)
                    << "\n  exactly  " << DescribeBits(expected);
    }
  }
  void Report(const char* what) const {
    std::printf("%s: %ld texts checked, %ld mismatches\n", what, checked_, mismatches_);
    EXPECT_EQ(mismatches_, 0);
  }

 private:
  long checked_ = 0;
  long mismatches_ = 0;
};

// The texts around the exact point digits × 10^exponent: the point itself
// and one unit of its last digit either side; for a long point, its cuts
// to 17 and 19 digits (read by the 64-bit path) and to 24 and 25 digits
// with one unit either side; for a short one, a 25th digit that rounds the
// 24th or does not.
void CheckAround(const ExactDecimal& point, ReadChecker& checker, std::mt19937_64& random) {
  const std::string& digits = point.digits;
  const long length = static_cast<long>(digits.size());
  checker.Check(test::ShapeDecimal(digits, point.exponent, random));
  if (length <= 24) {
    checker.Check(test::ShapeDecimal(test::AddOneUnit(digits), point.exponent, random));
    checker.Check(test::ShapeDecimal(test::SubtractOneUnit(digits), point.exponent, random));
    const std::string padded = digits + std::string(static_cast<size_t>(24 - length), '0');
    for (const char* last : {"4", "5", "9"}) {
      checker.Check(test::ShapeDecimal(padded + last, point.exponent - 25 + length, random));
    }
    return;
  }
  for (long cut : {17L, 19L, 24L, 25L}) {
    const std::string kept = digits.substr(0, static_cast<size_t>(cut));
    const long exponent = point.exponent + length - cut;
    checker.Check(test::ShapeDecimal(kept, exponent, random));
    checker.Check(test::ShapeDecimal(test::AddOneUnit(kept), exponent, random));
    checker.Check(test::ShapeDecimal(test::SubtractOneUnit(kept), exponent, random));
  }
}

// The double significand × 2^exponent and the points a quarter, half and
// three quarters of the way to the next one up.
void CheckBoundariesAbove(uint64_t significand, int exponent, ReadChecker& checker,
                          std::mt19937_64& random) {
  for (uint64_t quarters = 0; quarters < 4; ++quarters) {
    CheckAround(ExactDecimalOf(4 * significand + quarters, exponent - 2), checker, random);
  }
}

TEST(TextToNumberExact, BoundariesInEveryBinade) {
  std::mt19937_64 random(test::SeedFor("TextToNumberExact.BoundariesInEveryBinade"));
  ReadChecker checker;
  const auto start = std::chrono::steady_clock::now();
  for (int biased = 0; biased < kSpecialExponent; ++biased) {
    const int exponent = biased == 0 ? kMinExponent : biased + kMinExponent - 1;
    const uint64_t lowest = biased == 0 ? 1 : kHiddenBit;
    const uint64_t highest = biased == 0 ? kHiddenBit - 1 : 2 * kHiddenBit - 1;
    CheckBoundariesAbove(lowest, exponent, checker, random);
    CheckBoundariesAbove(highest, exponent, checker, random);
    for (int i = 0; i < test::kCountScale; ++i) {
      CheckBoundariesAbove(lowest + random() % (highest - lowest), exponent, checker, random);
    }
  }
  // 2^1024 itself, beyond the largest double.
  CheckAround(ExactDecimalOf(1, 1024), checker, random);
  // The smallest subnormals, where the three-quarter rule decides alone.
  for (uint64_t units = 1; units < 8; ++units) CheckBoundariesAbove(units, kMinExponent, checker, random);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("boundaries took %.2f s\n", seconds);
  checker.Report("BoundariesInEveryBinade");
}

// Halfway and three-quarter points that have at most 24 digits, so that the
// text is exactly on them: c × 5^t × 2^z with c × 5^t of 54 or 55 bits is a
// halfway or quarter point between doubles, and its decimal expansion is
// short when t is large or z small.
TEST(TextToNumberExact, ExactTiesWrittenInFull) {
  std::mt19937_64 random(test::SeedFor("TextToNumberExact.ExactTiesWrittenInFull"));
  ReadChecker checker;
  for (int t = 0; t <= 23; ++t) {
    uint64_t power = 1;
    for (int i = 0; i < t; ++i) power *= 5;
    for (int bits = 54; bits <= 55; ++bits) {
      const uint64_t low = ((uint64_t{1} << (bits - 1)) + power - 1) / power;
      const uint64_t high = ((uint64_t{1} << bits) - 1) / power;
      for (int i = 0; i < 20 * test::kCountScale; ++i) {
        uint64_t c = low + random() % (high - low + 1);
        if (c % 2 == 0) c = c == high ? c - 1 : c + 1;
        if (c < low || c > high) continue;
        for (int z = -40; z <= 70; ++z) {
          const ExactDecimal point = ExactDecimalOf(c * power, z);
          if (point.digits.size() <= 24) CheckAround(point, checker, random);
        }
      }
    }
  }
  checker.Report("ExactTiesWrittenInFull");
}

// Digit counts and exponents at the limits of the scan: the carry of the
// 24th digit, the saturated exponent, long exponents, many leading zeros,
// and the edges of the range in which values are rounded at all.
TEST(TextToNumberExact, ScanLimits) {
  std::mt19937_64 random(test::SeedFor("TextToNumberExact.ScanLimits"));
  ReadChecker checker;
  const std::string nines(24, '9');
  for (int e = -400; e <= 400; ++e) {
    const std::string exponent = std::to_string(e);
    for (const std::string& mantissa :
         {nines + "5", nines + "4", nines + "49", "1" + std::string(23, '0') + "5",
          "0." + nines + "5", "123456789012345678901234" + std::string(30, '7'),
          "1." + std::string(40, '0') + "1", "0." + std::string(300, '0') + "123"}) {
      checker.Check(mantissa + "e" + exponent);
    }
  }
  for (int e = 5190; e <= 5210; ++e) {
    for (const char* sign : {"", "-"}) {
      const std::string exponent = sign + std::to_string(e);
      for (int zeros : {0, 1, 5, 4890, 4891, 4892, 4893, 5190, 5200, 5201, 5300, 5550}) {
        checker.Check(std::string("1") + std::string(static_cast<size_t>(zeros), '0') + "e" + exponent);
        checker.Check("0." + std::string(static_cast<size_t>(zeros), '0') + "7e" + exponent);
        checker.Check(nines + "5" + std::string(static_cast<size_t>(zeros), '0') + "e" + exponent);
      }
    }
  }
  for (int length = 1; length < 40; ++length) {
    checker.Check("1e" + std::string(static_cast<size_t>(length), '9'));
    checker.Check("1e-" + std::string(static_cast<size_t>(length), '9'));
    checker.Check("1e" + std::string(static_cast<size_t>(length), '0') + "308");
    checker.Check("4.9e-" + std::string(static_cast<size_t>(length), '0') + "324");
  }
  checker.Report("ScanLimits");
}

// A random text: white space, signs, digits of random count with leading
// zeros, a point, an exponent, full-width forms and trailing junk, each
// present or not. A third of the texts are near a random double instead.
std::string RandomText(std::mt19937_64& random) {
  auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
  auto digitRun = [&]() {
    static const int kLengths[] = {0, 1, 2, 3, 5, 8, 15, 17, 19, 20, 23, 24, 25, 26, 30, 60, 400};
    std::string run;
    const int length = kLengths[random() % (sizeof kLengths / sizeof kLengths[0])];
    const int zeros = chance(20) ? static_cast<int>(random() % 30) : 0;
    run.append(static_cast<size_t>(zeros), '0');
    for (int i = 0; i < length; ++i) {
      run += static_cast<char>(chance(30) ? (chance(50) ? '9' : '0') : '0' + random() % 10);
    }
    return run;
  };
  std::string text;
  if (chance(66)) {
    static const char* kSpaces[] = {" ", "\t", "\n", "\v", "\f", "\r", "\xA1\xA1"};
    while (chance(30)) text += kSpaces[random() % 7];
    if (chance(40)) text += chance(50) ? "-" : "+";
    if (chance(3)) text += chance(50) ? "-" : "+";
    text += digitRun();
    if (chance(60)) {
      text += '.';
      text += digitRun();
    }
    if (chance(60)) {
      text += "eEdD"[random() % 4];
      if (chance(60)) text += chance(60) ? "-" : "+";
      static const int kExponents[] = {0, 1, 9, 22, 23, 290, 300, 307, 308, 309, 320, 323,
                                       324, 325, 340, 350, 360, 5190, 5200, 5201, 99999};
      int value = kExponents[random() % (sizeof kExponents / sizeof kExponents[0])];
      if (chance(50)) value = static_cast<int>(random() % 400);
      if (chance(10)) text += std::string(random() % 20, '0');
      if (!chance(5)) text += std::to_string(value);
    }
  } else {
    // Near a random double: its exact digits, cut anywhere, nudged a unit.
    const uint64_t bits = random() % (kInfinityBits + 1);
    const DoubleParts parts = UnpackDouble(BitsToDouble(bits));
    const uint64_t significand = parts.biasedExponent == 0 ? parts.fraction : parts.fraction | kHiddenBit;
    const int exponent =
        parts.biasedExponent == 0 ? kMinExponent : parts.biasedExponent + kMinExponent - 1;
    const uint64_t quarters = random() % 4;
    ExactDecimal point = ExactDecimalOf(4 * significand + quarters, exponent - 2);
    const size_t cut = 1 + random() % 30;
    if (point.digits.size() > cut) {
      point.exponent += static_cast<long>(point.digits.size() - cut);
      point.digits.resize(cut);
    }
    if (chance(30)) point.digits = test::AddOneUnit(point.digits);
    if (chance(30) && point.digits != "0") point.digits = test::SubtractOneUnit(point.digits);
    if (point.digits == "0") point.digits = "1";
    if (chance(30)) text += "-";
    text += test::ShapeDecimal(point.digits, point.exponent, random);
  }
  if (chance(30)) {
    static const char* kJunk[] = {"x", "e", "E+", "d-", ".", "5", "\xA3", "\xA3\xB5", "\xC0\xE5",
                                  ",5", " 5", "+5", "\xA3\xAE" "5", "\x80"};
    text += kJunk[random() % (sizeof kJunk / sizeof kJunk[0])];
  }
  return text;
}

TEST(TextToNumberExact, RandomTextsOfRandomShapes) {
  std::mt19937_64 random(test::SeedFor("TextToNumberExact.RandomTextsOfRandomShapes"));
  ReadChecker checker;
  const auto start = std::chrono::steady_clock::now();
  const int count = 300000 * test::kCountScale;
  for (int i = 0; i < count; ++i) checker.Check(RandomText(random));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("random texts took %.2f s\n", seconds);
  checker.Report("RandomTextsOfRandomShapes");
}

}  // namespace
}  // namespace tessavor
