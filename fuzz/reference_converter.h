// The converter's two formulas computed on the x87 unit itself, to check
// the core's software double-extended arithmetic against: on x86 long double
// is that format, and Linux runs the unit at 64-bit precision, round to
// nearest, every exception masked (control word 0x037F).
#pragma once

#include <bit>
#include <cstdint>
#include <limits>

namespace tessavor::fuzz {

static_assert(std::numeric_limits<long double>::digits == 64, "needs the x87 double-extended format");

inline constexpr double ReferenceInchesPerCentimetre = std::bit_cast<double>(0x3FD93264C9932813ull);
inline constexpr double ReferenceCentimetresPerInch = std::bit_cast<double>(0x400451EB851EB852ull);

inline std::uint16_t X87ControlWord() {
  std::uint16_t word;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

// dbl(ext(ext(cm × dpi) × 0.3937007874016)).
inline double ReferencePixels(double cm, double dpi) {
  const long double product = static_cast<long double>(cm) * dpi;
  return static_cast<double>(product * ReferenceInchesPerCentimetre);
}

// dbl(ext(dbl(ext(px ÷ dpi)) × 2.54)).
inline double ReferenceCentimetres(double px, double dpi) {
  const auto inches = static_cast<double>(static_cast<long double>(px) / dpi);
  return static_cast<double>(static_cast<long double>(inches) * ReferenceCentimetresPerInch);
}

}  // namespace tessavor::fuzz
