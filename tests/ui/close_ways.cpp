// Closing from outside. The close box is found by asking the window where
// the points of its caption lie (WM_NCHITTEST), not guessed from metrics.
// The system menu of another process cannot be read, so the Close command's
// key is read from a system menu of the driver's own, which the same system
// fills with the same texts ("&Close", "关闭(&C)").
#include "tests/ui/close_ways.h"

#include <algorithm>
#include <optional>
#include <string>

#include "tests/ui/process_driver.h"

namespace tessavor::test {

namespace {

LRESULT HitTest(HWND window, int x, int y) {
  DWORD_PTR hit = HTNOWHERE;
  SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
  return static_cast<LRESULT>(hit);
}

// The middle of the close button on the screen: the middle of the HTCLOSE
// run across the caption's middle row, then of the run down that column.
std::optional<POINT> CloseBoxCentre(HWND window) {
  TITLEBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (!GetTitleBarInfo(window, &bar) || IsRectEmpty(&bar.rcTitleBar)) return std::nullopt;
  const RECT& caption = bar.rcTitleBar;
  const int row = (caption.top + caption.bottom) / 2;
  int left = caption.right;
  int right = caption.left - 1;
  for (int x = caption.left; x < caption.right; ++x) {
    if (HitTest(window, x, row) != HTCLOSE) continue;
    left = std::min(left, x);
    right = x;
  }
  if (right < left) return std::nullopt;
  const int column = (left + right) / 2;
  int top = caption.bottom;
  int bottom = caption.top - 1;
  for (int y = caption.top; y < caption.bottom; ++y) {
    if (HitTest(window, column, y) != HTCLOSE) continue;
    top = std::min(top, y);
    bottom = y;
  }
  return POINT{column, (top + bottom) / 2};
}

// The key of the system menu's Close command: the character after its '&'.
std::optional<WORD> CloseCommandKey() {
  const HWND own = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  wchar_t text[64] = L"";
  GetMenuStringW(GetSystemMenu(own, FALSE), SC_CLOSE, text, 64, MF_BYCOMMAND);
  DestroyWindow(own);
  const std::wstring item = text;
  const std::size_t ampersand = item.find(L'&');
  if (ampersand == std::wstring::npos || ampersand + 1 >= item.size()) return std::nullopt;
  const SHORT key = VkKeyScanW(item[ampersand + 1]);
  if (key == -1) return std::nullopt;
  return static_cast<WORD>(key & 0xFF);
}

bool PostClose(HWND window) { return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE; }

bool ClickCloseBox(HWND window) {
  const std::optional<POINT> centre = CloseBoxCentre(window);
  if (!centre) return false;
  ClickAt(*centre);
  return true;
}

bool PressAltF4(HWND) {
  PressKeyWith(VK_MENU, VK_F4);
  return true;
}

bool ChooseCloseFromSystemMenu(HWND window) {
  const std::optional<WORD> key = CloseCommandKey();
  if (!key) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  PressKeyWith(VK_MENU, VK_SPACE);
  if (WaitForWindow(process, "#32768", nullptr) == nullptr) return false;
  PressKey(*key);
  return true;
}

constexpr CloseWay Ways[] = {
    {"WM_CLOSE posted", PostClose},
    {"close box clicked", ClickCloseBox},
    {"Alt+F4", PressAltF4},
    {"Close from the system menu", ChooseCloseFromSystemMenu},
};

}  // namespace

std::span<const CloseWay> CloseWays() { return Ways; }

}  // namespace tessavor::test
