// TextToNumber at the limits of what a paste can hold, against the exact GMP
// reading: exponents thousands of digits long, ten thousand leading zeros,
// a hundred thousand digits after the point (random ones, and ones that sit
// on or a hair off a rounding tie with the hair at the last digit), zeros
// that an exponent balances up to its cap, and all of these together.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/double_bits.h"
#include "core/numeric_text.h"
#include "tests/core/test_doubles.h"
#include "tests/reference/differential.h"
#include "tests/reference/exact_reference.h"

namespace tessavor {
namespace {

using test::DescribeBits;
using test::Printable;

constexpr std::size_t kExponentDigits = 5000;
constexpr std::size_t kLeadingZeros = 10000;
constexpr std::size_t kFractionDigits = 100000;

struct LimitText {
  std::string name;
  std::string text;
  // Where the value is plain to see, it is given too, to check the
  // reference as well.
  std::optional<double> value;
};

// The core and the exact reading agree bit for bit; so does the value
// given with the case, if any.
void ExpectReadsExactly(const LimitText& limit) {
  SCOPED_TRACE(limit.name + ": " + Printable(limit.text));
  const uint64_t exact = reference::ReadTextExactly(limit.text);
  const uint64_t actual = DoubleToBits(TextToNumber(limit.text));
  EXPECT_EQ(actual, exact) << "reads as " << DescribeBits(actual) << ", exactly " << DescribeBits(exact);
  if (limit.value) {
    EXPECT_EQ(exact, DoubleToBits(*limit.value)) << "exactly " << DescribeBits(exact);
  }
}

std::string Repeat(char c, std::size_t count) { return std::string(count, c); }

std::string RandomDigits(std::size_t count, std::mt19937_64& random) {
  std::string digits;
  digits.reserve(count);
  for (std::size_t i = 0; i < count; ++i) digits += static_cast<char>('0' + random() % 10);
  return digits;
}

// Every byte written as its full-width GBK pair (A3 A1 to A3 FE).
std::string FullWidth(const std::string& ascii) {
  std::string wide;
  wide.reserve(2 * ascii.size());
  for (const char c : ascii) {
    wide += '\xA3';
    wide += static_cast<char>(static_cast<unsigned char>(c) | 0x80);
  }
  return wide;
}

TEST(LimitTexts, ExponentsOfThousandsOfDigits) {
  std::mt19937_64 random(test::SeedFor("LimitTexts.ExponentsOfThousandsOfDigits"));
  const std::string digits = std::string("7") + RandomDigits(kExponentDigits - 1, random);
  const std::string zeros = Repeat('0', kExponentDigits);
  const double infinity = Infinity(false);
  const std::vector<LimitText> cases = {
      // The written exponent saturates: infinity and zero, with the sign.
      {"1e, 5000 digits", "1e" + digits, infinity},
      {"1e-, 5000 digits", "1e-" + digits, 0.0},
      {"-1e+, 5000 digits", "-1e+" + digits, -infinity},
      {"-1e-, 5000 digits", "-1e-" + digits, -0.0},
      {"1d, 5000 digits, junk", "1d" + digits + "x1e5", infinity},
      {"full-width 1e, 5000 digits", FullWidth("1e" + digits), infinity},
      // Zero stays zero whatever its exponent.
      {"0e, 5000 digits", "0e" + digits, 0.0},
      {"-0.000e-, 5000 digits", "-0.000e-" + digits, -0.0},
      // Leading zeros of an exponent change nothing.
      {"1e, 5000 zeros", "1e" + zeros, 1.0},
      {"1e+, zeros, 22", "1e+" + zeros + "22", 1e22},
      {"1E, zeros, 308", "1E" + zeros + "308", 1e308},
      {"1e, zeros, 309", "1e" + zeros + "309", infinity},
      {"2.5D-, zeros, 1", "2.5D-" + zeros + "1", 0.25},
      {"4e-, zeros, 324", "4e-" + zeros + "324", BitsToDouble(1)},
      {"1e-, zeros, 5200", "1e-" + zeros + "5200", 0.0},
      {"1e, zeros, 5201", "1e" + zeros + "5201", infinity},
      // An exponent that stops: after its letter, after its sign.
      {"1e, then full-width junk", "1e\xA3\xC1" + digits, 1.0},
      {"1e+ and a lone lead byte", "1e+\xA3", 1.0},
  };
  for (const LimitText& limit : cases) ExpectReadsExactly(limit);
}

// 0.000…01e+k with k zeros after the point is 1 while k + 1 is within the
// cap of the written exponent; past it, the saturated exponent no longer
// balances the zeros. The same with the zeros before the point.
TEST(LimitTexts, ZerosBalancedByTheExponentUpToItsCap) {
  struct Balance {
    std::size_t zeros;
    std::optional<double> fractionValue;  // of 0.0…01e+(zeros + 1)
  };
  const Balance balances[] = {
      {10, 1.0},    {300, 1.0},   {4999, 1.0},  {5199, 1.0}, {5200, 1.0},  // 5201 is the cap itself
      {5201, 0.1},  {5202, 0.01}, {5300, 1e-100}, {10000, 0.0}, {kFractionDigits, 0.0},
  };
  for (const Balance& b : balances) {
    const std::string count = std::to_string(b.zeros + 1);
    ExpectReadsExactly({"0.<zeros>1e+" + count, "0." + Repeat('0', b.zeros) + "1e+" + count, b.fractionValue});
    ExpectReadsExactly({"-0.<zeros>25e<zeros>" + count,
                        std::string("-0.") + Repeat('0', b.zeros) + "25e" + Repeat('0', kExponentDigits) + count,
                        std::nullopt});
    ExpectReadsExactly({"1<zeros>e-" + std::to_string(b.zeros),
                        std::string("1") + Repeat('0', b.zeros) + "e-" + std::to_string(b.zeros), std::nullopt});
    ExpectReadsExactly({"full-width 0.<zeros>7e" + count, FullWidth("0." + Repeat('0', b.zeros) + "7e" + count),
                        std::nullopt});
  }
}

TEST(LimitTexts, TenThousandLeadingZeros) {
  const std::string zeros = Repeat('0', kLeadingZeros);
  const std::vector<LimitText> cases = {
      {"zeros, 72", zeros + "72", 72.0},
      {"-zeros.5", "-" + zeros + ".5", -0.5},
      {"+zeros", "+" + zeros, 0.0},
      {"-zeros", "-" + zeros, -0.0},
      {"zeros.zeros", zeros + "." + zeros, 0.0},
      {"-zeros.zeros, 1", "-" + zeros + "." + zeros + "1", std::nullopt},
      {"zeros, 9007199254740993", zeros + "9007199254740993", 9007199254740992.0},
      {"zeros, 18014398509481987", zeros + "18014398509481987", 18014398509481984.0},
      {"zeros, 1e22", zeros + "1e22", 1e22},
      {"zeros, 25 nines", zeros + Repeat('9', 25), 1e25},
      {"spaces, zeros, 72", Repeat(' ', kLeadingZeros) + "\t\xA1\xA1" + zeros + "72", 72.0},
      {"full-width zeros, 72", FullWidth(zeros + "72"), 72.0},
      {"zeros, 72, zeros, junk", zeros + "72" + zeros + "\xA3\xD8", Infinity(false)},
      {"zeros, 72, lone lead byte", zeros + "72\xA3", 72.0},
      {"zeros, junk, 72", zeros + "x72", 0.0},
  };
  for (const LimitText& limit : cases) ExpectReadsExactly(limit);
}

TEST(LimitTexts, HundredThousandRandomDigitsAfterThePoint) {
  std::mt19937_64 random(test::SeedFor("LimitTexts.HundredThousandRandomDigitsAfterThePoint"));
  for (int i = 0; i < 24; ++i) {
    const std::string whole = i % 3 == 0 ? "0" : RandomDigits(1 + random() % 30, random);
    const std::string fraction = Repeat('0', i % 4 == 0 ? random() % 400 : 0) + RandomDigits(kFractionDigits, random);
    std::string text = (i % 2 == 0 ? "" : "-") + whole + "." + fraction;
    if (i % 5 == 0) text += "e-" + std::to_string(random() % 400);
    if (i % 6 == 0) text = FullWidth(text);
    ExpectReadsExactly({"random " + std::to_string(i), text, std::nullopt});
  }
}

// `digits` × 10^exponent in fixed notation with exactly `places` digits
// after the point: the places below the value's last digit hold `fill`, and
// the last place `last`. With nines, the text is one unit of the last place
// below the value of `digits` plus one unit.
std::string FixedWithPlaces(const std::string& digits, long exponent, std::size_t places, char fill, char last) {
  const long below = exponent + static_cast<long>(places);
  EXPECT_GE(below, 1) << "no place left below " << digits << "e" << exponent;
  const std::string all = digits + Repeat(fill, static_cast<std::size_t>(below - 1)) + last;
  const long whole = static_cast<long>(all.size()) - static_cast<long>(places);
  if (whole <= 0) return "0." + Repeat('0', static_cast<std::size_t>(-whole)) + all;
  return all.substr(0, static_cast<std::size_t>(whole)) + "." + all.substr(static_cast<std::size_t>(whole));
}

// A point halfway or three quarters between two doubles, written in at
// most 24 digits: read by the rules, it goes toward zero. One unit in the
// 100,000th place after the point above it, or one unit of its last digit
// below it followed by nines to that place, or with a 25th digit of 4 and
// then nines, the text reads as the point too: digits past the 25th
// significant one never count, and the 25th only rounds the 24th. A 25th
// digit of 5 rounds away from the point.
void ExpectTieAtTheLastPlace(const reference::ExactDecimal& tie, const std::string& name) {
  ASSERT_LE(tie.digits.size(), 24u) << name;
  const double onTie = BitsToDouble(
      reference::ReadTextExactly(tie.digits + "e" + std::to_string(tie.exponent)));
  const std::size_t padding = 24 - tie.digits.size();
  const std::string digits24 = tie.digits + Repeat('0', padding);
  const long exponent25 = tie.exponent - static_cast<long>(padding) - 1;
  const LimitText texts[] = {
      {name + ", on it", FixedWithPlaces(tie.digits, tie.exponent, kFractionDigits, '0', '0'), onTie},
      {name + ", a unit of the last place above", FixedWithPlaces(tie.digits, tie.exponent, kFractionDigits, '0', '1'),
       onTie},
      {name + ", a unit of its last digit below, then nines",
       FixedWithPlaces(test::SubtractOneUnit(tie.digits), tie.exponent, kFractionDigits, '9', '9'), onTie},
      {name + ", 25th digit 4, then nines", FixedWithPlaces(digits24 + "4", exponent25, kFractionDigits, '9', '9'),
       onTie},
      {name + ", 25th digit 5, then zeros", FixedWithPlaces(digits24 + "5", exponent25, kFractionDigits, '0', '0'),
       std::nullopt},
  };
  for (const LimitText& limit : texts) ExpectReadsExactly(limit);
}

TEST(LimitTexts, TiesDecidedNoFurtherThanTheTwentyFifthDigit) {
  // The examples of the reading rules: halfway, three quarters, halfway.
  ExpectTieAtTheLastPlace({"9007199254740993", 0}, "2^53 + 1");
  ExpectTieAtTheLastPlace({"18014398509481987", 0}, "2^54 + 3");
  ExpectTieAtTheLastPlace({"7", 22}, "7e22");
  // Random ones: c × 5^t × 2^z with c × 5^t of 54 or 55 bits and c odd lies
  // halfway or a quarter of the way between doubles; kept when its decimal
  // expansion has at most 24 digits.
  std::mt19937_64 random(test::SeedFor("LimitTexts.TiesDecidedNoFurtherThanTheTwentyFifthDigit"));
  int found = 0;
  while (found < 16) {
    const int t = static_cast<int>(random() % 24);
    uint64_t power = 1;
    for (int i = 0; i < t; ++i) power *= 5;
    const int bits = 54 + static_cast<int>(random() % 2);
    const uint64_t low = ((uint64_t{1} << (bits - 1)) + power - 1) / power;
    const uint64_t high = ((uint64_t{1} << bits) - 1) / power;
    const uint64_t c = (low + random() % (high - low + 1)) | 1;
    if (c > high) continue;
    const int z = static_cast<int>(random() % 111) - 40;
    const reference::ExactDecimal tie = reference::ExactDecimalOf(c * power, z);
    if (tie.digits.size() > 24) continue;
    ExpectTieAtTheLastPlace(tie, std::to_string(c) + " x 5^" + std::to_string(t) + " x 2^" + std::to_string(z));
    ++found;
  }
}

// Texts made of every limit at once, and of some of them: white space,
// sign, 10,000 leading zeros, digits, 100,000 digits after the point, an
// exponent of 5,000 digits, full-width forms, a stop at junk or at a lone
// lead byte.
std::string RandomLimitText(std::mt19937_64& random) {
  auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
  std::string number;
  if (chance(50)) number += chance(50) ? "-" : "+";
  if (chance(50)) number += Repeat('0', kLeadingZeros);
  number += RandomDigits(random() % 30, random);
  if (chance(70)) {
    number += '.';
    if (chance(40)) number += Repeat('0', random() % 400);
    number += RandomDigits(chance(70) ? kFractionDigits : random() % 30, random);
  }
  if (chance(60)) {
    number += "eEdD"[random() % 4];
    if (chance(60)) number += chance(50) ? "-" : "+";
    if (chance(50)) {
      number += Repeat('0', kExponentDigits) + std::to_string(random() % 400);
    } else {
      number += RandomDigits(chance(50) ? kExponentDigits : 1 + random() % 4, random);
    }
  }
  std::string text;
  if (chance(30)) text += Repeat(' ', random() % kLeadingZeros) + "\xA1\xA1";
  text += chance(25) ? FullWidth(number) : number;
  static const char* const kEndings[] = {"", "x", "\xA3", "\xA3\xB5", ",5", "e", "\xC0\xE5", ".5"};
  return text + kEndings[random() % std::size(kEndings)];
}

TEST(LimitTexts, AllLimitsTogether) {
  std::mt19937_64 random(test::SeedFor("LimitTexts.AllLimitsTogether"));
  for (int i = 0; i < 120 * test::kCountScale; ++i) {
    ExpectReadsExactly({"combination " + std::to_string(i), RandomLimitText(random), std::nullopt});
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace tessavor
