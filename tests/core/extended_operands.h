// Random operands for the comparison with the x87 unit: doubles and 80-bit
// values drawn to reach the places where rounding is delicate (ties of the
// extended and of the double rounding, the subnormal and overflow
// boundaries, the ends of the extended range) and the special values.
#pragma once

#include <random>

#include "tests/core/extended_test_support.h"

namespace tessavor::test {

using Random = std::mt19937_64;

// a × b, a ÷ b and (a × b) × c are compared.
struct DoubleOperands {
  double a;
  double b;
  double c;
};

struct ExtendedPair {
  X87 x;
  X87 y;
};

DoubleOperands DrawDoubleOperands(Random& random);
ExtendedPair DrawExtendedPair(Random& random);

}  // namespace tessavor::test
