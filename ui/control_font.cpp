// Control fonts and text measuring, shared by the edit boxes and labels.
// Face names and measured texts are GBK; they are converted explicitly, so a
// system with another ANSI code page finds the same face and measures the
// same characters.
#include "ui/control_font.h"

#include <string>

#include "ui/gbk_text.h"

namespace tessavor {

namespace {

HFONT CreateFontFromRecord(const std::optional<FontRecord>& record) {
  if (!record) return nullptr;
  LOGFONTW font{};
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
  const std::wstring face = WideFromGbk(record->face);
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
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
  const std::wstring wide = WideFromGbk(text);
  GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

}  // namespace tessavor
