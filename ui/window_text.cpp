// Reading a window's text without a length limit of our own: ask for the
// length, then read into a buffer one unit longer for the terminator. The
// string's own terminator is that unit, so the block asked for is exactly
// length + 1 units.
#include "ui/window_text.h"

namespace tessavor {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length), '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

std::wstring WideWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

}  // namespace tessavor
