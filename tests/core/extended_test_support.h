// Helpers of the double-extended tests: the 80-bit x87 encoding of an
// Extended (the form in which the unit stores it and in which the tests
// state expected values), double bit patterns, and hex text for failures.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/extended.h"

namespace tessavor::test {

// The 80-bit x87 encoding: 64-bit significand with explicit integer bit,
// then sign and 15-bit exponent biased by 16383 (0 for denormals).
struct X87 {
  std::uint16_t signExponent;
  std::uint64_t significand;
  bool operator==(const X87&) const = default;
};

inline constexpr int X87Bias = 16383;
inline constexpr std::int32_t X87MinExponent = -16382;

inline X87 ToX87(const Extended& value) {
  const std::uint16_t sign = value.negative ? 0x8000 : 0;
  switch (value.kind) {
    case ExtendedKind::Zero:
      return X87{sign, 0};
    case ExtendedKind::Infinity:
      return X87{static_cast<std::uint16_t>(sign | 0x7FFF), std::uint64_t{1} << 63};
    case ExtendedKind::NaN:
      return X87{static_cast<std::uint16_t>(sign | 0x7FFF), value.significand};
    case ExtendedKind::Finite:
      break;
  }
  if (value.exponent < X87MinExponent) {
    return X87{sign, value.significand >> (X87MinExponent - value.exponent)};
  }
  return X87{static_cast<std::uint16_t>(sign | (value.exponent + X87Bias)), value.significand};
}

// Valid encodings only: no unnormals or pseudo-denormals, which the
// software type does not hold.
inline Extended FromX87(X87 bits) {
  const bool negative = (bits.signExponent & 0x8000) != 0;
  const int biased = bits.signExponent & 0x7FFF;
  if (biased == 0x7FFF) {
    if (bits.significand << 1 == 0) return Extended{ExtendedKind::Infinity, negative, 0, 0};
    return Extended{ExtendedKind::NaN, negative, 0, bits.significand};
  }
  if (bits.significand == 0) return Extended{ExtendedKind::Zero, negative, 0, 0};
  const int shift = std::countl_zero(bits.significand);
  const int exponent = (biased == 0 ? X87MinExponent : biased - X87Bias) - shift;
  return Extended{ExtendedKind::Finite, negative, exponent, bits.significand << shift};
}

inline std::uint64_t BitsOf(double value) { return std::bit_cast<std::uint64_t>(value); }
inline double DoubleOf(std::uint64_t bits) { return std::bit_cast<double>(bits); }

inline std::string Hex(std::uint64_t bits) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(bits));
  return text;
}

inline std::string Hex(X87 bits) {
  char text[32];
  std::snprintf(text, sizeof text, "%04X:%016llX", unsigned{bits.signExponent},
                static_cast<unsigned long long>(bits.significand));
  return text;
}

// The double's bits and its value in %a, so that a failure reads both ways.
inline std::string Describe(double value) {
  char text[48];
  std::snprintf(text, sizeof text, " (%a)", value);
  return Hex(BitsOf(value)) + text;
}

}  // namespace tessavor::test
