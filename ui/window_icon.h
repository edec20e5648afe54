// The window icon: the program file's application icon, large and small,
// both at the image's own 128 x 128. Made once per process and kept until
// the exit processing releases it.
#pragma once

#include <windows.h>

namespace tessavor {

// Sets the large and the small icon of `window` (WM_SETICON). A program
// file without the icon resource leaves the window with the class default.
void SetWindowIcons(HWND window);

// Destroys the icons; part of the exit processing, after the window is gone.
void ReleaseWindowIcons();

}  // namespace tessavor
