// Double-extended arithmetic in software: the x87 80-bit format (64-bit
// significand, 15-bit exponent) with round to nearest, ties to even. Integer
// operations only, so every compiler and processor gives the bits that the
// x87 unit gives under control word 0x037F (64-bit precision, all exceptions
// masked).
#pragma once

#include <cstdint>

namespace tessavor {

enum class ExtendedKind : std::uint8_t { Zero, Finite, Infinity, NaN };

// One value of the double-extended format.
// Finite: value = significand × 2^(exponent − 63), top bit of significand
//   set. Values below 2^−16382, the format's denormals, are kept in this
//   normalised form with zeros in the low bits that the format cannot hold.
// NaN: significand is the x87 one as is: integer bit 63, quiet bit 62 and
//   the payload below; exponent is 0.
// Zero and Infinity: exponent and significand are 0.
struct Extended {
  ExtendedKind kind = ExtendedKind::Zero;
  bool negative = false;
  std::int32_t exponent = 0;
  std::uint64_t significand = 0;
};

// Exact, as the x87 load FLD m64: subnormals are normalised, and a
// signalling NaN is quieted with its payload kept.
Extended ExtendedFromDouble(double value);

// The exact product or quotient rounded to the format, as FMUL and FDIV do:
// overflow gives infinity, underflow gives a denormal, invalid operations
// the default NaN, and NaN operands propagate by the x87 rules.
Extended ExtendedMultiply(const Extended& left, const Extended& right);
Extended ExtendedDivide(const Extended& dividend, const Extended& divisor);

// Rounded to double as the x87 store FST m64 does: to nearest, ties to
// even, gradual underflow, overflow to infinity; a NaN keeps the top of
// its payload and is quieted.
double ExtendedToDouble(const Extended& value);

// dbl(ext(ext(a × b) × c)): both products in double-extended, one final
// rounding to double.
double MultiplyInExtended(double a, double b, double c);

// dbl(ext(a ÷ b)).
double DivideInExtended(double a, double b);

}  // namespace tessavor
