// The label class and its painting. A label finds its record through the
// window registry; it has no state of its own, and its font lives for one
// paint only. Labels are wide windows: their GBK texts are converted once,
// at creation, so they read the same whatever the ANSI code page.
#include "ui/label.h"

#include "ui/control_font.h"
#include "ui/gbk_text.h"
#include "ui/gdi.h"
#include "ui/window_registry.h"
#include "ui/window_text.h"

namespace tessavor {

namespace {

constexpr wchar_t LabelClassName[] = L"TessavorLabel";

COLORREF ColourRef(Colour colour) {
  return colour.systemDefault ? GetSysColor(COLOR_BTNFACE) : colour.rgb;
}

// Wrapped text starts at the top: DT_VCENTER works only for a single line.
UINT TextFormat(const ControlRecord& record) {
  return DT_NOCLIP | DT_LEFT | (record.wordWrap ? DT_WORDBREAK | DT_VCENTER : DT_SINGLELINE | DT_VCENTER);
}

void PaintContent(HWND hwnd, HDC dc, const ControlRecord& record) {
  RECT clip;
  if (GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) return;
  RECT client;
  GetClientRect(hwnd, &client);
  RECT area;
  if (!IntersectRect(&area, &client, &clip)) return;
  OwnedGdiObject<HRGN> region(CreateRectRgnIndirect(&area));
  SelectClipRgn(dc, region.get());
  OwnedGdiObject<HBRUSH> background(CreateSolidBrush(ColourRef(record.background)));
  FillRgn(dc, region.get(), background.get());

  const std::wstring text = WideWindowText(hwnd);
  if (text.empty()) return;
  const ControlFont font(record.font);
  ScopedSelectObject select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourRef(record.textColour));
  DrawTextW(dc, text.c_str(), -1, &client, TextFormat(record));
}

LRESULT OnPaint(HWND hwnd) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd, &paint);
  if (const BuiltControl* built = FindBuiltControlByHandle(hwnd)) PaintContent(hwnd, dc, *built->record);
  EndPaint(hwnd, &paint);
  return 0;
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint(hwnd);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterLabelClass() {
  static bool registered = false;
  if (registered) return true;
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = LabelProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = LabelClassName;
  registered = RegisterClassW(&windowClass) != 0;
  return registered;
}

}  // namespace

HWND CreateLabel(HWND parent, const ControlRecord& record, int childId) {
  if (!RegisterLabelClass()) return nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (!record.enabled) style |= WS_DISABLED;
  const HWND hwnd = CreateWindowExW(0, LabelClassName, WideFromGbk(record.text).c_str(), style, record.left,
                                    record.top, record.width, record.height, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), GetModuleHandleA(nullptr),
                                    nullptr);
  if (hwnd == nullptr) return nullptr;
  if (record.border == Border::StaticEdge) {
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, WS_EX_STATICEDGE);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return hwnd;
}

}  // namespace tessavor
