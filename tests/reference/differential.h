// Shared pieces of the differential tests against the exact oracles: the
// seed (TESSAVOR_SEED or the clock, always printed), case counts that grow
// with TESSAVOR_LONG_TESTS, and decimal texts written in many shapes.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace tessavor::test {

#if defined(TESSAVOR_LONG_TESTS)
inline constexpr int kCountScale = 50;
#else
inline constexpr int kCountScale = 1;
#endif

inline uint64_t SeedFor(const char* testName) {
  const char* text = std::getenv("TESSAVOR_SEED");
  const uint64_t seed =
      text != nullptr
          ? std::strtoull(text, nullptr, 10)
          : static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::printf("%s seed: %llu (set TESSAVOR_SEED to repeat)\n", testName,
              static_cast<unsigned long long>(seed));
  return seed;
}

// Decimal digit strings plus or minus one unit in the last place; a result
// that loses or gains a leading digit is returned as it is (no leading 0).
inline std::string AddOneUnit(std::string digits) {
  int i = static_cast<int>(digits.size()) - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i < 0) digits.insert(digits.begin(), '1');
  if (i < 0) return digits;
  ++digits[i];
  return digits;
}

inline std::string SubtractOneUnit(std::string digits) {
  int i = static_cast<int>(digits.size()) - 1;
  while (i >= 0 && digits[i] == '0') digits[i--] = '9';
  if (i < 0) return digits;  // 0 has no predecessor; not used
  --digits[i];
  const size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

// The value digits × 10^exponent written in a shape chosen by `random`:
// scientific, integer with exponent, fixed with the point anywhere, with
// optional leading zeros, explicit signs, other exponent letters and
// full-width characters. Every shape reads as the same value.
inline std::string ShapeDecimal(const std::string& digits, long exponent, std::mt19937_64& random) {
  std::string mantissa;
  long written = exponent;
  const int shape = static_cast<int>(random() % 4);
  const long length = static_cast<long>(digits.size());
  if (shape == 0) {  // d.ddd e X
    mantissa = digits.substr(0, 1) + (length > 1 ? "." + digits.substr(1) : "");
    written = exponent + length - 1;
  } else if (shape == 1) {  // ddd e X
    mantissa = digits;
  } else {  // the point somewhere, with the rest in the exponent
    const long point = shape == 2 ? static_cast<long>(random() % (digits.size() + 1))
                                  : -static_cast<long>(random() % 6);  // 0.000ddd
    if (point <= 0) {
      mantissa = "0." + std::string(static_cast<size_t>(-point), '0') + digits;
    } else {
      mantissa = digits.substr(0, static_cast<size_t>(point)) + "." +
                 digits.substr(static_cast<size_t>(point));
    }
    written = exponent + length - point;
  }
  if (random() % 4 == 0) mantissa = std::string(random() % 4, '0') + mantissa;
  std::string text = mantissa;
  if (written != 0 || random() % 2 == 0) {
    static const char kLetters[] = "eEdD";
    text += kLetters[random() % 4];
    if (written < 0) {
      text += '-';
    } else if (random() % 2 == 0) {
      text += '+';
    }
    if (random() % 5 == 0) text += std::string(random() % 5, '0');
    text += std::to_string(written < 0 ? -written : written);
  }
  if (random() % 8 == 0) {  // full-width forms of the ASCII characters
    std::string wide;
    for (char c : text) {
      wide += '\xA3';
      wide += static_cast<char>(static_cast<unsigned char>(c) | 0x80);
    }
    text = wide;
  }
  return text;
}

}  // namespace tessavor::test
