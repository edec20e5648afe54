// A plain, slow writing of numbers to check NumberToText against: the exact
// decimal expansion comes from the C library's printf, which glibc prints
// exactly to any precision; the two roundings and the layout are then done
// on the digit string. It shares no code with the core.
#pragma once

#include <string>

namespace tessavor::fuzz {

struct ReferenceText {
  std::string text;
  // The text from the other 17-digit rounding where the exact expansion lies
  // so close to a tie at the 18th digit that either is allowed; equal to
  // text everywhere else.
  std::string alternative;
};

ReferenceText ReferenceNumberToText(double value);

}  // namespace tessavor::fuzz
