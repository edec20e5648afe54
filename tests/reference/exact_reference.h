// Plainly exact oracles for the two numeric conversions, built on GMP and
// used only by tests. They follow the reading and writing rules directly,
// with whole rationals and no shortcuts, so that the fast code in core/ can
// be checked against them on any input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessavor::reference {

// The number a field text reads as: the same rules as TextToNumber, computed
// on the exact rational value. Returns the bits of the double.
uint64_t ReadTextExactly(std::string_view text);

// The text shown for the double with these bits, from its exact expansion.
std::string WriteNumberExactly(uint64_t bits);

// The first 18 significant digits of the exact expansion of a finite
// non-zero double, cut (not rounded).
std::string LeadingDigitsExactly(uint64_t bits);

// A dyadic rational significand × 2^binaryExponent as an exact decimal:
// digits without leading or trailing zeros, value = digits × 10^exponent.
struct ExactDecimal {
  std::string digits;
  long exponent;
};
ExactDecimal ExactDecimalOf(uint64_t significand, int binaryExponent);

}  // namespace tessavor::reference
