// A window's whole text as a string: bytes through the ANSI calls for the
// edit boxes, UTF-16 through the wide calls for the labels.
#pragma once

#include <windows.h>

#include <string>

namespace tessavor {

std::string WindowText(HWND window);
std::wstring WideWindowText(HWND window);

}  // namespace tessavor
