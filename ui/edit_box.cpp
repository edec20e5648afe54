// Edit box subclass. The box keeps its font, brush and write flag in the
// subclass reference data; the main window hands it its own WM_COMMAND
// notifications and WM_CTLCOLOREDIT, so everything about a box is here.
#include "ui/edit_box.h"

#include <commctrl.h>

#include <string>

#include "ui/control_event.h"
#include "ui/control_font.h"
#include "ui/gdi.h"
#include "ui/numeric_input.h"
#include "ui/window_text.h"

namespace tessavor {

namespace {

constexpr UINT_PTR SubclassId = 1;
// Asks the box to replace its text as a write of the text property, so the
// box's own data stays inside its window procedure.
constexpr UINT WriteTextMessage = WM_APP + 1;

struct EditBox {
  EditBox(std::uint32_t windowId, const ControlRecord& box)
      : window(windowId), record(box), font(box.font),
        brush(CreateSolidBrush(box.background.rgb)) {}
  std::uint32_t window;
  const ControlRecord& record;
  ControlFont font;
  OwnedGdiObject<HBRUSH> brush;
  // True only while WriteEditBoxText replaces the text.
  bool suppressTextChanged = false;
};

void Raise(const EditBox& box, ControlEvent event) {
  RaiseControlEvent(box.window, box.record.identifier, event);
}

// The client rectangle in the box's window coordinates.
RECT ClientRectInWindow(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  RECT window;
  GetWindowRect(hwnd, &window);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  OffsetRect(&client, origin.x - window.left, origin.y - window.top);
  return client;
}

// Leaving the box rewrites its text in normal form; the rewrite is an
// ordinary change, so its TextChanged comes before the FocusLost.
void Normalise(HWND hwnd) {
  const std::string text = WindowText(hwnd);
  const std::string normal = NormalisedText(text);
  if (normal == text) return;
  DWORD start = 0;
  SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  SetWindowTextA(hwnd, normal.c_str());
  SendMessageA(hwnd, EM_SETSEL, start, start);
  SendMessageA(hwnd, EM_SCROLLCARET, 0, 0);
}

LRESULT OnNotification(EditBox& box, HWND hwnd, UINT code) {
  switch (code) {
    case EN_SETFOCUS:
      Raise(box, ControlEvent::FocusGained);
      break;
    case EN_KILLFOCUS:
      Normalise(hwnd);
      Raise(box, ControlEvent::FocusLost);
      break;
    case EN_CHANGE:
      if (!box.suppressTextChanged) Raise(box, ControlEvent::TextChanged);
      break;
  }
  return 0;
}

// The control's own change notice is dropped; the one TextChanged of the
// write follows once the new text is in place.
LRESULT OnWriteText(EditBox& box, HWND hwnd, const char* text) {
  box.suppressTextChanged = true;
  SetWindowTextA(hwnd, text);
  box.suppressTextChanged = false;
  SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(hwnd));
  return 0;
}

LRESULT OnChar(HWND hwnd, WPARAM code, LPARAM lParam) {
  if (!IsAcceptedCharacter(static_cast<unsigned>(code))) return 0;
  return DefSubclassProc(hwnd, WM_CHAR, code, lParam);
}

// After the default frame, keep one line of the current font's height in
// the vertical middle of what is left.
LRESULT OnNcCalcSize(HWND hwnd, WPARAM calcValidRects, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, WM_NCCALCSIZE, calcValidRects, lParam);
  RECT* proposed = calcValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                  : reinterpret_cast<RECT*>(lParam);
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  const LONG line = MeasureText(font, "W").cy;
  proposed->top += (proposed->bottom - proposed->top - line) / 2;
  proposed->bottom = proposed->top + line;
  return result;
}

// Paint the band above and below the text line white, then let the default
// painting draw the border over it.
LRESULT OnNcPaint(EditBox& box, HWND hwnd, WPARAM region, LPARAM lParam) {
  RECT window;
  GetWindowRect(hwnd, &window);
  const RECT client = ClientRectInWindow(hwnd);
  {
    ScopedWindowDC dc(hwnd, true);
    OwnedGdiObject<HRGN> band(CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top));
    OwnedGdiObject<HRGN> line(CreateRectRgnIndirect(&client));
    CombineRgn(band.get(), band.get(), line.get(), RGN_DIFF);
    FillRgn(dc.get(), band.get(), box.brush.get());
  }
  return DefSubclassProc(hwnd, WM_NCPAINT, region, lParam);
}

LRESULT OnEraseBackground(EditBox& box, HWND hwnd, HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, box.brush.get());
  return 1;
}

// A press above or below the text line lands on the border, so it neither
// places the caret nor selects.
LRESULT OnNcHitTest(HWND hwnd, LPARAM lParam) {
  const LRESULT hit = DefSubclassProc(hwnd, WM_NCHITTEST, 0, lParam);
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ScreenToClient(hwnd, &point);
  RECT client;
  GetClientRect(hwnd, &client);
  return PtInRect(&client, point) ? hit : HTBORDER;
}

LRESULT OnCtlColorEdit(EditBox& box, HDC dc) {
  SetTextColor(dc, box.record.textColour.rgb);
  SetBkColor(dc, box.record.background.rgb);
  return reinterpret_cast<LRESULT>(box.brush.get());
}

LRESULT CALLBACK EditBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
  EditBox& box = *reinterpret_cast<EditBox*>(data);
  switch (message) {
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == hwnd) return OnNotification(box, hwnd, HIWORD(wParam));
      break;
    case WriteTextMessage:
      return OnWriteText(box, hwnd, reinterpret_cast<const char*>(lParam));
    case WM_CHAR:
      return OnChar(hwnd, wParam, lParam);
    case WM_NCCALCSIZE:
      return OnNcCalcSize(hwnd, wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(box, hwnd, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(box, hwnd, reinterpret_cast<HDC>(wParam));
    case WM_NCHITTEST:
      return OnNcHitTest(hwnd, lParam);
    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(box, reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, EditBoxProc, SubclassId);
      delete &box;
      return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// Grow the box when its font needs more than the stored height: one line of
// the font plus the edges above and below it.
void FitHeightToFont(HWND hwnd, HFONT font) {
  const LONG needed = MeasureText(font, "\xCE\xE2" /* 吴 */).cy + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT rect;
  GetWindowRect(hwnd, &rect);
  if (rect.bottom - rect.top < needed) {
    SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, needed,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void ApplyFrameChange(HWND hwnd) {
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HWND CreateEditBox(HWND parent, std::uint32_t window, const ControlRecord& record, int childId) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL;
  if (record.tabStop) style |= WS_TABSTOP;
  if (!record.enabled) style |= WS_DISABLED;
  const HWND hwnd = CreateWindowExA(0, "EDIT", record.text, style, record.left, record.top, record.width,
                                    record.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                                    GetModuleHandleA(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  EditBox* box = new EditBox(window, record);
  SetWindowSubclass(hwnd, EditBoxProc, SubclassId, reinterpret_cast<DWORD_PTR>(box));

  FitHeightToFont(hwnd, box->font.get());
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(box->font.get()), TRUE);
  ApplyFrameChange(hwnd);
  SendMessageA(hwnd, EM_LIMITTEXT, 0, 0);
  SendMessageA(hwnd, EM_SETSEL, 0, 0);
  SendMessageA(hwnd, EM_SCROLLCARET, 0, 0);

  // The border goes on after creation: an EDIT created with WS_BORDER drops
  // the style and draws a frame inside its client area, which leaves no
  // non-client band to centre the text line in.
  SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) | WS_BORDER);
  SetWindowLongPtrA(hwnd, GWL_EXSTYLE,
                    GetWindowLongPtrA(hwnd, GWL_EXSTYLE) &
                        ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME));
  ApplyFrameChange(hwnd);
  return hwnd;
}

void WriteEditBoxText(HWND hwnd, std::string_view text) {
  const std::string copy(text);
  SendMessageA(hwnd, WriteTextMessage, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

}  // namespace tessavor
