// The constant description of the program's window and its controls: every
// property value the window code realises. Data only, no platform code; texts
// are GBK byte strings as the ANSI Win32 calls take them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tessavor {

// The labels' identifiers; the window's and the boxes' are in core/converter.h.
inline constexpr std::uint32_t Label1Id = 0x16010002;
inline constexpr std::uint32_t Label2Id = 0x16010003;
inline constexpr std::uint32_t Label3Id = 0x16010004;
inline constexpr std::uint32_t Label4Id = 0x16010008;
inline constexpr std::uint32_t Label5Id = 0x1601001C;

enum class ControlKind { EditBox, Label };

// A COLORREF (red in the low byte), or the system's button-face colour read
// at the moment of painting.
struct Colour {
  bool systemDefault;
  std::uint32_t rgb;
};
inline constexpr Colour SystemDefaultColour{true, 0};
constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colour{false, static_cast<std::uint32_t>(red | green << 8 | blue << 16)};
}

// The LOGFONTA fields a control's font takes from its record; character set,
// precisions, quality and pitch are fixed when the font is created.
struct FontRecord {
  std::int32_t height;
  std::int32_t width;
  std::int32_t escapement;
  std::int32_t orientation;
  std::int32_t weight;
  bool italic;
  bool underline;
  bool strikeOut;
  const char* face;
};

enum class Border {
  None,
  Single,                   // WS_BORDER
  StaticEdge,               // WS_EX_STATICEDGE
  FixedFrameClientEdge,     // WS_DLGFRAME with WS_EX_CLIENTEDGE, not resizable
};

struct WindowRecord {
  std::uint32_t identifier;
  const char* title;
  std::int32_t left, top, width, height;  // left and top lose to centring
  Border border;
  bool controlBox;
  bool minimiseButton;
  bool maximiseButton;
  bool startCentred;
  bool visible;
  bool enabled;
  Colour background;
};

struct ControlRecord {
  std::uint32_t identifier;
  const char* name;
  ControlKind kind;
  std::int32_t left, top, width, height;  // outer rectangle in the client area
  bool visible;
  bool enabled;
  bool tabStop;
  const char* text;
  Border border;
  Colour textColour;
  Colour background;
  std::optional<FontRecord> font;  // none: the stock DEFAULT_GUI_FONT
  bool wordWrap;
};

struct FormDescription {
  WindowRecord window;
  std::span<const ControlRecord> controls;  // in creation order
};

// The window descriptions linked into the program.
std::span<const FormDescription> FormDescriptions();

}  // namespace tessavor
