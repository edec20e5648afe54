// Character filter and focus-loss normalisation of the numeric boxes. Both
// are plain logic; the edit box subclass applies them.
#include "ui/numeric_input.h"

#include "core/numeric_text.h"

namespace tessavor {

bool IsAcceptedCharacter(unsigned code) {
  if (code < 32) return true;
  return code == '-' || code == '.' || (code >= '0' && code <= '9');
}

// A box holding zero shows nothing rather than "0".
std::string NormalisedText(std::string_view text) {
  std::string normal = NumberToText(TextToNumber(text));
  if (normal == "0") normal.clear();
  return normal;
}

}  // namespace tessavor
