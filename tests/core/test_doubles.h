// Helpers for tests of the numeric conversions: readable descriptions of
// doubles (bit pattern and hexadecimal value) and of texts with GBK bytes,
// for failure messages and SCOPED_TRACE.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/double_bits.h"

namespace tessavor::test {

// "0x3FF0000000000000 (0x1p+0)": exact on every platform, unlike %.17g.
inline std::string DescribeBits(uint64_t bits) {
  char text[64];
  std::snprintf(text, sizeof text, "0x%016llX (%a)", static_cast<unsigned long long>(bits),
                BitsToDouble(bits));
  return text;
}

// The text with bytes outside printable ASCII written as \xNN, and long
// texts shortened in the middle.
inline std::string Printable(std::string_view text) {
  constexpr size_t kShown = 120;
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.size() > 2 * kShown && i == kShown) {
      out += "...(" + std::to_string(text.size()) + " bytes)...";
      i = text.size() - kShown;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    }
  }
  return out + "\"";
}

}  // namespace tessavor::test
