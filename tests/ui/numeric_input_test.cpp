// The numeric input mode: which typed characters pass, and the text a box
// is left with when it loses the focus.
#include "ui/numeric_input.h"

#include <gtest/gtest.h>

#include <string>

namespace tessavor {
namespace {

struct FilterCase {
  unsigned code;
  bool accepted;
};

TEST(CharacterFilter, PassesDigitsMinusPointAndControlCharacters) {
  const FilterCase cases[] = {
      // Control characters pass: Backspace and the clipboard keys.
      {0x08, true}, {0x03, true}, {0x16, true}, {0x18, true}, {0x1A, true}, {0x0D, true}, {0x1B, true},
      {0x1F, true},
      // Digits, minus and point, at both ends of the digit range.
      {'0', true}, {'9', true}, {'5', true}, {'-', true}, {'.', true},
      // Neighbours of the accepted range and other printable characters.
      {'/', false}, {':', false}, {',', false}, {'+', false}, {' ', false}, {'a', false}, {'e', false},
      {'E', false}, {'d', false}, {0x7F, false},
      // Bytes of double-byte characters arrive as codes of 0x80 and above.
      {0xA3, false}, {0xB7, false}, {0xFF, false},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(IsAcceptedCharacter(c.code), c.accepted);
  }
}

struct NormalisationCase {
  const char* text;
  const char* normal;
};

TEST(Normalisation, RewritesTheTextInItsShownForm) {
  const NormalisationCase cases[] = {
      // Zero in any spelling empties the box.
      {"0", ""}, {"0.0", ""}, {"-0", ""}, {"000", ""}, {"", ""},
      // No number at all reads as 0.
      {"-", ""}, {"-.", ""}, {".", ""}, {"--5", ""},
      // Superfluous zeros and points go.
      {"007", "7"}, {"5.", "5"}, {".5", "0.5"}, {"2.50", "2.5"}, {"72.0", "72"},
      // Only the leading number counts.
      {"12abc", "12"}, {"1.2.3", "1.2"}, {"3-4", "3"},
      // Exponents, pasted.
      {"1e3", "1000"}, {"1d3", "1000"}, {"1e-5", "1e-005"}, {"1e999", "1.#INF"}, {"-1e999", "-1.#INF"},
      // Thirteen significant digits.
      {"1234567890.123456", "1234567890.123"},
      // Already normal: unchanged.
      {"72", "72"}, {"-3.5", "-3.5"}, {"0.5", "0.5"},
  };
  for (const NormalisationCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NormalisedText(c.text), c.normal);
  }
}

// Pasted full-width digits keep their value instead of emptying the box.
TEST(Normalisation, ReadsFullWidthDigitsWithTheFold) {
  const NormalisationCase cases[] = {
      {"\xA3\xB7\xA3\xB2" /* ７２ */, "72"},
      {"\xA3\xB1\xA3\xAE\xA3\xB5" /* １．５ */, "1.5"},
      {"\xA3\xAD\xA3\xB3" /* －３ */, "-3"},
      {"\xA3\xB0" /* ０ */, ""},
  };
  for (const NormalisationCase& c : cases) {
    SCOPED_TRACE(c.normal);
    EXPECT_EQ(NormalisedText(c.text), c.normal);
  }
}

}  // namespace
}  // namespace tessavor
