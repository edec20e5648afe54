// The reference writing: exact digits by "%.800e" (every double's expansion
// has at most 767 significant digits), rounded to 17 digits with a 5 or more
// rounding up, then to 13 by the 14th digit alone, then laid out as "%.13g"
// with a three-digit exponent.
#include "fuzz/reference_number_to_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tessavor::fuzz {
namespace {

// The first `count` digits, increased by one in the last when `up`; a carry
// out of the first digit gives 1000… and raises the exponent of the first
// digit.
std::string Keep(const std::string& digits, int count, bool up, int* firstExponent) {
  std::string kept = digits.substr(0, static_cast<std::size_t>(count));
  if (!up) return kept;
  int i = count - 1;
  while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
  if (i >= 0) {
    ++kept[static_cast<std::size_t>(i)];
  } else {
    kept = "1" + kept.substr(0, kept.size() - 1);
    ++*firstExponent;
  }
  return kept;
}

void DropTrailingZeros(std::string* text) {
  while (text->back() == '0') text->pop_back();
  if (text->back() == '.') text->pop_back();
}

// 13 digits with the decimal exponent x of the first one.
std::string Layout(const std::string& digits, int x, bool negative) {
  std::string text;
  if (x < -4 || x >= 13) {
    text = digits.substr(0, 1) + "." + digits.substr(1);
    DropTrailingZeros(&text);
    char exponent[8];
    std::snprintf(exponent, sizeof exponent, "e%c%03d", x < 0 ? '-' : '+', std::abs(x));
    text += exponent;
  } else if (x >= 0) {
    text = digits.substr(0, static_cast<std::size_t>(x + 1)) + "." + digits.substr(static_cast<std::size_t>(x + 1));
    DropTrailingZeros(&text);
  } else {
    text = "0." + std::string(static_cast<std::size_t>(-x - 1), '0') + digits;
    DropTrailingZeros(&text);
  }
  return negative ? "-" + text : text;
}

std::string FromSeventeen(const std::string& seventeen, int x, bool negative) {
  const std::string thirteen = Keep(seventeen, 13, seventeen[13] >= '5', &x);
  return Layout(thirteen, x, negative);
}

}  // namespace

ReferenceText ReferenceNumberToText(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = bits >> 63 != 0;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t quietBit = std::uint64_t{1} << 51;
  if (((bits >> 52) & 0x7FF) == 0x7FF) {
    std::string text = fraction == 0                          ? "1.#INF"
                       : negative && fraction == quietBit ? "1.#IND"
                                                              : "1.#QNAN";
    if (negative) text = "-" + text;
    return {text, text};
  }
  if (value == 0) return {"0", "0"};

  char expansion[840];
  std::snprintf(expansion, sizeof expansion, "%.800e", std::fabs(value));
  const std::string printed(expansion);
  const std::string digits = printed.substr(0, 1) + printed.substr(2, 800);
  const int firstExponent = std::atoi(printed.c_str() + printed.find('e') + 1);

  const bool up = digits[17] >= '5';
  int x = firstExponent;
  const std::string seventeen = Keep(digits, 17, up, &x);
  ReferenceText result;
  result.text = FromSeventeen(seventeen, x, negative);
  result.alternative = result.text;

  // The digits may come from a 64-bit approximation, which can take the
  // other side of a tie at the 18th digit when the expansion lies within
  // about 2^-64 (relative) of it; 2^-60 gives that some room. In units of
  // the 17th digit the value is about the 17 digits as an integer.
  const double tail = std::strtod(("0." + digits.substr(17, 30)).c_str(), nullptr);
  const double room = std::strtod(digits.substr(0, 17).c_str(), nullptr) * std::ldexp(1.0, -60);
  if (std::fabs(tail - 0.5) < room) {
    int otherX = firstExponent;
    result.alternative = FromSeventeen(Keep(digits, 17, !up, &otherX), otherX, negative);
  }
  return result;
}

}  // namespace tessavor::fuzz
