// A plain, slow reading of field texts to check TextToNumber against: the
// fold and scan written out directly over a copied string, and the rounding
// done on exact GMP integers. It shares no code with the core.
#pragma once

#include <string>
#include <string_view>

namespace tessavor::fuzz {

struct ReferenceReading {
  // False when the text holds no number (the result is then +0).
  bool hasNumber = false;
  double value = 0;
  // The other neighbouring double where the value lies so close to a
  // rounding point that the reading may go either way; equal to value
  // everywhere else.
  double alternative = 0;
};

// The full-width fold: A1 A1 to a space, the A3 row to ASCII, and so on.
std::string ReferenceFold(std::string_view text);

ReferenceReading ReferenceTextToNumber(std::string_view text);

}  // namespace tessavor::fuzz
