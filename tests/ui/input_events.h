// The input records the tests send through SendInput, alike for the tests
// that build the window in their own process and for the drivers of the
// program as a process of its own.
#pragma once

#include <windows.h>

namespace tessavor::test {

inline INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// A character that no key of the layout need produce.
inline INPUT CharacterInput(wchar_t character, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

// A button event at the pointer's position; the pointer is put there first.
inline INPUT ButtonInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

// The key that types a digit, '.' or '-', as a user types them; 0 for any
// other character, which goes as the character itself.
inline WORD KeyOfCharacter(char c) {
  if (c >= '0' && c <= '9') return static_cast<WORD>(c);
  if (c == '.') return VK_OEM_PERIOD;
  if (c == '-') return VK_OEM_MINUS;
  return 0;
}

}  // namespace tessavor::test
