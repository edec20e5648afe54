// A window's whole text as a string, read with the ANSI calls.
#pragma once

#include <windows.h>

#include <string>

namespace tessavor {

std::string WindowText(HWND window);

}  // namespace tessavor
