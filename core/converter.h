// The converter: two focus flags, seven event handlers and two conversions
// that keep the resolution, centimetre and pixel boxes consistent. It reads
// and writes the boxes only through the host functions of control_host.h.
#pragma once

#include <cstdint>

namespace tessavor {

// Identifiers by which the converter names the window and its three boxes.
inline constexpr std::uint32_t MainWindowId = 0x52010001;
inline constexpr std::uint32_t ResolutionBoxId = 0x16010005;
inline constexpr std::uint32_t CentimetreBoxId = 0x16010006;
inline constexpr std::uint32_t PixelBoxId = 0x16010007;

// 1 while the box holds the keyboard focus, else 0. Only the four focus
// handlers write them.
extern std::int32_t centimetreBoxFocused;
extern std::int32_t pixelBoxFocused;

void OnCentimetreFocusGained();
void OnCentimetreFocusLost();
void OnCentimetreTextChanged();
void OnPixelFocusGained();
void OnPixelFocusLost();
void OnPixelTextChanged();
void OnResolutionTextChanged();

void ConvertCentimetresToPixels();
void ConvertPixelsToCentimetres();

}  // namespace tessavor
