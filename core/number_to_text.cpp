// Writing a double as the text shown in the boxes: the exact expansion is
// rounded half up to 17 significant digits, those again to 13 by the 14th
// digit alone, and the result laid out like "%.13g" but with a three-digit
// exponent. Infinities and NaNs have texts of their own.
#include <cassert>

#include "core/double_bits.h"
#include "core/leading_digits.h"
#include "core/numeric_text.h"
#include "core/powers_of_ten.h"

namespace tessavor {

namespace {

constexpr int kRoundedDigits = 17;
constexpr int kShownDigits = 13;
// The fixed form is used for first-digit exponents from -4 to 12.
constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = kShownDigits - 1;
// "-" + 13 digits + "." + "e+308": 20 characters; the fixed form is shorter.
constexpr int kLongestText = 20;

// Infinities and NaNs. Only the exact bits of the x87 default NaN read
// "1.#IND"; a signalling NaN reads as the quiet NaN with its top fraction bit
// set, which can never be the default NaN, so its text is that of any other
// NaN of its sign.
std::string SpecialText(double value) {
  const DoubleParts parts = UnpackDouble(value);
  if (parts.fraction == 0) return parts.negative ? "-1.#INF" : "1.#INF";
  if (DoubleToBits(value) == kDefaultNanBits) return "-1.#IND";
  return parts.negative ? "-1.#QNAN" : "1.#QNAN";
}

struct ShownDigits {
  uint64_t digits;  // exactly 13 digits
  int exponent;     // decimal exponent of the first one
};

// Two roundings in a row: to 17 digits by the 18th, then to 13 by the 14th
// of those 17. Each is half up, and each may carry into a new first digit.
ShownDigits RoundTwice(LeadingDigits leading) {
  const int dropForSeventeen = kLeadingDigitCount - kRoundedDigits;
  uint64_t seventeen = leading.digits / kPowersOfTen[dropForSeventeen];
  if (leading.digits / kPowersOfTen[dropForSeventeen - 1] % 10 >= 5) ++seventeen;
  int exponent = leading.exponent;
  if (seventeen == kPowersOfTen[kRoundedDigits]) {
    seventeen = kPowersOfTen[kRoundedDigits - 1];
    ++exponent;
  }
  const int dropForThirteen = kRoundedDigits - kShownDigits;
  uint64_t thirteen = seventeen / kPowersOfTen[dropForThirteen];
  if (seventeen / kPowersOfTen[dropForThirteen - 1] % 10 >= 5) ++thirteen;
  if (thirteen == kPowersOfTen[kShownDigits]) {
    thirteen = kPowersOfTen[kShownDigits - 1];
    ++exponent;
  }
  return {thirteen, exponent};
}

// The text of a finite non-zero value from its 13 digits: fixed or
// exponential form, trailing zeros after the point and a bare point removed.
std::string Layout(bool negative, ShownDigits shown) {
  char digits[kShownDigits];
  uint64_t rest = shown.digits;
  for (int i = kShownDigits - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  int significant = kShownDigits;  // digits up to the last non-zero one
  while (digits[significant - 1] == '0') --significant;

  char text[kLongestText + 1];
  int length = 0;
  auto put = [&](char c) {
    assert(length < kLongestText);
    text[length++] = c;
  };
  auto putDigits = [&](int from, int to) {
    for (int i = from; i < to; ++i) put(digits[i]);
  };
  if (negative) put('-');
  const int x = shown.exponent;
  if (x < kSmallestFixedExponent || x > kLargestFixedExponent) {
    put(digits[0]);
    if (significant > 1) {
      put('.');
      putDigits(1, significant);
    }
    put('e');
    put(x < 0 ? '-' : '+');
    const int magnitude = x < 0 ? -x : x;
    put(static_cast<char>('0' + magnitude / 100));
    put(static_cast<char>('0' + magnitude / 10 % 10));
    put(static_cast<char>('0' + magnitude % 10));
  } else if (x >= 0) {
    putDigits(0, x + 1);
    if (significant > x + 1) {
      put('.');
      putDigits(x + 1, significant);
    }
  } else {
    put('0');
    put('.');
    for (int i = 0; i < -x - 1; ++i) put('0');
    putDigits(0, significant);
  }
  return std::string(text, static_cast<size_t>(length));
}

}  // namespace

std::string NumberToText(double value) {
  const DoubleParts parts = UnpackDouble(value);
  if (parts.biasedExponent == kSpecialExponent) return SpecialText(value);
  if (parts.biasedExponent == 0 && parts.fraction == 0) return "0";
  const uint64_t significand = parts.biasedExponent == 0 ? parts.fraction
                                                         : parts.fraction | kHiddenBit;
  const int exponent =
      parts.biasedExponent == 0 ? kMinExponent : parts.biasedExponent + kMinExponent - 1;
  return Layout(parts.negative, RoundTwice(ExactLeadingDigits(significand, exponent)));
}

}  // namespace tessavor
