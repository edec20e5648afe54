// The checks on a written number: length and alphabet, the round trip
// through TextToNumber, and agreement with the reference writing.
#include "fuzz/number_text_checks.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "core/numeric_text.h"
#include "fuzz/fuzz_failure.h"
#include "fuzz/reference_number_to_text.h"

namespace tessavor::fuzz {
namespace {

bool IsAllowed(char c) {
  return (c >= '0' && c <= '9') || std::string_view("-+.e#INFDQA").find(c) != std::string_view::npos;
}

unsigned long long Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

}  // namespace

void CheckNumberTextProperties(std::string_view input, double value, const std::string& text) {
  if (text.empty() || text.size() > 20)
    Fail(input, "NumberToText(%a = %016llX) = \"%s\": %zu characters, not 1 to 20", value, Bits(value),
         text.c_str(), text.size());
  for (const char c : text)
    if (!IsAllowed(c))
      Fail(input, "NumberToText(%a = %016llX) = \"%s\": byte %02X is not allowed", value, Bits(value),
           text.c_str(), static_cast<unsigned char>(c));
  if (value == 0 && text != "0")
    Fail(input, "NumberToText(%a) = \"%s\", expected \"0\"", value, text.c_str());

  // The round trip holds for normal doubles because 13 digits are far fewer
  // than they carry: the double read back lies within a fraction of its last
  // place of the text's value, so its 17 and then 13 digits are the text's
  // again. Not for subnormals: reading goes down to the multiple of 2^-1074
  // below unless more than three quarters of the way up, a step as large as
  // the text's last digit near 1e-311, so "1e-311" (from the subnormal
  // 0x000001D74124E3D2) reads back one step lower: "9.999999999999e-312".
  if (std::isfinite(value) && (value == 0 || std::fabs(value) >= DBL_MIN)) {
    const double reread = TextToNumber(text);
    const std::string again = NumberToText(reread);
    if (again != text)
      Fail(input, "NumberToText(%a) = \"%s\" reads back as %a, which writes as \"%s\"", value, text.c_str(),
           reread, again.c_str());
  }
}

void CheckNumberText(std::string_view input, double value, const std::string& text) {
  CheckNumberTextProperties(input, value, text);
  const ReferenceText expected = ReferenceNumberToText(value);
  if (text != expected.text && text != expected.alternative)
    Fail(input, "NumberToText(%.17g = %016llX) = \"%s\", expected \"%s\"%s%s", value, Bits(value),
         text.c_str(), expected.text.c_str(), expected.alternative == expected.text ? "" : " or ",
         expected.alternative == expected.text ? "" : expected.alternative.c_str());
}

}  // namespace tessavor::fuzz
