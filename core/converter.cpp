// The converter. While the centimetre box holds the focus its changes rewrite
// the pixel box, and the other way round; a new resolution empties both.
// Arithmetic runs in the double-extended format so the results are the same
// bits on every processor, whatever its floating-point unit does.
#include "core/converter.h"

#include <bit>
#include <string>

#include "core/control_host.h"
#include "core/extended.h"
#include "core/numeric_text.h"

namespace tessavor {

std::int32_t centimetreBoxFocused = 0;
std::int32_t pixelBoxFocused = 0;

namespace {

// 0.3937007874016 rounded to double. The 13-digit decimal is slightly larger
// than 1 / 2.54, and results show it: 1 cm at 72 dpi is 28.34645669292 px.
constexpr double InchesPerCentimetre = std::bit_cast<double>(0x3FD93264C9932813ull);
// 2.54 rounded to double.
constexpr double CentimetresPerInch = std::bit_cast<double>(0x400451EB851EB852ull);

// The box's value; an empty box reads as the empty text, that is 0.
double ReadBoxNumber(std::uint32_t control) {
  const std::optional<std::string> text = ReadControlText(MainWindowId, control);
  return TextToNumber(text ? std::string_view(*text) : std::string_view());
}

}  // namespace

void OnCentimetreFocusGained() { centimetreBoxFocused = 1; }
void OnCentimetreFocusLost() { centimetreBoxFocused = 0; }
void OnPixelFocusGained() { pixelBoxFocused = 1; }
void OnPixelFocusLost() { pixelBoxFocused = 0; }

// Only the box the user is editing drives; the write into the other box
// comes back here with that box's flag at 0 and stops.
void OnCentimetreTextChanged() {
  if (centimetreBoxFocused == 1) ConvertCentimetresToPixels();
}

void OnPixelTextChanged() {
  if (pixelBoxFocused == 1) ConvertPixelsToCentimetres();
}

// A new resolution invalidates both lengths; nothing is recomputed until the
// user edits one of them again.
void OnResolutionTextChanged() {
  WriteControlText(MainWindowId, CentimetreBoxId, "");
  WriteControlText(MainWindowId, PixelBoxId, "");
}

// px = (cm x dpi) x 0.3937007874016, the product kept in extended precision.
void ConvertCentimetresToPixels() {
  const double cm = ReadBoxNumber(CentimetreBoxId);
  const double dpi = ReadBoxNumber(ResolutionBoxId);
  const std::string text = NumberToText(MultiplyInExtended(cm, dpi, InchesPerCentimetre));
  WriteControlText(MainWindowId, PixelBoxId, text);
}

// cm = (px / dpi) x 2.54, the quotient rounded to double before the product.
void ConvertPixelsToCentimetres() {
  const double px = ReadBoxNumber(PixelBoxId);
  const double dpi = ReadBoxNumber(ResolutionBoxId);
  const double inches = DivideInExtended(px, dpi);
  const double cm = ExtendedToDouble(
      ExtendedMultiply(ExtendedFromDouble(inches), ExtendedFromDouble(CentimetresPerInch)));
  const std::string text = NumberToText(cm);
  WriteControlText(MainWindowId, CentimetreBoxId, text);
}

}  // namespace tessavor
