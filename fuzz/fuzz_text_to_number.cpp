// Fuzzes TextToNumber with arbitrary bytes: it never fails and never gives
// NaN, agrees with the reference reading, its result survives a write and
// re-read, and a minus sign put before the number negates the result.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/numeric_text.h"
#include "fuzz/fuzz_failure.h"
#include "fuzz/number_text_checks.h"
#include "fuzz/reference_text_to_number.h"

namespace {

using namespace tessavor;
using namespace tessavor::fuzz;

unsigned long long Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

bool IsSpaceByte(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text without its leading white space; the ideographic space A1 A1
// counts. Whole bytes and pairs are removed from the front, so the pairing
// of the rest is unchanged.
std::string_view StripLeadingSpace(std::string_view text) {
  for (;;) {
    if (!text.empty() && IsSpaceByte(static_cast<unsigned char>(text[0]))) {
      text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '\xA1' && text[1] == '\xA1') {
      text.remove_prefix(2);
    } else {
      return text;
    }
  }
}

// Whether the text starts with a sign once folded: + and -, or their
// full-width forms A3 AB and A3 AD.
bool StartsWithSign(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) return true;
  return text.size() >= 2 && text[0] == '\xA3' && (text[1] == '\xAB' || text[1] == '\xAD');
}

void CheckSignSymmetry(std::string_view input, double result, bool hasNumber) {
  const std::string_view rest = StripLeadingSpace(input);
  if (StartsWithSign(rest)) return;
  const std::string negated = "-" + std::string(rest);
  const double negative = TextToNumber(negated);
  // Without a number, a lone minus sign still reads as +0.
  const double expected = hasNumber ? -result : 0.0;
  if (Bits(negative) != Bits(expected))
    Fail(input, "TextToNumber(\"-\" + text) = %a (%016llX), expected %a (%016llX)", negative,
         Bits(negative), expected, Bits(expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const double result = TextToNumber(input);
  if (std::isnan(result)) Fail(input, "TextToNumber gave NaN (%016llX)", Bits(result));

  const ReferenceReading expected = ReferenceTextToNumber(input);
  if (Bits(result) != Bits(expected.value) && Bits(result) != Bits(expected.alternative))
    Fail(input, "TextToNumber = %.17g (%a, %016llX), expected %.17g (%a, %016llX)%s", result, result,
         Bits(result), expected.value, expected.value, Bits(expected.value),
         Bits(expected.alternative) != Bits(expected.value) ? " or its neighbour" : "");

  if (std::isfinite(result)) CheckNumberText(input, result, NumberToText(result));
  CheckSignSymmetry(input, result, expected.hasNumber);
  return 0;
}
