// Making the benchmark inputs. Rounding points between doubles are formed in
// long double, which holds them exactly, and printed with all their digits
// by glibc's printf, which prints exactly at any precision.
#include "bench/bench_inputs.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace tessavor::bench {
namespace {

constexpr std::uint64_t kSeed = 20240611;

// The exact decimal expansion of `value`, trailing zeros removed.
std::string ExactText(long double value) {
  char text[1200];
  std::snprintf(text, sizeof text, "%.1000Le", value);
  std::string digits(text);
  const std::size_t e = digits.find('e');
  std::string mantissa = digits.substr(0, e);
  while (mantissa.back() == '0') mantissa.pop_back();
  return mantissa + digits.substr(e);
}

// Exactly halfway between `low` and the next double up.
std::string Midpoint(double low) {
  const double high = std::nextafter(low, INFINITY);
  return ExactText((static_cast<long double>(low) + high) / 2);
}

// Exactly three quarters of the way from `low` to the next double up.
std::string ThreeQuarters(double low) {
  const double high = std::nextafter(low, INFINITY);
  return ExactText(static_cast<long double>(low) + (static_cast<long double>(high) - low) * 3 / 4);
}

// Halfway from the largest double to 2^1024, the point where reading
// overflows to infinity.
std::string BeyondLargest(double largest) {
  const long double step = static_cast<long double>(largest) - std::nextafter(largest, 0.0);
  return ExactText(largest + step / 2);
}

std::string RandomDigits(std::mt19937_64& random, int count) {
  std::string digits;
  digits += static_cast<char>('1' + random() % 9);
  while (static_cast<int>(digits.size()) < count) digits += static_cast<char>('0' + random() % 10);
  return digits;
}

}  // namespace

const std::vector<std::string>& EverydayTexts() {
  static const std::vector<std::string> texts = [] {
    std::mt19937_64 random(kSeed);
    std::vector<std::string> made;
    for (int i = 0; i < 1000; ++i) {
      std::string text = std::to_string(random() % 100000);
      const int decimals = static_cast<int>(random() % 7);
      if (decimals > 0) {
        text += '.';
        for (int d = 0; d < decimals; ++d) text += static_cast<char>('0' + random() % 10);
      }
      made.push_back(text);
    }
    return made;
  }();
  return texts;
}

const std::vector<NamedText>& WorstCaseTexts() {
  static const std::vector<NamedText> texts = [] {
    std::mt19937_64 random(kSeed);
    const std::string digits25 = RandomDigits(random, 25);
    const double largest = 1.7976931348623157e308;
    const double smallestSubnormal = std::bit_cast<double>(std::uint64_t{1});
    const double largestSubnormal = std::bit_cast<double>(std::uint64_t{0x000FFFFFFFFFFFFF});
    return std::vector<NamedText>{
        {"25 digits e+300", digits25 + "e+276"},
        {"25 digits e-300", digits25 + "e-324"},
        {"25 digits e+5200", digits25 + "e+5176"},
        {"25 digits e-5200", digits25 + "e-5224"},
        {"subnormal 25 digits", digits25 + "e-340"},
        {"subnormal 4.9e-324", "4.9406564584124654e-324"},
        {"subnormal 2.2250738585072011e-308", "2.2250738585072011e-308"},
        {"halfway 9007199254740993", "9007199254740993"},
        {"halfway 7e22", "7e22"},
        {"three quarters 18014398509481987", "18014398509481987"},
        {"halfway 1e23 (exact)", Midpoint(1e23)},
        {"halfway below largest double (exact)", Midpoint(std::nextafter(largest, 0.0))},
        {"halfway from largest double to 2^1024 (exact)", BeyondLargest(largest)},
        {"halfway smallest subnormal (exact)", Midpoint(smallestSubnormal)},
        {"halfway largest subnormal (exact)", Midpoint(largestSubnormal)},
        {"three quarters largest subnormal (exact)", ThreeQuarters(largestSubnormal)},
        {"halfway smallest normal (exact)", Midpoint(2.2250738585072014e-308)},
    };
  }();
  return texts;
}

const std::vector<NamedNumbers>& NumberSets() {
  static const std::vector<NamedNumbers> sets = [] {
    std::mt19937_64 random(kSeed);
    NamedNumbers everyday{"everyday", {}};
    // Texts a user types and the converter's results from them.
    for (const std::string& text : EverydayTexts()) {
      const double value = std::strtod(text.c_str(), nullptr);
      everyday.numbers.push_back(value);
      everyday.numbers.push_back(value * 72 * 0.3937007874016);
    }
    NamedNumbers subnormals{"subnormal", {}};
    for (int i = 0; i < 1000; ++i)
      subnormals.numbers.push_back(std::bit_cast<double>((random() & 0x000FFFFFFFFFFFFF) | 1));
    NamedNumbers largest{"largest double", {1.7976931348623157e308}};
    // 13 digits, then 4999 or 5000: the two roundings of the text decide.
    NamedNumbers boundary{"digits 14-17 4999/5000", {}};
    while (boundary.numbers.size() < 1000) {
      const std::string text = RandomDigits(random, 13) + (random() % 2 != 0 ? "4999" : "5000") +
                               "e" + std::to_string(static_cast<int>(random() % 600) - 312);
      boundary.numbers.push_back(std::strtod(text.c_str(), nullptr));
    }
    return std::vector<NamedNumbers>{everyday, subnormals, largest, boundary};
  }();
  return sets;
}

}  // namespace tessavor::bench
