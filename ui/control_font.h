// Fonts of the controls: created from a font record with the fixed character
// set, precisions, quality and pitch, or the stock DEFAULT_GUI_FONT when the
// record is absent or the font cannot be created.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/form_description.h"
#include "ui/gdi.h"

namespace tessavor {

class ControlFont {
 public:
  explicit ControlFont(const std::optional<FontRecord>& record);
  // The font to select; a created font stays owned by this object.
  HFONT get() const;

 private:
  OwnedGdiObject<HFONT> created_;
};

// The size of `text` (GBK) drawn in `font` on the screen.
SIZE MeasureText(HFONT font, const char* text);

}  // namespace tessavor
