// Control fonts and text measuring, shared by the edit boxes and labels.
#include "ui/control_font.h"

#include <cstring>

namespace tessavor {

namespace {

HFONT CreateFontFromRecord(const std::optional<FontRecord>& record) {
  if (!record) return nullptr;
  LOGFONTA font{};
  font.lfHeight = record->height;
  font.lfWidth = record->width;
  font.lfEscapement = record->escapement;
  font.lfOrientation = record->orientation;
  font.lfWeight = record->weight;
  font.lfItalic = record->italic;
  font.lfUnderline = record->underline;
  font.lfStrikeOut = record->strikeOut;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  std::strncpy(font.lfFaceName, record->face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&font);
}

}  // namespace

ControlFont::ControlFont(const std::optional<FontRecord>& record)
    : created_(CreateFontFromRecord(record)) {}

HFONT ControlFont::get() const {
  if (created_.get() != nullptr) return created_.get();
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SIZE MeasureText(HFONT font, const char* text) {
  SIZE size{};
  ScopedWindowDC screen(nullptr);
  ScopedSelectObject select(screen.get(), font);
  GetTextExtentPoint32A(screen.get(), text, static_cast<int>(std::strlen(text)), &size);
  return size;
}

}  // namespace tessavor
